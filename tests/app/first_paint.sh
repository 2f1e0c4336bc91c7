# Sourced by the tests that open the window: paints_window SCRATCH COMMAND...
# runs the command with the first-paint probe INVOLUTE_FIRST_PAINT_PROBE names
# (tools/first_paint_probe.cpp) preloaded and INVOLUTE_FIRST_PAINT_MARK set,
# waits up to 20 s for the window's first paint, ends the program and returns
# 0 when it painted; else 1, with what the program wrote in $window_output.
paints_window() {
    local scratch=$1
    shift
    local mark=$scratch/painted waited pid painted=1
    rm -f "$mark"
    LD_PRELOAD=$INVOLUTE_FIRST_PAINT_PROBE INVOLUTE_FIRST_PAINT_MARK="$mark" "$@" \
        >"$scratch/window-output" 2>&1 &
    pid=$!
    for ((waited = 0; waited < 200; waited++)); do
        [[ -s "$mark" ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [[ -s "$mark" ]] && painted=0
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    window_output=$(cat "$scratch/window-output")
    return $painted
}
