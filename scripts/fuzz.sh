#!/usr/bin/env bash
# Fuzzes one target for SECONDS (default 60):
#   archive  the archive loader, saver and text conversion (starting corpus tests/fuzz/corpus)
#   csv      the CSV decoding, import plan, export and their round trip (tests/fuzz/corpus-csv)
# Usage: scripts/fuzz.sh [archive|csv] [SECONDS]; a number alone fuzzes the archive, as before.
# Builds the libFuzzer target with clang in build-fuzz and runs it on a copy of its corpus in a fresh
# run folder inside the build folder, which collects the new inputs, any crash input and the log.
set -euo pipefail
cd "$(dirname "$0")/.."

target=archive
if [[ $# -gt 0 && ! $1 =~ ^[0-9]+$ ]]; then
    target=$1
    shift
fi
case "$target" in
    archive) corpus=tests/fuzz/corpus ;;
    csv) corpus=tests/fuzz/corpus-csv ;;
    *)
        echo "usage: $0 [archive|csv] [SECONDS]" >&2
        exit 2
        ;;
esac
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}
./scripts/install-deps.sh clang libclang-rt-14-dev

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRM_WERROR=ON -DRM_FUZZ=ON -DRM_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)" --target "fuzz_$target"

run="$build/fuzz-run-$target-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$run/corpus"
cp "$corpus"/* "$run/corpus/"

# The archive target loads and saves every input through real files, the save with fsync: a
# temporary folder in memory keeps that from dominating the run.
tmp=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm

status=0
TMPDIR=$tmp "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$run/" "$run/corpus" 2>&1 | tee "$run/fuzz.log" ||
    status=$?

echo
echo "== Summary"
grep -E '^#[0-9]+' "$run/fuzz.log" | tail -n 1 || true
grep -E '^stat::' "$run/fuzz.log" || true
echo "corpus: $(find "$run/corpus" -type f | wc -l) inputs, $(du -sb "$run/corpus" | cut -f1) bytes"
findings=$(find "$run" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \))
echo "findings: ${findings:-none}"
echo "log, corpus and findings: $run"
exit "$status"
