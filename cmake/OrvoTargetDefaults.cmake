# Warnings and common settings, applied per target so that third-party code
# and generated sources keep their own flags.
function(orvo_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ORVO_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
      $<$<BOOL:${ORVO_WERROR}>:-Werror>)
    if(ORVO_ASAN AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC's optimiser reports uninitialised reads inside libstdc++
      # (std::regex, std::function) that the sanitizer's instrumentation
      # itself makes up; the sanitizer checks the real reads at run time.
      target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
  endif()
  # The program's own trace lines carry no source position in any build
  # type; only the window documents' console messages do.
  target_compile_definitions(${target} PRIVATE QT_NO_MESSAGELOGCONTEXT)
endfunction()
