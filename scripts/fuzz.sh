#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j "$(nproc)" >/dev/null
results="${VX_FUZZ_RESULTS:-}"
cases=""
status=0
for target in settings archive language; do
    corpus="build/fuzz/corpus-$target"
    mkdir -p "$corpus"
    cp -n tests/fuzz/corpus/$target/* "$corpus"/ 2>/dev/null || true
    if build/fuzz/${target}_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 -artifact_prefix=build/fuzz/ "$corpus" \
        >"build/fuzz/$target.log" 2>&1; then
        echo "fuzz $target: $(ls "$corpus" | wc -l) inputs in the corpus, no fault in ${seconds}s"
        cases+="<testcase classname=\"Fuzz\" name=\"$target\" status=\"run\"/>"
    else
        echo "fuzz $target: FAULT"; tail -30 "build/fuzz/$target.log"; status=1
        cases+="<testcase classname=\"Fuzz\" name=\"$target\" status=\"run\"><failure message=\"fault\"/></testcase>"
    fi
done
# The same result form as GoogleTest's, so that the test run counts these too.
[ -n "$results" ] && echo "<testsuites>$cases</testsuites>" >"$results"
exit $status
