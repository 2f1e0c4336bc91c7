# Helpers for scripts that run programs on a real X server: sourced, not run.

# Xvfb's screen: 1280x1024, 24-bit colour (xvfb-run's default is 8-bit), 96 DPI;
# -noreset keeps the server up between clients, which the scripts start one
# after another.
xvfb_server_args="-screen 0 1280x1024x24 -dpi 96 -noreset"

# Waits until a window titled $1 is mapped and viewable, then prints its id.
# Gives up after about 20 s.
wait_for_window() {
    local title=$1 info
    for _ in $(seq 2000); do
        info=$(xwininfo -name "$title" 2>/dev/null || true)
        if grep -q 'IsViewable' <<<"$info"; then
            awk '/Window id:/ {print $4}' <<<"$info"
            return 0
        fi
        sleep 0.01
    done
    echo "no window \"$title\" appeared" >&2
    return 1
}
