#!/bin/sh
# The built program's `palette` sub-command end to end: a copy of the program in a fresh folder
# keeps its own custom colours file there, so the test touches nothing else.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/pelmora"
printf 'GIMP Palette\nName: t\n255 0 0\tred\n  0 0 255\n' > "$dir/in.gpl"
printf 'GIMP Palette\n255 0 0\n1 2 x\n' > "$dir/bad.gpl"

"$dir/pelmora" palette import --cell 223 "$dir/in.gpl"; echo "status $?"
"$dir/pelmora" palette export --format hex --set-only; echo "status $?"
cp "$dir/usercolors.cps" "$dir/before.cps"
message=$("$dir/pelmora" palette import "$dir/bad.gpl" 2>&1); status=$?
echo "$message" | sed "s|$dir/||"; echo "status $status"
cmp -s "$dir/before.cps" "$dir/usercolors.cps" && echo "colours file unchanged"
"$dir/pelmora" palette export "$dir/out.gpl"; echo "status $?"
head -n 1 "$dir/out.gpl"
"$dir/pelmora" palette export --format nope 2>&1; echo "status $?"
