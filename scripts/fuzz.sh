#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset "fuzz") and runs each one.
#   scripts/fuzz.sh [seconds]     each target runs for that long (default 60)
# CHROMANICK_FUZZ_RUNS=N stops a target after N executions instead.
# CHROMANICK_FUZZ_TARGETS="a b" runs only those targets.
# New corpus entries go to build-fuzz/corpus/<target>/, crashing inputs to
# build-fuzz/artifacts/<target>/: copy those to fuzz/regressions/<target>/ once
# fixed, so the test suite replays them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
read -r -a targets <<<"${CHROMANICK_FUZZ_TARGETS:-textdecoding fieldfile projectfile codereader minecraftreader minimessagereader}"
# Per-target settings. A code line is a nickname, a few hundred characters at
# most (the reader's tests cover 100,000); each input makes many small
# strings, so allocation stacks are not recorded for it (a report still shows
# where the fault is), which doubles its speed.
declare -A target_flags=([codereader]="-max_len=512" [minecraftreader]="-max_len=512"
    [minimessagereader]="-max_len=512")
declare -A target_asan=([codereader]="malloc_context_size=0"
    [minecraftreader]="malloc_context_size=0" [minimessagereader]="malloc_context_size=0")

scripts/install-deps.sh --all
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

limit=(-max_total_time="$seconds")
[[ -n "${CHROMANICK_FUZZ_RUNS:-}" ]] && limit=(-runs="$CHROMANICK_FUZZ_RUNS")

status=0
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    artifacts="build-fuzz/artifacts/$target/"
    mkdir -p "$corpus" "$artifacts" "fuzz/regressions/$target"
    log="build-fuzz/logs/$target.log"
    mkdir -p build-fuzz/logs
    echo "== fuzz_$target (journal complet : $log)"
    # shellcheck disable=SC2086  # the flags are words on purpose
    if ! ASAN_OPTIONS="${target_asan[$target]:-${ASAN_OPTIONS:-}}" \
        build-fuzz/bin/"fuzz_$target" "${limit[@]}" ${target_flags[$target]:-} -timeout=10 \
        -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$corpus" "fuzz/corpus/$target" "fuzz/regressions/$target" \
        >"$log" 2>&1; then
        status=1
        grep -E 'ERROR|SUMMARY|property broken|Test unit written|deadly signal|timeout' "$log" || tail -20 "$log"
    fi
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|DONE' "$log" || true
done
exit "$status"
