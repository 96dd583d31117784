# Sourced by scripts/run and scripts/test: installs the Debian packages the build needs,
# skipping apt entirely when all of them are present.
R5K27_PACKAGES="qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libqt6sql6-sqlite cmake ninja-build g++ \
libgtest-dev fonts-wqy-microhei qt6-translations-l10n desktop-file-utils appstream shared-mime-info \
file poppler-utils groff-base gzip"
# What scripts/fuzz needs besides: clang and its runtime libraries, libFuzzer among them.
R5K27_FUZZ_PACKAGES="clang libclang-rt-14-dev"

# Installs the packages named (default: R5K27_PACKAGES) that are missing.
r5k27_install_deps() {
    local missing=""
    for pkg in ${1:-$R5K27_PACKAGES}; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}
