#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while on the sample designs.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   targets: parameterfile lastdesign parselength rebuild
# Findings land in build-fuzz/findings/TARGET; the corpus grows in build-fuzz/corpus/TARGET.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(parameterfile lastdesign parselength rebuild)

command -v clang++ >/dev/null || { echo "fuzz.sh: needs clang (apt-get install clang)" >&2; exit 2; }
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUENTAROLITH_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}")

for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  # Real designs, broken and hostile ones as the first seeds.
  cp -n "$root"/data/*.dat "$root"/tests/data/*.dat "$root"/tests/data/hostile/*.dat "$corpus"/ 2>/dev/null || true
  echo "== $target: ${seconds}s"
  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" "$build/bin/fuzz_$target" -max_total_time="$seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" \
    >"$build/$target.log" 2>&1 || true
  grep -E '^(stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Done)' "$build/$target.log" || true
  ls "$findings"
done
