#!/bin/sh
# Instrument user manuals: opens the folder Manuals/ beside the program, where
# a site keeps the manuals of its instruments, with the desktop's opener.
# A missing folder is made first, with a note that says what it is for.
scripts=$(cd "$(dirname "$0")" && pwd)
manuals=$(dirname "$scripts")/Manuals
if [ ! -d "$manuals" ]; then
  mkdir -p "$manuals" &&
    printf '%s\n' "Put the manuals of your site's instruments in this folder." >"$manuals/README.txt"
fi
xdg-open "$manuals" >/dev/null 2>&1 &
