#!/usr/bin/env bash
# Builds every libFuzzer target with clang (the "fuzz" preset) and runs each one for a while on its
# seed folder. A crash stops the run with the target's name; the reproducer is left in the work folder.
#   tools/fuzz.sh [SECONDS] [TARGET...]     SECONDS per target, default 60; TARGET defaults to all
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${BRINDLE_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
WORK="${BRINDLE_FUZZ_WORK_DIR:-$BUILD/fuzz-work}"
JOBS="${BRINDLE_JOBS:-2}"
SECONDS_EACH="${1:-60}"
[ $# -gt 0 ] && shift

log() { printf 'fuzz: %s\n' "$*" >&2; }

# Target name -> folder of committed seeds (inputs that are real files or answers of that kind).
declare -A SEEDS=(
    [fuzz_wire_decode]=wire/tests/corpus/decode
    [fuzz_server_request_reader]=server/tests/net/corpus/request
    [fuzz_plist_reader]=engine/tools/fuzz/corpus/plist
    [fuzz_fnt_reader]=engine/tools/fuzz/corpus/fnt
    [fuzz_layout_reader]=engine/tests/extensions/fuzz/corpus/layout
    [fuzz_armature_reader]=engine/tests/extensions/fuzz/corpus/armature
    [fuzz_particle_reader]=engine/tests/extensions/fuzz/corpus/particle
    [fuzz_client_frame]=client/fuzz/corpus/frame
    [fuzz_client_answers]=client/fuzz/corpus/answers
)

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(printf '%s\n' "${!SEEDS[@]}" | sort)
fi

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake --preset fuzz -S "$ROOT" -B "$BUILD"
fi
cmake --build "$BUILD" -j "$JOBS" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

failed=()
for t in "${targets[@]}"; do
    seeds="$ROOT/${SEEDS[$t]:-}"
    corpus="$WORK/$t/corpus"
    mkdir -p "$corpus" "$WORK/$t/crashes"
    args=()
    [ -d "$seeds" ] && args+=("$seeds")
    log "$t for ${SECONDS_EACH}s"
    if ! (cd "$WORK/$t" && "$BUILD/fuzz/$t" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$WORK/$t/crashes/" -print_final_stats=1 "$corpus" "${args[@]}" \
            >"$WORK/$t/log.txt" 2>&1); then
        log "$t FAILED: see $WORK/$t/log.txt and $WORK/$t/crashes/"
        failed+=("$t")
    else
        log "$t: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$WORK/$t/log.txt" | grep -o '[0-9]*$') runs, no crash"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    log "crashed: ${failed[*]}"
    exit 1
fi
log "all ${#targets[@]} targets ran clean"
