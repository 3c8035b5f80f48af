# Warnings and common settings, applied per target so that third-party code
# and generated sources keep their own flags.
function(orvo_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ORVO_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
      $<$<BOOL:${ORVO_WERROR}>:-Werror>)
  endif()
  # The program's own trace lines carry no source position in any build
  # type; only the window documents' console messages do.
  target_compile_definitions(${target} PRIVATE QT_NO_MESSAGELOGCONTEXT)
endfunction()
