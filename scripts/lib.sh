# Sourced by the other scripts: paths, privilege and quiet-step helpers.
ORVELLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=$ORVELLE_ROOT/build
DEPS_DIR=$BUILD_DIR/deps
NATIVE_DIR=$BUILD_DIR/native
WIN_DIR=$BUILD_DIR/win
LOG_DIR=$BUILD_DIR/logs
export WINEPREFIX=$BUILD_DIR/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

say() { printf '[orvelle] %s\n' "$*"; }

# Runs a noisy step with its output kept in a log file, shown only when it fails.
quietly() {
  local name=$1
  shift
  mkdir -p "$LOG_DIR"
  if ! "$@" >"$LOG_DIR/$name.log" 2>&1; then
    tail -n 60 "$LOG_DIR/$name.log" >&2
    say "$name failed; the whole log is $LOG_DIR/$name.log" >&2
    return 1
  fi
}

# Configures one of the two builds, native or win; extra arguments go to CMake.
configure_build() {
  local kind=$1
  shift
  if [ "$kind" = win ]; then
    quietly configure-win cmake -S "$ORVELLE_ROOT" -B "$WIN_DIR" \
      -DCMAKE_TOOLCHAIN_FILE="$ORVELLE_ROOT/cmake/mingw-w64.cmake" "$@"
  else
    quietly configure-native cmake -S "$ORVELLE_ROOT" -B "$NATIVE_DIR" "$@"
  fi
}

# Builds a configured build folder; extra arguments go to cmake --build (a --target, say).
run_build() {
  local dir=$1
  shift
  cmake --build "$dir" -j "$(nproc)" "$@" -- --no-print-directory
}

# Starts a private Xvfb on a free display and exports DISPLAY; stop_xvfb ends it.
XVFB_PID=
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  say "could not start Xvfb" >&2
  return 1
}
stop_xvfb() {
  [ -n "$XVFB_PID" ] || return 0
  # Let Wine's processes let go of the display first, so none of them dies on a lost connection.
  timeout 15 wineserver -w 2>/dev/null || true
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}
