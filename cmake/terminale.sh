#!/usr/bin/env bash
# Runs a command with a terminal of its own on standard input, its output and
# status passed on as they are. Wine gives a console, and with it Ctrl-C,
# only to a program started on a terminal; ctest starts tests on pipes.
# `script` (util-linux, on every Debian) makes the terminal.
set -u
uscita=$(mktemp)
trap 'rm -f "$uscita"' EXIT
comando=$(printf '%q ' "$@")
script -qec "$comando >$(printf '%q' "$uscita") 2>&1" /dev/null </dev/null >/dev/null
stato=$?
cat "$uscita"
exit "$stato"
