# Runs a command on a copy of this source tree inside a clean Debian root made with mmdebstrap.
# Sourced by scripts/test-in and scripts/package, after scripts/packages.sh.

# The Debian code name of a release number.
quotabar_codename() {
    case "$1" in
        12) echo bookworm ;;
        13) echo trixie ;;
        *) return 1 ;;
    esac
}

# The release number of the running system, when it is Debian.
quotabar_host_release() {
    (. /etc/os-release 2>/dev/null && [ "${ID:-}" = debian ] && echo "${VERSION_ID:-}")
}

# The archive addresses apt already uses for the host's release and its security updates,
# or Debian's own when apt names none.
quotabar_mirrors() {
    local codename targets
    codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
    targets=$(apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 'Created-By: Packages' 2>/dev/null | sort -u)
    mirror=$(awk -v suite="$codename" '$1 == suite { print $2; exit }' <<<"$targets")
    security=$(awk -v suite="$codename-security" '$1 == suite { print $2; exit }' <<<"$targets")
    mirror=${mirror:-http://deb.debian.org/debian/}
    security=${security:-http://deb.debian.org/debian-security/}
}

# quotabar_make_root <release> <folder> <package>...
# Fills <folder> with a fresh Debian <release> holding the packages named, from the archive apt uses.
quotabar_make_root() {
    local release=$1 folder=$2
    shift 2
    local codename mirror security
    codename=$(quotabar_codename "$release") || { echo "Unknown Debian release $release: use 12 or 13." >&2; return 2; }
    quotabar_mirrors
    echo "Making a clean Debian $release ($codename) root from $mirror"
    local started=$SECONDS
    mmdebstrap --quiet --variant=apt --include="$(IFS=,; echo "$*")" "$codename" "$folder" \
        "deb $mirror $codename main" "deb $mirror $codename-updates main" \
        "deb $security $codename-security main" || return 1
    cp /etc/resolv.conf "$folder/etc/resolv.conf" 2>/dev/null || true
    echo "The root took $((SECONDS - started)) s"
}

# quotabar_run_in_root <folder> <command>...
# Runs <command> as root in the root at <folder>, from /src, with /proc, /sys, /dev, a fresh /dev/shm
# and /tmp. The mounts live in a namespace of their own and end with the command, so nothing of
# them reaches the host or outlives it.
quotabar_run_in_root() {
    local folder=$1
    shift
    unshare --mount --pid --fork --propagation private -- sh -ec '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount --rbind /sys "$root/sys"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
        mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
        mkdir -p "$root/src"
        exec chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" sh -c "cd /src && exec \"\$@\"" sh "$@"
    ' sh "$folder" "$@"
}

# quotabar_in_clean_root <release> <command>...
# Makes a fresh root of Debian <release> holding the packages of QUOTABAR_PACKAGES, copies the source
# tree to /src in it, runs <command> there, copies build/*.deb back into ./build, and removes the
# root. Returns the command's status.
quotabar_in_clean_root() {
    local release=$1
    shift
    [ "$(id -u)" -eq 0 ] || { echo "A clean root needs root: run this as root or with sudo." >&2; return 1; }
    if ! command -v mmdebstrap >/dev/null; then
        local wanted=("${QUOTABAR_PACKAGES[@]}")
        QUOTABAR_PACKAGES=(mmdebstrap)
        quotabar_install_packages
        QUOTABAR_PACKAGES=("${wanted[@]}")
        command -v mmdebstrap >/dev/null || { echo "A clean root needs mmdebstrap, which this system lacks." >&2; return 1; }
    fi

    local root
    root=$(mktemp -d "${TMPDIR:-/var/tmp}/quotabar-debian$release.XXXXXX")
    trap 'rm -rf --one-file-system "'"$root"'"' EXIT
    quotabar_make_root "$release" "$root" "${QUOTABAR_PACKAGES[@]}" || return 1

    mkdir -p "$root/src"
    tar --create --exclude=./build --exclude='./build-*' --exclude=./.git . | tar --extract --directory="$root/src"
    local status=0
    quotabar_run_in_root "$root" "$@" || status=$?

    if compgen -G "$root/src/build/*.deb" >/dev/null; then
        mkdir -p build
        cp "$root"/src/build/*.deb build/
    fi
    return "$status"
}
