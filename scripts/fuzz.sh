#!/usr/bin/env bash
# Builds the bookmark reader's libFuzzer targets with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build/fuzz and runs each for a set time:
# the first argument or FUZZ_SECONDS, 60 seconds by default. bookmark_fuzz
# checks the reader against the reference reader; round_trip_fuzz, faster,
# runs the reader alone and the round trip. New inputs collect in
# build/fuzz/corpus; crashes land in build/fuzz/findings.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
build="$here/build/fuzz"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUENVO_FUZZ=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target bookmark_fuzz round_trip_fuzz >/dev/null
mkdir -p "$build/corpus" "$build/findings"
# The first corpus directory receives what the run finds; the checked-in
# seeds are only read.
for target in bookmark_fuzz round_trip_fuzz; do
    echo "fuzz: $target for $seconds seconds"
    "$build/$target" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
        -dict="$here/tests/core/collection/bookmark.dict" -artifact_prefix="$build/findings/" \
        "$build/corpus" "$here/tests/core/collection/corpus"
done
