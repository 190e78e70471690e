# Helpers of the benchmark scripts; they expect $rar1 and $work.

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

ratio() { awk -v m="$1" -v f="$2" 'BEGIN { printf "%.2f", (f > 0 ? m / f : 0) }'; }

# Wall seconds of the command run by `timed` (to the millisecond: the short runs take a few
# hundredths of a second, which `time` gives only to the hundredth), then the figures `time` wrote.
timed() {
  local start=$EPOCHREALTIME
  /usr/bin/time -f "$1" -o "$work/time.txt" "${@:2}" > /dev/null 2>&1 || true
  awk -v s="$start" -v e="$EPOCHREALTIME" 'END { printf "%.3f %s\n", e - s, $0 }' "$work/time.txt"
}

# Seconds and peak kilobytes of one command, as "seconds kilobytes".
measure() { timed "%M" "$@"; }

# Wall seconds, CPU seconds (user and system) and peak kilobytes of one command, as "seconds cpu kilobytes":
# on a loaded machine the CPU time is the steadier figure.
measure_cpu() { timed "%U %S %M" "$@" | awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }'; }

# The demo company of this many employees, built once and kept.
company() {
  local size=$1 file="$work/company-$1.db"
  if [ ! -f "$file" ]; then
    "$rar1" --db "$file.tmp" init-demo --employees "$size" > /dev/null 2>&1
    mv "$file.tmp" "$file"
  fi
  echo "$file"
}

# Banks whose records hold fewer digits than the demo's fourteen refuse its accounts (never cut
# them), and bank 18 takes only accounts of eleven digits (those that have its check code): their
# company is a copy of the demo company whose fourteen-digit accounts lose their three-digit bank code.
company_for() {
  local bank=$1 size=$2 file
  file=$(company "$size")
  if [[ " 3 5 6 7 8 11 12 14 15 17 18 19 20 22 25 26 28 " == *" $bank "* ]]; then
    local fixed="$work/company-$size-accounts11.db"
    if [ ! -f "$fixed" ]; then
      cp "$file" "$fixed.tmp"
      sqlite3 "$fixed.tmp" "UPDATE MF_YG SET BACC1_NO = substr(BACC1_NO, 4) WHERE length(BACC1_NO) = 14;
                            UPDATE MF_YG SET BACC2_NO = substr(BACC2_NO, 4) WHERE length(BACC2_NO) = 14;"
      mv "$fixed.tmp" "$fixed"
    fi
    file=$fixed
  fi
  echo "$file"
}

# From the statements a transfer ran, the selection: those that fill and read the temporary table.
selection_statements() {
  awk 'BEGIN { RS = ";\n" } /TF_FS1/ && !/^[[:space:]]*(Drop|DROP)/ { print $0 ";" }' "$1"
}

pages_text() { pdftotext -layout "$1" - 2> /dev/null || true; }
pdf_pages() { pdfinfo "$1" 2> /dev/null | awk '/^Pages:/ { print $2 }'; }
