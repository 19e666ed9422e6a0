#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), builds, then runs the desktop
# program ("run") or every test ("test": once in the release build, once more
# built with the address and undefined-behaviour sanitizers). Quick when
# nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

jobs=$(nproc)
configure() { # dir, extra cmake arguments...
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" "$@" >/dev/null
}

case "${1:-}" in
  run)
    configure build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$jobs" --target vellacor
    exec build/src/app/vellacor
    ;;
  test)
    configure build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$jobs"
    (cd build && ctest --output-on-failure -j"$jobs")
    # The same tests once more under the sanitizers; any report fails the run.
    # Leak checking stays off: the toolkit's font and platform libraries keep
    # caches for the life of the process that it would report.
    configure build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELLACOR_BUILD_BENCH=OFF \
      "-DCMAKE_CXX_FLAGS=-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
    cmake --build build-sanitize -j"$jobs"
    cd build-sanitize
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      exec ctest --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
