# The tag of packages built for one Debian release ("~deb13"), read from the building system's
# os-release: a package links that release's libraries, so each release gets its own build, and
# the tag sorts it below an untagged build of the same number, as Debian does for per-release builds.
set(tag "")
if(EXISTS /etc/os-release)
    file(STRINGS /etc/os-release os_id REGEX "^ID=")
    file(STRINGS /etc/os-release os_version REGEX "^VERSION_ID=")
    string(REGEX REPLACE "^ID=\"?([^\"]*)\"?$" "\\1" os_id "${os_id}")
    string(REGEX REPLACE "^VERSION_ID=\"?([^\"]*)\"?$" "\\1" os_version "${os_version}")
    if(os_id STREQUAL "debian" AND os_version MATCHES "^[0-9]+$")
        set(tag "~deb${os_version}")
    endif()
endif()
set(QUOTABAR_DEBIAN_RELEASE_TAG "${tag}" CACHE STRING "Suffix of the package's Debian revision naming the release it is built for")
unset(tag)
