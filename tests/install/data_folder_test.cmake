# Installs the build into a prefix and runs the installed window's --print-folders: as root
# its bin/ can be written, so the files stay beside the executable; as the user nobody bin/
# cannot be written, so they go to the data folder below XDG_DATA_HOME, created on the way,
# while help.chm is found where it was installed.
#
# nobody must reach the prefix, which a clone under /root or in a private (0700) folder of
# mktemp -d does not allow: prefix and data folder go to a fresh folder of the system's
# temporary folder, opened to everyone. Where nobody cannot reach even that, the check is
# skipped with the reason.
execute_process(COMMAND mktemp -d -t quorvel-install-XXXXXX
                RESULT_VARIABLE status OUTPUT_VARIABLE scratch ERROR_VARIABLE err
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot make a temporary folder: ${err}")
endif()
set(PREFIX ${scratch}/prefix)
set(DATA_HOME ${scratch}/data-home)

# Removes the scratch folder, then stops with `text`.
macro(fail text)
    file(REMOVE_RECURSE ${scratch})
    message(FATAL_ERROR "${text}")
endmacro()

file(CHMOD ${scratch} DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    fail("cmake --install failed (${status}):\n${out}${err}")
endif()
file(MAKE_DIRECTORY ${DATA_HOME})
file(CHMOD ${DATA_HOME} DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE GROUP_EXECUTE
     WORLD_READ WORLD_WRITE WORLD_EXECUTE)

set(as_nobody ${SETPRIV} --reuid=65534 --regid=65534 --clear-groups)
execute_process(COMMAND ${as_nobody} test -x ${PREFIX}/bin/quorvel RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE_RECURSE ${scratch})
    message("SKIPPED: the user nobody cannot reach ${scratch} (the temporary folder is private)")
    return()
endif()

# No display is needed: the folders are chosen before the window system is reached.
set(environment -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME=${DATA_HOME} ASAN_OPTIONS=detect_leaks=0)
set(help ${PREFIX}/share/quorvel/help.chm)
foreach(run "root;${PREFIX}/bin" "nobody;${DATA_HOME}/Quorvel")
    list(GET run 0 user)
    list(GET run 1 folder)
    set(as_user)
    if(user STREQUAL "nobody")
        set(as_user ${as_nobody})
    endif()
    execute_process(COMMAND ${as_user} env ${environment} ${PREFIX}/bin/quorvel --print-folders
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "${folder}\n${help}\n")
        fail("installed quorvel as ${user} gave status ${status}:\n"
             "${out}${err}\nexpected:\n${folder}\n${help}")
    endif()
endforeach()
if(NOT IS_DIRECTORY ${DATA_HOME}/Quorvel)
    fail("the data folder was not created")
endif()
file(GLOB left ${PREFIX}/bin/.quorvel-probe-*)
if(left)
    fail("a probe file was left behind: ${left}")
endif()
file(REMOVE_RECURSE ${scratch})
