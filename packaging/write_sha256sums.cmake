# After cpack: SHA256SUMS beside the package, as beside the Windows zip, so
# that "sha256sum -c SHA256SUMS" checks a download.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SHA256 ${package} hash)
  get_filename_component(name ${package} NAME)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
# The packages are still in cpack's own folder, copied to this one next.
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
