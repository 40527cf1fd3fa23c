# Sourced by the scripts that need an X server of their own. xserver_start DIR starts Xvfb on a
# free display (Xvfb picks it and writes its number once it accepts connections) and sets
# xserver_pid and xserver_display; stop_pid ends a process by its pid. The server must not reset
# when its last client leaves, or the next client finds no server for a moment; a white desktop
# shows any stray dark window.
xserver_pid=""
xserver_display=""
xserver_start() {
    command -v Xvfb >/dev/null || return 1
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset -wr \
        3>"$1/display" >"$1/xvfb.log" 2>&1 &
    xserver_pid=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    if [ -s "$1/display" ]; then
        xserver_display=":$(head -n 1 "$1/display")"
        return 0
    fi
    tail -n 20 "$1/xvfb.log" || true
    return 1
}
stop_pid() {
    kill "$1" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -9 "$1" 2>/dev/null || true
}
