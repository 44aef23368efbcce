#!/usr/bin/env bash
# Prints data files with "lumo FILE --print-to OUT.pdf" (with no display at all) and reads the
# PDFs back with poppler-utils: the number of sheets, the text on each sheet, and where the
# table lies on it.
set -u
LUMO=$1
DATA=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
source "$(dirname "$0")/checks.sh"

DPI=50
px() { awk "BEGIN { printf \"%d\", ($1) * $DPI / 25.4 }"; }  # px MILLIMETRES

# The box "left right top bottom" around the pixels of a PGM image darker than white, from
# row FIRST down: the label backgrounds and lines of the table when FIRST is below the heading.
table_box() {  # table_box PGM FIRST
  local width height
  read -r width height < <(sed -n 2p "$1")
  tail -c $((width * height)) "$1" | od -An -v -tu1 -w"$width" |
    awk -v first="$2" 'NR > first { for (i = 1; i <= NF; i++) if ($i < 250) {
                          if (!l || i < l) l = i; if (i > r) r = i; if (!t) t = NR; b = NR } }
                        END { print l - 1, r - 1, t - 1, b - 1 }'
}

# print_and_check NAME FILE ORIENTATION SHEETS HEADINGS...
print_and_check() {
  local name=$1 file=$2 orientation=$3 sheets=$4; shift 4
  local pdf="$WORK/$name-$orientation.pdf" flag="" pageWidth=215.9 pageHeight=279.4
  if [ "$orientation" = landscape ]; then flag=--landscape pageWidth=279.4 pageHeight=215.9; fi
  env -u DISPLAY -u WAYLAND_DISPLAY "$LUMO" "$file" --print-to "$pdf" $flag
  check "$name $orientation: printed" test $? -eq 0
  check "$name $orientation: $sheets sheets" \
    test "$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')" = "$sheets"
  local text descriptions missing
  text=$(pdftotext -layout "$pdf" - | tr -s ' ')
  descriptions=$(grep -o -e '<DESC>[^<]*' -e '<DS>[^<]*' "$file" | sed 's/^<[A-Z]*>//' | tr -s ' ')
  missing=$(while read -r d; do grep -qF -- "$d" <<< "$text" || echo "$d"; done <<< "$descriptions")
  check "$name $orientation: every description" test -z "$missing"
  # Letter with 15 mm margins; the table begins 6 mm below the top margin.
  local left right bottom first
  left=$(px 15) right=$(px "$pageWidth - 15") bottom=$(px "$pageHeight - 15") first=$(px 20)
  local minimum=$(( (right - left) * 9 / 10 )) sheet box
  for sheet in $(seq "$sheets"); do
    text=$(pdftotext -f "$sheet" -l "$sheet" "$pdf" -)
    missing=$(for h in "$@"; do grep -qw -- "$h" <<< "$text" || echo "$h"; done)
    check "$name $orientation sheet $sheet: every column heading" test -z "$missing"
    pdftoppm -gray -r $DPI -f "$sheet" -l "$sheet" -singlefile "$pdf" "$WORK/sheet"
    read -r -a box < <(table_box "$WORK/sheet.pgm" "$first")
    check "$name $orientation sheet $sheet: table ${box[*]} spans 90% of $left-$right" \
      test $((box[1] - box[0])) -ge "$minimum" -a "${box[0]}" -ge $((left - 1)) \
           -a "${box[1]}" -le $((right + 1)) -a "${box[3]}" -le $((bottom + 1))
  done
}

ANFM=(Chan Scan Desc Mode RxFreq RxTn RxCd TxFreq TxTn TxCd)
RP25=(Mem Shad Scan Zone Desc Mode RxFreq RxSq RxTn RxCd RxTG RxNAC TxFreq TxSq TxTn TxCd TxTG
      TxNAC TxIDC)
# VR-11, 123 grid rows, a table 660 pixels wide: 36 rows to a portrait sheet, 19 to a
# landscape one. VRD-21, 233 rows, 1100 pixels: 61 and 33 rows.
print_and_check vr11 "$DATA/long-names.lumo" portrait 4 "${ANFM[@]}"
print_and_check vr11 "$DATA/long-names.lumo" landscape 7 "${ANFM[@]}"
# A description wider than its column is printed whole, and so is everything after it.
sed 's|<DS>CH 3</DS>|<DS>WWWWWWWWWWWW</DS>|' "$DATA/twelve-in-zone-one.lumo" > "$WORK/vrd21.lumo"
print_and_check vrd21 "$WORK/vrd21.lumo" portrait 4 "${RP25[@]}"
print_and_check vrd21 "$WORK/vrd21.lumo" landscape 8 "${RP25[@]}"

# Errors: one line on standard error, a non-zero code, and an earlier PDF left as it was.
echo "last night's" > "$WORK/kept.pdf"
printf '<LumoMem><oops>' > "$WORK/broken.lumo"
for args in "$WORK/broken.lumo --print-to $WORK/kept.pdf" \
            "$DATA/long-names.lumo --print-to $WORK/missing/out.pdf" \
            "--print-to $WORK/kept.pdf" "$DATA/long-names.lumo --print-to" "--frob"; do
  env -u DISPLAY "$LUMO" $args 2> "$WORK/err.txt"
  code=$?
  check "fails: $args" test $code -ne 0 -a "$(wc -l < "$WORK/err.txt")" -eq 1
done
check "an earlier PDF is kept" test "$(cat "$WORK/kept.pdf")" = "last night's"
check "--help names the options" grep -q -- "--print-to OUT.pdf \[--landscape\]" \
  <(env -u DISPLAY "$LUMO" --help)

checks_done
