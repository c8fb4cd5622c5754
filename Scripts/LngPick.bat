#!/bin/sh
# Instrument user manuals: opens this folder with the desktop's opener.
# Replace it with a script that opens the manuals in the user's language.
xdg-open "$(dirname "$0")" >/dev/null 2>&1 &
