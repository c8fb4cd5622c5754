# Sourced by the tests that run the real program from the outside: a work
# folder removed at the end (KEEP=1 keeps it) with the programs started in
# it killed, a failure count, and a copy of the program's folder with a home
# of its own. Needs $vantor and $artifacts; $1 names the work folder.
work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-$1-XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

program=$work/program
mkdir -p "$program" "$work/home" "$artifacts"
cp "$vantor" "$program/Vantor"
cp -r "$(dirname "$vantor")/XML" "$(dirname "$vantor")/Scripts" "$program/"
export HOME=$work/home NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory GDK_BACKEND=x11
