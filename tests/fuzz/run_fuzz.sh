#!/usr/bin/env bash
# Builds the rules that need no window natively, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes them with libFuzzer (clang and
# libclang-rt, which tools/common.sh installs).
#   run_fuzz.sh BUILD_DIR --runs N     N inputs from one seed and no corpus: the same run every time
#   run_fuzz.sh BUILD_DIR --time S     S seconds, growing the corpus in BUILD_DIR/fuzz/corpus
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=$1/fuzz
SEED=20261207
case ${2:-} in
--runs) LIMIT=(-runs="$3" -seed=$SEED); CORPUS=(); WHAT="$3 inputs from seed $SEED" ;;
--time) mkdir -p "$OUT/corpus"; LIMIT=(-max_total_time="$3"); CORPUS=("$OUT/corpus"); WHAT="$3 s" ;;
*) echo "usage: run_fuzz.sh BUILD_DIR --runs N | --time SECONDS" >&2; exit 2 ;;
esac
mkdir -p "$OUT"
SOURCES=("$ROOT"/tests/fuzz/rules_fuzz.cpp "$ROOT"/profiles/profile_format.cpp
         "$ROOT"/editor/adapter_rules.cpp "$ROOT"/common/screen_rules.cpp "$ROOT"/helper/helper_rules.cpp
         "$ROOT"/handoff/helper_text.cpp "$ROOT"/handoff/helper_numbers.cpp
         "$ROOT"/settings/typed_number.cpp "$ROOT"/common/ini_rules.cpp "$ROOT"/common/decimal_number.cpp)
FLAGS=(-std=c++17 -g -O1 -I"$ROOT"
       -fsanitize=address,undefined -fno-sanitize-recover=all)
echo "fuzz: the rules that need no window, natively under the sanitizers, $WHAT"
clang++ "${FLAGS[@]}" -fsanitize=fuzzer "${SOURCES[@]}" -o "$OUT/rules_fuzz"
status=0
ASAN_OPTIONS=detect_leaks=0 "$OUT/rules_fuzz" "${LIMIT[@]}" -print_final_stats=1 -artifact_prefix="$OUT/" "${CORPUS[@]}" \
    >"$OUT/run.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|broken|SUMMARY)|runtime error|ERROR:' "$OUT/run.log" || true
exit $status
