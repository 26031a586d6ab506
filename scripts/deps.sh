# Installs the Debian packages the build needs, when any is missing.
# Sourced by scripts/test and scripts/run.
bevelmint_packages=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev libpng-dev libwebp-dev
    libfreetype-dev libfontconfig-dev fontconfig fonts-liberation libjpeg-dev libgif-dev
    python3 python3-selenium python3-pil chromium chromium-driver qt6-base-dev qt6-svg-dev libgl-dev)

bevelmint_install_deps() {
    local missing=()
    for p in "${bevelmint_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

bevelmint_build() {
    local dir="$1"
    shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
