# Run by CPack on the staged files before it packs them, doing what Debian's
# own packaging tools do at this point: the change log goes in, and change
# logs and manual pages are compressed with gzip -9n (no name, no time stamp,
# so the package is reproducible).
set(staged "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(COPY_FILE "${CPACK_VEMLA_CHANGELOG}" "${staged}/${CPACK_VEMLA_DOCDIR}/changelog")
file(GLOB_RECURSE uncompressed
     "${staged}/${CPACK_VEMLA_DOCDIR}/changelog" "${staged}/share/man/*.[1-9]")
foreach(file IN LISTS uncompressed)
  execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
