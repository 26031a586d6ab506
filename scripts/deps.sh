# Installs the Debian packages a script needs, when any is missing, and builds.
# Sourced by scripts/run, scripts/test and scripts/package.

# What the window and bevelmint-render need to build and run.
bevelmint_run_packages=(cmake ninja-build g++ pkg-config libfreetype-dev libfontconfig-dev
    fontconfig fonts-liberation libjpeg-dev libwebp-dev libdeflate-dev libimagequant-dev
    qt6-base-dev qt6-svg-dev libgl-dev)

# What the tests and benchmarks add: decoders to check the encoders with, the real
# browser with npm to install axe-core, a virtual display for the window benchmark
# (xvfb-run), the peers bench/compare-peers times (Pillow, ImageMagick), the format and
# lint tools, and the package's tools (dpkg-shlibdeps and file for CPack; appstreamcli,
# man and desktop-file-validate to check it).
bevelmint_test_packages=(libgtest-dev libbenchmark-dev libpng-dev libgif-dev python3
    python3-selenium python3-pil imagemagick chromium chromium-driver dpkg-dev file
    appstream man-db desktop-file-utils xvfb clang-format clang-tidy)

# bevelmint_install_tools: the test packages, and Debian's npm where no npm is on the
# machine (a Node.js from elsewhere brings its own and conflicts with Debian's).
bevelmint_install_tools() {
    bevelmint_install_deps "${bevelmint_run_packages[@]}" "${bevelmint_test_packages[@]}"
    command -v npm >/dev/null || bevelmint_install_deps npm
}

# bevelmint_install_deps PACKAGE...
bevelmint_install_deps() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${#missing[@]} Debian packages (needs root or sudo): ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# bevelmint_build DIR [CMAKE OPTION...] -- [TARGET...]: configures DIR and builds the
# targets named (all without any), showing the build's progress.
bevelmint_build() {
    local dir="$1"
    shift
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    targets=("$@")
    echo "Configuring in $dir"
    cmake -S "$root" -B "$dir" -G Ninja "${options[@]}" >/dev/null
    echo "Building with $(nproc) jobs"
    if [ ${#targets[@]} -eq 0 ]; then
        cmake --build "$dir" -j "$(nproc)"
    else
        cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
    fi
}

# bevelmint_build_programs DIR: builds the window and bevelmint-render. A new build folder
# leaves out the tests and benchmarks; one made by scripts/test keeps them.
bevelmint_build_programs() {
    local dir="$1" options=()
    [ -f "$dir/CMakeCache.txt" ] || options=(-DBEVELMINT_TESTS=OFF -DBEVELMINT_BENCH=OFF)
    bevelmint_build "$dir" "${options[@]}" -- bevelmint bevelmint-render
}
