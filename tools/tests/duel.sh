# Sourced by the scripted contests: clicks and pictures for two clients that meet in a hall.
# Needs BIN, PORT (the entry server), WORK and SHOTS.

# Clicks count from the first showing of a scene (sID+SECONDS), so a slow machine stays in step.
# From the main menu (2) to a hall: close the notice and the event boxes, open the contest hall
# (21), pick a hall.
to_hall() { echo "--tap 678,478@s2+1.2 --tap 678,478@s2+2.7 --tap 678,478@s2+4 --tap 275,290@s2+5.5 --tap $1@s21+2"; }
# Clicks every 2 s once contest play (22) shows, on the player's column X: its option of the
# four-option screen, of the two-option screen, then the option the one-at-a-time screen shows
# first. Each lands on the question on screen, or on a gap, its mark or the cover once it is
# answered, which take it harmlessly.
answers() {
    local t out=""
    for t in $(seq 2 2 40); do out="$out --tap $1,390@s22+$t --tap $1,320@s22+$t.3 --tap 480,320@s22+$t.6"; done
    echo "$out"
}
shots() { local t out=""; for t in "${@:2}"; do out="$out --screenshot $SHOTS/$1-${t//+/-}.png --screenshot-at $t"; done; echo "$out"; }
# Each client ends 46 s into its contest, or after three minutes whatever happens.
play() {
    timeout 180 "$BIN/brindle" --entry "127.0.0.1:$PORT" --user-dir "$WORK/$1" "${@:3}" --quit-after s22+46 \
        >"$WORK/$2.log" 2>&1
}
result_line() { sed -n 's/.*contest result: //p' "$WORK/$1.log" | tail -n 1; }
