#!/usr/bin/env bash
# Installs the Debian packages Tarvik needs (only those missing), builds it, then
#   ./setup.sh run               starts tarvik; it starts the pelmora driver with its simulated transmitters
#   ./setup.sh test              runs the whole test suite
#   ./setup.sh test --sanitize   the same, built with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./setup.sh package           builds without the tests and makes the Debian package build/tarvik_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-}
sanitize=no
[ "${2:-}" = "--sanitize" ] && sanitize=yes
case "$action" in
  run|test|package) ;;
  *) echo "usage: $0 run | test [--sanitize] | package" >&2; exit 2 ;;
esac

packages=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core fonts-liberation2 poppler-utils)
# The package's desktop entry is checked before it is packed, and the package test validates it, the
# metainfo and the manual pages.
[ "$action" = package ] && packages+=(desktop-file-utils)
[ "$action" = test ] && packages+=(desktop-file-utils appstream man-db)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  # A freshly booted machine may still be running its own apt: wait for the lock instead of failing.
  lock=(-o DPkg::Lock::Timeout=600)
  $sudo apt-get "${lock[@]}" update -q
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get "${lock[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "$sanitize" = yes ]; then
  build=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON)
fi
if [ -n "${CI:-}" ]; then options+=(-DTARVIK_WERROR=ON); else options+=(-DTARVIK_WERROR=OFF); fi
# Each command sets what it needs: the build folder keeps its settings between runs.
if [ "$action" = test ]; then options+=(-DTARVIK_TESTS=ON); else options+=(-DTARVIK_TESTS=OFF); fi

cmake -S . -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build"

if [ "$action" = run ]; then
  exec "$build/bin/tarvik"
fi
if [ "$action" = package ]; then
  desktop-file-validate package/*.desktop
  cd "$build" && exec cpack -G DEB
fi
ctest --test-dir "$build" --output-on-failure --no-tests=error -j 2 --timeout 300
