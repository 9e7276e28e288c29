#!/bin/sh
# Preparations of the tool tests that need root; exit status 77 skips the test.
#   setup.sh root          only as root
#   setup.sh mount DIR     a 64 KiB tmpfs at DIR
#   setup.sh fill DIR      fills the file system of DIR (file DIR/filler)
#   setup.sh umount DIR
case "$1" in
    root)
        [ "$(id -u)" = 0 ] || { echo "needs root"; exit 77; } ;;
    mount)
        [ "$(id -u)" = 0 ] || { echo "needs root"; exit 77; }
        mkdir -p "$2" && mount -t tmpfs -o size=64k tmpfs "$2" || { echo "cannot mount a tmpfs"; exit 77; } ;;
    fill)
        dd if=/dev/zero of="$2/filler" bs=4096 2>/dev/null || true ;;
    umount)
        umount "$2" 2>/dev/null || true ;;
esac
