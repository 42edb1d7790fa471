# The warnings our own code is built with, as an interface every Quotabar target links.
# QUOTABAR_WERROR turns them into errors for CI and developer builds (scripts/test, .ci/run);
# a plain build, as a distribution runs it, keeps them as warnings so a newer compiler or Qt
# never breaks it.
option(QUOTABAR_WERROR "Treat compiler warnings as errors" OFF)

add_library(quotabar_warnings INTERFACE)
# Records are filled with designated initializers; the members left out keep their defaults.
target_compile_options(quotabar_warnings INTERFACE
    -Wall -Wextra -Wno-missing-field-initializers
    $<$<BOOL:${QUOTABAR_WERROR}>:-Werror>)
