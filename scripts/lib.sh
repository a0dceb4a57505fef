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
