# Debian and Ubuntu packages that building, running and testing Quotabar need.
# Sourced by scripts/run, scripts/test and scripts/package.

# The build renders the application icon with rsvg-convert; the tests draw offscreen and start their
# own dbus-daemon; the fonts make renderings legible; Qt Charts draws the usage history
# (on Debian 12 its CMake files need the OpenGL ones, which the package does not pull in); the panel's
# theme is read over XSETTINGS (libxcb) and from Budgie's GSettings (GIO); a browser's cookies are read
# with Qt's SQLite driver and decrypted with OpenSSL; Qt's Linguist tools compile the translations, and
# Qt's own catalogues translate its standard buttons.
QUOTABAR_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev librsvg2-bin
    dbus fonts-dejavu-core
    qtkeychain-qt6-dev gnome-keyring libsecret-tools
    libxcb1-dev libglib2.0-dev
    libqt6sql6-sqlite libssl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

# Installs whatever of the list is missing, without asking. Without apt it says so once and goes on:
# the build then finds what the system has, or names what it lacks.
quotabar_install_packages() {
    if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
        echo "No apt on this system: install the build dependencies README.md names under \"Other systems\" yourself; building with what is there." >&2
        return 0
    fi
    local missing=()
    local package
    for package in "${QUOTABAR_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Installing ${missing[*]} needs root: run this as root, or install sudo." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (with any extra cache settings given) and builds into ./build.
quotabar_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" "$@"
    cmake --build build
}
