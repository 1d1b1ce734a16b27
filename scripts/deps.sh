#!/usr/bin/env bash
# Installs the Debian packages Glossmere needs to build, test and run, skipping
# those already present. Sourced by scripts/run and scripts/test.

glossmere_packages=(
    build-essential cmake pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlcipher-dev sqlcipher libcsv-dev
    fonts-dejavu-core
    desktop-file-utils appstream
    clang-format
    clang libclang-rt-14-dev
    xvfb
    dpkg-dev file lintian x11-utils qt6-qpa-plugins
    qt6-translations-l10n
    qt6-speech-dev qt6-speech-speechd-plugin
    qt6-declarative-dev # Qt6TextToSpeech's CMake package needs Qt6QmlIntegration from it
)

glossmere_install_missing() {
    local missing=()
    local pkg
    for pkg in "${glossmere_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

glossmere_configure_and_build() {
    local build_dir="$1"
    shift
    local launcher=()
    if command -v ccache >/dev/null 2>&1; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
    cmake --build "$build_dir" -j "$(nproc)"
}
