# Installs the build into PREFIX and starts PREFIX/bin/vemla until its first
# painted window: it must find its texts and pictures in PREFIX/share/vemla.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
# The window's texts and pictures are proven by its start; these it does not read.
foreach(file bin/vemla-cli share/applications/${APP_ID}.desktop
        share/icons/hicolor/256x256/apps/${APP_ID}.png)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env VEMLA_STARTUP_TIMING=1 ${PREFIX}/bin/vemla
                RESULT_VARIABLE ran OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT ran EQUAL 0 OR NOT out MATCHES "first paint: ")
  message(FATAL_ERROR "the installed vemla did not start: ${ran}\n${out}\n${err}")
endif()
