#!/usr/bin/env bash
# Builds the bookmark reader's libFuzzer target with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build/fuzz and runs it for a set time:
# the first argument or FUZZ_SECONDS, 60 seconds by default. New inputs
# collect in build/fuzz/corpus; crashes land in build/fuzz/findings.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
build="$here/build/fuzz"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUENVO_FUZZ=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target bookmark_fuzz >/dev/null
mkdir -p "$build/corpus" "$build/findings"
# The first corpus directory receives what the run finds; the checked-in
# seeds are only read.
exec "$build/bookmark_fuzz" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
     -dict="$here/tests/core/collection/bookmark.dict" -artifact_prefix="$build/findings/" \
     "$build/corpus" "$here/tests/core/collection/corpus"
