#!/usr/bin/env bash
# umbrafex print on a cups-pdf queue (run through scripts/with-test-printer):
# a one-page A4 job, a two-page job and an A3 job arrive as PDFs of the
# paper's size with the dial's texts on them.
#   print_on_cups.sh UMBRAFEX
set -euo pipefail
umbrafex="$1"
# The default design: Akashi, as on a computer whose zone names no city.
export TZ=UTC
queue="$UMBRAFEX_TEST_PRINTER"
out="$UMBRAFEX_TEST_PRINTER_OUT"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Prints, then waits for the one new PDF and echoes its path.
print_job() {
  rm -f "$out"/*.pdf
  "$umbrafex" print --printer "$queue" "$@" 2>/dev/null || { fail "umbrafex print $* failed"; return 1; }
  for _ in $(seq 1 300); do
    local pdf
    pdf="$(find "$out" -name '*.pdf' -size +0 -print -quit)"
    # cups-pdf writes the file in place; wait until its size settles.
    if [ -n "$pdf" ]; then
      sleep 0.5
      echo "$pdf"
      return 0
    fi
    sleep 0.2
  done
  fail "no PDF arrived for: $*"
  return 1
}

# check_pdf PDF PAGES WIDTH_MM HEIGHT_MM TEXT...
check_pdf() {
  local pdf="$1" pages="$2" width="$3" height="$4"
  shift 4
  local info size
  info="$(pdfinfo "$pdf")"
  [ "$(awk '/^Pages:/ {print $2}' <<<"$info")" = "$pages" ] || fail "$pdf: not $pages pages"
  size="$(awk '/^Page size:/ {printf "%d %d", $3 * 25.4 / 72 + 0.5, $5 * 25.4 / 72 + 0.5}' <<<"$info")"
  # JIS and ISO sizes differ by more than 1 mm; PostScript points round.
  read -r w h <<<"$size"
  if [ $((w - width)) -lt -1 ] || [ $((w - width)) -gt 1 ] || [ $((h - height)) -lt -1 ] ||
    [ $((h - height)) -gt 1 ]; then
    fail "$pdf: page is ${w}x${h} mm, not ${width}x${height}"
  fi
  local text
  text="$(pdftotext "$pdf" -)"
  for wanted in "$@"; do
    grep -qF -- "$wanted" <<<"$text" || fail "$pdf: text '$wanted' missing"
  done
}

if pdf="$(print_job --paper A4 --pages 1)"; then
  check_pdf "$pdf" 1 210 297 "Umbrafex" "地域 : 兵庫県明石市" "12:00"
fi
if pdf="$(print_job --paper A4 --pages 2)"; then
  check_pdf "$pdf" 2 210 297 "地域 : 兵庫県明石市" "12:00"
fi
if pdf="$(print_job --paper A3 --orientation portrait)"; then
  check_pdf "$pdf" 1 297 420 "Umbrafex"
fi

[ "$failures" -eq 0 ] || exit 1
echo "cups-pdf received the three jobs as expected"
