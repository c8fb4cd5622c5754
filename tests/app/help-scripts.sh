#!/usr/bin/env bash
# The two help scripts as the monitor starts them, with a stand-in xdg-open
# on PATH that writes down what it was asked to open: each asks for a page
# or folder that exists beside the program.
#   help-scripts.sh PROGRAM_FOLDER
set -uo pipefail
shipped=$1

work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-help-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A copy of the program's folder, so the manuals folder can go missing.
program=$work/program
mkdir -p "$program" "$work/bin"
cp -r "$shipped/Scripts" "$shipped/Help" "$shipped/Manuals" "$program/"
cat >"$work/bin/xdg-open" <<STAND_IN
#!/bin/sh
printf '%s\n' "\$1" >>"$work/asked"
STAND_IN
chmod +x "$work/bin/xdg-open"

# Runs the script as the monitor does (by /bin/sh, no arguments, not waited
# for: the stand-in runs in the background) and prints what was asked.
asked_by() {
  local script=$1
  shift
  rm -f "$work/asked"
  env "$@" PATH="$work/bin:$PATH" /bin/sh "$program/Scripts/$script"
  for _ in $(seq 50); do
    [ -s "$work/asked" ] && break
    sleep 0.1
  done
  cat "$work/asked" 2>/dev/null
}

# Help page: script, environment, the page it must ask for.
while read -r language locale page; do
  [ "$language" = - ] && language=
  got=$(asked_by LngPickHlp.bat VANTOR_LANGUAGE="$language" LC_ALL= LC_MESSAGES= LANG="$locale")
  [ "$got" = "$program/Help/$page" ] || fail "help with language '$language' and locale '$locale' asked for '$got', not Help/$page"
  [ -f "$got" ] || fail "help asked for '$got', which does not exist"
done <<'CASES'
en C Vantor_en.html
it C Vantor_it.html
- it_IT.UTF-8 Vantor_it.html
- C Vantor_en.html
de de_DE.UTF-8 Vantor_en.html
CASES
# "-" stands for a monitor that did not say its language.

# Each shipped page names the topics the user looks for.
for page in "$program"/Help/Vantor_*.html; do
  for topic in tools/demo.sh alarm.bat .qzis QZ_Error_Log_W.txt QZ_Activity_Log_W.txt Manuals Ctrl+O; do
    grep -qF "$topic" "$page" || fail "$(basename "$page") does not mention $topic"
  done
done

# Manuals: the shipped folder, and a missing one is made with its note.
got=$(asked_by LngPick.bat)
[ "$got" = "$program/Manuals" ] || fail "manuals asked for '$got', not the Manuals folder"
[ -f "$program/Manuals/README.txt" ] || fail "the shipped Manuals folder has no note"
rm -rf "$program/Manuals"
got=$(asked_by LngPick.bat)
[ "$got" = "$program/Manuals" ] && [ -d "$got" ] || fail "a missing Manuals folder was not made and opened: '$got'"
[ -s "$program/Manuals/README.txt" ] || fail "the Manuals folder made by the script has no note"

# Both return at once: a slow opener does not hold the monitor's start.
printf '#!/bin/sh\nsleep 5\n' >"$work/bin/xdg-open"
start=$(date +%s%N)
PATH="$work/bin:$PATH" /bin/sh "$program/Scripts/LngPickHlp.bat"
PATH="$work/bin:$PATH" /bin/sh "$program/Scripts/LngPick.bat"
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 2000 ] || fail "the scripts waited for the opener ($elapsed ms)"

[ "$failures" -eq 0 ] || exit 1
echo "all rows hold"
