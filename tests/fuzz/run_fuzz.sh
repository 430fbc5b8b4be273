#!/usr/bin/env bash
# Builds the rules that need no window natively, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes them with libFuzzer for a fixed time
# (clang and libclang-rt, which tools/common.sh installs).
#   run_fuzz.sh BUILD_DIR [SECONDS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=$1/fuzz
SECONDS_TO_RUN=${2:-10}
mkdir -p "$OUT/corpus"
SOURCES=("$ROOT"/tests/fuzz/rules_fuzz.cpp "$ROOT"/profiles/profile_format.cpp "$ROOT"/listview/row_rules.cpp
         "$ROOT"/editor/adapter_rules.cpp "$ROOT"/common/screen_rules.cpp "$ROOT"/helper/helper_rules.cpp
         "$ROOT"/handoff/helper_text.cpp "$ROOT"/handoff/helper_numbers.cpp
         "$ROOT"/settings/typed_number.cpp "$ROOT"/common/ini_rules.cpp)
FLAGS=(-std=c++17 -g -O1 -I"$ROOT"
       -fsanitize=address,undefined -fno-sanitize-recover=all)
echo "fuzz: the rules that need no window, natively under the sanitizers, for ${SECONDS_TO_RUN} s"
clang++ "${FLAGS[@]}" -fsanitize=fuzzer "${SOURCES[@]}" -o "$OUT/rules_fuzz"
status=0
ASAN_OPTIONS=detect_leaks=0 "$OUT/rules_fuzz" -max_total_time="$SECONDS_TO_RUN" -print_final_stats=1 -artifact_prefix="$OUT/" "$OUT/corpus" \
    >"$OUT/run.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|broken|SUMMARY)|runtime error|ERROR:' "$OUT/run.log" || true
exit $status
