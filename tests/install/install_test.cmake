# Installs the build into PREFIX and checks what a desktop and a user get from it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${out}${err}")
endif()

set(id io.github.quorvel.Quorvel)
set(installed_files
    bin/quorvel-table
    share/applications/${id}.desktop
    share/icons/hicolor/scalable/apps/${id}.svg
    share/metainfo/${id}.metainfo.xml)
if(WINDOW)
    list(APPEND installed_files bin/quorvel share/quorvel/help.chm)
endif()
foreach(file ${installed_files})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(WINDOW)
    file(SHA256 ${HELP_FILE} built)
    file(SHA256 ${PREFIX}/share/quorvel/help.chm installed)
    if(NOT built STREQUAL installed)
        message(FATAL_ERROR "the installed help.chm differs from the built one")
    endif()
endif()

# The installed program runs from anywhere and computes: a sphere of D 1000 at five levels.
file(MAKE_DIRECTORY ${PREFIX}/work)
execute_process(COMMAND ${PREFIX}/bin/quorvel-table --shell spherical --set Edit34=1000 --curve 5
                WORKING_DIRECTORY ${PREFIX}/work
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(expected "0,0.00\n250,81.81\n500,261.80\n750,441.79\n1000,523.60\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "installed quorvel-table gave status ${status}:\n${out}${err}")
endif()

foreach(check
        "${DESKTOP_FILE_VALIDATE};${PREFIX}/share/applications/${id}.desktop"
        "${APPSTREAMCLI};validate;--no-net;${PREFIX}/share/metainfo/${id}.metainfo.xml")
    execute_process(COMMAND ${check} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${check} failed:\n${out}${err}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
