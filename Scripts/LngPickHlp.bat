#!/bin/sh
# Monitor help: opens the help page shipped in Help/ beside the program with
# the desktop's opener, in the monitor's language (VANTOR_LANGUAGE, set by
# the monitor), else the user's locale, else English. Does not wait.
scripts=$(cd "$(dirname "$0")" && pwd)
help=$(dirname "$scripts")/Help
language=${VANTOR_LANGUAGE:-${LC_ALL:-${LC_MESSAGES:-${LANG:-en}}}}
language=$(printf '%s' "$language" | cut -c1-2)
page=$help/Vantor_$language.html
[ -f "$page" ] || page=$help/Vantor_en.html
xdg-open "$page" >/dev/null 2>&1 &
