#!/usr/bin/env bash
# The layers' include rules, checked on the sources: only platform/ reaches
# termios, posix_spawn, cairo and GTK (the mail sender, which links nothing of
# the system, starts its submission program itself in one file); foundation/
# and network/ (the window helpers of foundation/gui/ aside) include no wx
# header. Tests may look into GTK's widgets to check what the toolkit laid
# out, never at termios, posix_spawn or cairo.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
os=$(grep -rnE '#include *<(termios\.h|spawn\.h|cairo[^>]*|gtk/[^>]*|gdk/[^>]*)>' \
       --include='*.h' --include='*.cpp' \
       foundation network document app views sender tools tests bench 2>/dev/null \
       | grep -v '^sender/MailSubmission\.cpp:[0-9]*:#include <spawn\.h>' \
       | grep -vE '^tests/[^:]*:[0-9]*:#include *<(gtk|gdk)/' || true)
if [[ -n "$os" ]]; then
  echo "Operating-system headers outside platform/:"; echo "$os"; status=1
fi
wx=$(grep -rnE '#include *<wx/' --include='*.h' --include='*.cpp' foundation network \
       | grep -v '^foundation/gui/' || true)
if [[ -n "$wx" ]]; then
  echo "Window-toolkit headers in foundation/ or network/:"; echo "$wx"; status=1
fi
[[ $status -eq 0 ]] && echo "layer includes: ok"
exit $status
