# QUOTABAR_SANITIZE builds everything, programs and tests, with the listed sanitizers, for example
# -DQUOTABAR_SANITIZE="address;undefined". Undefined behaviour then stops the program instead of
# being reported and passed over, so a test run fails on it.
set(QUOTABAR_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address;undefined (empty: none)")

if(QUOTABAR_SANITIZE)
    list(JOIN QUOTABAR_SANITIZE "," quotabar_sanitizers)
    add_compile_options(-fsanitize=${quotabar_sanitizers} -fno-omit-frame-pointer)
    # The sanitizers' checks mislead GCC's flow analysis into false "may be used uninitialized"
    # warnings (in Qt's slot templates, for one); the plain build keeps that warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
    add_link_options(-fsanitize=${quotabar_sanitizers})
    if("undefined" IN_LIST QUOTABAR_SANITIZE)
        add_compile_options(-fno-sanitize-recover=undefined)
    endif()
endif()
