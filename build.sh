#!/usr/bin/env bash
# Norvalis: install what is missing, build, then run the program or the tests.
#   ./build.sh run [--data-dir DIR]   start Norvalis (default data folder: build/bin)
#   ./build.sh test                   run the whole test suite headless
#   ./build.sh package                build the Debian package build/norvalis_2.0-*_amd64.deb
# Idempotent: with everything present it installs nothing and says nothing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

mode="${1:-}"
case "$mode" in
    run|test|package) shift ;;
    *) echo "uso: ./build.sh run [--data-dir CARTELLA] | ./build.sh test | ./build.sh package" >&2; exit 2 ;;
esac

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-5compat-dev qt6-svg-dev
    libgl-dev fonts-liberation2 qt6-translations-l10n
    # Backups of the data folder are zip files.
    libquazip1-qt6-dev
    # Member lists are imported from CSV files.
    libcsv-dev
    # Qt Multimedia plays the reminder chime (MP3) through GStreamer.
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio gstreamer1.0-alsa
)
# The tests also open the export files in a real spreadsheet program, look
# at printed cards through a PDF rasteriser, and drive the real program on a
# virtual X server with a window manager.
# The test mode also builds the suite a second time with clang's
# AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz targets.
if [ "$mode" = test ]; then
    packages+=(libreoffice-calc-nogui poppler-utils xvfb openbox xdotool clang libclang-rt-14-dev)
fi
# The Debian package: CPack finds its libraries' packages with dpkg-shlibdeps;
# the tests also install it and validate its desktop entry.
if [ "$mode" = test ] || [ "$mode" = package ]; then
    packages+=(dpkg-dev file desktop-file-utils)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installazione dei pacchetti mancanti: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# compile FOLDER [CMAKE OPTIONS...]: configures FOLDER once, then builds it.
compile() {
    local build=$1
    shift
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" "$@" >"$build.configure.log" 2>&1 \
            || { cat "$build.configure.log" >&2; exit 1; }
        rm -f "$build.configure.log"
    fi
    if ! cmake --build "$build" -j2 >"$build/build.log" 2>&1; then
        grep -E 'error|Error' -A3 "$build/build.log" | head -n 60 >&2
        echo "Compilazione non riuscita: vedere $build/build.log" >&2
        exit 1
    fi
}

# package: the Debian package of the Release build, in build/.
package() {
    rm -f build/norvalis_*.deb
    if ! (cd build && cpack -G DEB) >build/cpack.log 2>&1; then
        cat build/cpack.log >&2
        echo "Pacchetto non riuscito: vedere build/cpack.log" >&2
        exit 1
    fi
    ls build/norvalis_*_amd64.deb
}

compile build -DCMAKE_BUILD_TYPE=Release -DNORVALIS_PCH=ON
if [ "$mode" = run ]; then
    exec build/bin/norvalis "$@"
fi
if [ "$mode" = package ]; then
    package
    exit 0
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2 --timeout 300

# The package built from it, installed, tried and removed again.
deb=$(package)
tests/package/check-package.sh "$deb"

# The same suite, and the fuzz targets, under the sanitizers.
CC=clang CXX=clang++ compile build-asan -DCMAKE_BUILD_TYPE=Sanitize -DNORVALIS_SANITIZE=ON -DNORVALIS_PCH=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2 --timeout 300
