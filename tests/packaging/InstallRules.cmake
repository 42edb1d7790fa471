# Installs the build tree into an empty prefix and compares the files there with the expected list.
# cmake -DBUILD_DIR=<build tree> -DPREFIX=<scratch folder> -DEXPECTED=<list> -P InstallRules.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
file(STRINGS ${EXPECTED} expected REGEX "^[^#]")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    set(extra ${installed})
    list(REMOVE_ITEM extra ${expected})
    set(missing ${expected})
    list(REMOVE_ITEM missing ${installed})
    message(FATAL_ERROR "Installed but not listed: ${extra}\nListed but not installed: ${missing}")
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed as listed")
