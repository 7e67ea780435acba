#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without a word (a hint is a
# word: two main categories put the program twice into the menu) and names
# the program in Russian too.
#
#   DesktopEntryTest.sh <desktop entry>
set -euo pipefail
entry=$1
if ! command -v desktop-file-validate >/dev/null; then
  echo "desktop-file-validate is missing (desktop-file-utils)"
  exit 77
fi
said=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$said" ] || { echo "$said"; exit 1; }
for key in Name Comment; do
  grep -q "^$key\[ru\]=." "$entry" || { echo "no $key[ru]"; exit 1; }
done
