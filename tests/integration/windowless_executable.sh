#!/usr/bin/env bash
# The executable runs the windowless subcommands without Qt Widgets and Qt
# Print Support, loads the program module for everything else, and says so
# plainly when the module is missing.
#   windowless_executable.sh UMBRAFEX
set -euo pipefail
exe=$1
fail() { echo "windowless_executable: $*" >&2; exit 1; }

needed=$(readelf -d "$exe" | grep NEEDED || true)
if grep -E "Qt6(Widgets|PrintSupport)" <<<"$needed"; then
  fail "the executable itself loads the windows' libraries"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
"$exe" lines >"$work/lines.txt" || fail "lines failed"
"$exe" --version | grep -q "Umbrafex" || fail "--version did not reach the program module"
"$exe" print --help | grep -q "usage: umbrafex print" || fail "print --help did not reach the module"

# Alone, without its module: the windowless subcommands still run.
cp "$exe" "$work/umbrafex"
"$work/umbrafex" lines >/dev/null || fail "lines needed the module"
status=0
"$work/umbrafex" --version >"$work/out" 2>"$work/err" || status=$?
[[ $status -eq 1 ]] || fail "a missing module gave status $status"
grep -q "umbrafex-program.so" "$work/err" || fail "a missing module was not named: $(cat "$work/err")"
