#!/usr/bin/env bash
# Builds the bookmark reader and writer benchmark (native, Release) in
# build/bench and prints its figures. Arguments go to the benchmark, e.g.
# --benchmark_filter=Read.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/bench"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUENVO_BENCH=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target bookmark_bench >/dev/null
exec "$build/bookmark_bench" "$@"
