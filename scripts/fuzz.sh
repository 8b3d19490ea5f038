#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for the given number of seconds
# (split between them), starting from the committed seed corpus. Any crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNAVIK_GUI=OFF -DNAVIK_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
cmake --build build-fuzz -j"$(nproc)" --target navik_fuzzers

mapfile -t fuzzers < <(find build-fuzz/fuzz -maxdepth 1 -type f -name 'fuzz_*' -executable | sort)
if [ ${#fuzzers[@]} -eq 0 ]; then
    echo "no fuzz targets built" >&2
    exit 1
fi
per=$(( seconds / ${#fuzzers[@]} ))
[ "$per" -ge 10 ] || per=10
for f in "${fuzzers[@]}"; do
    name=$(basename "$f")
    seeds=fuzz/corpus/${name#fuzz_}
    work=build-fuzz/corpus-${name#fuzz_}
    mkdir -p "$work"
    [ -d "$seeds" ] && cp -n "$seeds"/* "$work"/ 2>/dev/null || true
    echo "-- $name for ${per}s"
    "$f" -max_total_time="$per" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crash-"$name"- "$work"
done
