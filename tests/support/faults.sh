#!/usr/bin/env bash
# Stages the faults that a test cannot make from inside Wine, in DIR:
#   full/        a tiny tmpfs, filled, holding ipaddress\full_1_1_1_1.bat
#                (only where the host lets this user mount one)
#   unreadable/  ipaddress\unreadable.bat, a file that opens but whose every
#                read fails (a link to /proc/self/mem)
#   faults.sh setup|cleanup DIR
set -u
dir=$2
case $1 in
setup)
    "$0" cleanup "$dir"
    mkdir -p "$dir/unreadable/ipaddress" "$dir/full"
    ln -s /proc/self/mem "$dir/unreadable/ipaddress/unreadable.bat"
    if mount -t tmpfs -o size=64k tmpfs "$dir/full" 2>/dev/null; then
        mkdir "$dir/full/ipaddress"
        printf 'netsh interface ip set address "full" static 1.1.1.1 255.0.0.0\r\n' \
            > "$dir/full/ipaddress/full_1_1_1_1.bat"
        dd if=/dev/zero of="$dir/full/filler" bs=1k 2>/dev/null
    fi
    exit 0 ;;
cleanup)
    if mountpoint -q "$dir/full" 2>/dev/null; then
        umount "$dir/full"
    fi
    rm -rf "$dir" ;;
esac
