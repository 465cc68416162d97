#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quentarolith, builds it, and runs it or its tests.
#   scripts/quentarolith.sh run    install what is missing, build, start the program
#   scripts/quentarolith.sh test   install what is missing, build, run every test
#   scripts/quentarolith.sh sanitize   the same tests built with AddressSanitizer,
#                                      UndefinedBehaviorSanitizer and leak checking (build-sanitize/)
# Safe to run again: the package manager is only called when a package is missing.
set -euo pipefail

mode=${1:-}
case "$mode" in
  run|test|build|sanitize) ;;
  *) echo "usage: $0 run|test|build|sanitize" >&2; exit 2 ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
          libbenchmark-dev fonts-dejavu-core qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = sanitize ]; then
  build="$root/build-sanitize"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUENTAROLITH_SANITIZE=ON >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)"

if [ "$mode" = sanitize ]; then
  export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
  # Leak checking needs to stop the process's threads, which some sandboxes forbid; there it
  # dies with a fatal error instead of reporting leaks. Say so and check the rest.
  probe=$(QT_QPA_PLATFORM=offscreen "$build/bin/tst_core" 2>&1 >/dev/null || true)
  if grep -q 'LeakSanitizer has encountered a fatal error' <<<"$probe"; then
    echo "WARNING: LeakSanitizer cannot run in this environment; leak checking is off." >&2
    ASAN_OPTIONS=${ASAN_OPTIONS/detect_leaks=1/detect_leaks=0}
  fi
fi

case "$mode" in
  build) ;;
  test|sanitize)
    cd "$build"
    ctest --output-on-failure -j"$(nproc)"
    ;;
  run)
    exec "$build/bin/quentarolith"
    ;;
esac
