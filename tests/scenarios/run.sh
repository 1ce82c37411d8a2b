#!/usr/bin/env bash
# Runs one scenario script in a fresh data folder and compares the transcript.
#   run.sh DRIVER NAME.script
# Beside NAME.script: NAME.expected (the transcript), optionally NAME.setup.sh
# (run in the data folder first: fixtures) and NAME.after.sh (run in the data
# folder afterwards; its output is part of the transcript, e.g. table dumps).
# Paths in the data folder are written from DATA in the transcript.
# UPDATE_EXPECTED=1 writes the transcript as the new NAME.expected.
set -uo pipefail
driver=$(realpath "$1")
script=$(realpath "$2")
base=${script%.script}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$work/data
mkdir "$data"
export KASAVEL_SCENARIO_DIR=$(dirname "$script")
# Beside the driver: kasavel-write-dbf, for fixtures in dBase tables.
export KASAVEL_BUILD_DIR=$(dirname "$driver")

if [ -f "$base.setup.sh" ]; then
  (cd "$data" && bash "$base.setup.sh") || { echo "setup failed"; exit 1; }
fi
actual="$work/transcript"
"$driver" --today 2026-12-10 --data "$data" "$script" > "$work/said" 2> "$work/stderr"
# The data folder is new each run: paths in it are written from DATA.
sed "s|$data|DATA|g" "$work/said" > "$actual"
if [ -f "$base.after.sh" ]; then
  (cd "$data" && bash "$base.after.sh") >> "$actual" 2>&1
fi
if [ "${UPDATE_EXPECTED:-}" = 1 ]; then
  cp "$actual" "$base.expected"
  exit 0
fi
if ! diff -u "$base.expected" "$actual"; then
  grep -v -e XDG_RUNTIME_DIR -e '^QStandardPaths' "$work/stderr" >&2
  exit 1
fi
