#!/bin/sh
# Writes a deck of N problems, not staged (stage count 0), each a copy of the one problem of
# DECK, to OUT:  many_problems.sh DECK N OUT
sed -e '2s/ 12 1 0 0/ 12 0 0 0/' -e '$d' "$1" > "$3.one"
: > "$3"
i=1
while [ "$i" -lt "$2" ]; do
    cat "$3.one" >> "$3" && echo 2 >> "$3"
    i=$((i + 1))
done
cat "$3.one" >> "$3" && echo 0 >> "$3"
rm -f "$3.one"
