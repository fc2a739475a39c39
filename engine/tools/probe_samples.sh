#!/bin/sh
# engine-probe against the third-party samples, which the tree does not carry: $BRINDLE_SAMPLES,
# else DEFAULT (shared/samples beside the checkout). Without them it prints why and exits 77,
# which CTest reports as skipped.
#   probe_samples.sh PROBE DEFAULT all              every sample sheet and font loads
#   probe_samples.sh PROBE DEFAULT missing PATH     a good file beside a missing PATH fails the run
set -u
probe=$1
dir=${BRINDLE_SAMPLES:-$2}
if [ ! -d "$dir" ]; then
    echo "third-party samples not found at $dir; set BRINDLE_SAMPLES to run these tests"
    exit 77
fi
case $3 in
all)
    # An empty folder leaves the patterns unexpanded, and the probe then fails on them by name.
    exec "$probe" "$dir"/spritesheets/*.plist "$dir"/bmfont/*.fnt
    ;;
missing)
    "$probe" "$dir/bmfont/futura.fnt" "$4"
    status=$?
    # 1 is the probe's own verdict; anything else (a crash, a usage error) is no refusal.
    if [ "$status" -ne 1 ]; then
        echo "engine-probe exited with $status for a missing file; expected 1"
        exit 1
    fi
    ;;
*)
    echo "probe_samples.sh: unknown mode $3"
    exit 2
    ;;
esac
