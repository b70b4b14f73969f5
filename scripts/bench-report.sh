#!/usr/bin/env bash
# Turns the "bench NAME VALUE UNIT" lines of a run into report.md (one table, with the targets) and
# rightclick-scaling.png (right-click time against the number of items, log-log), both in FOLDER.
set -euo pipefail
figures=$1
folder=$2

targets='warm_ms<=10 cold_ms<=25 ratio_warm_floor<=1.5 ratio_shipped_minimal<=2 ratio_10k_1k<=11 ratio_100k_10k<=11
ratio_handoff_write<=3 ratio_peak_document<=4'
machine="$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(wine --version 2>/dev/null)"

{
  echo "# Right-click benchmark"
  echo
  echo "Machine: $machine. Medians; ratios of figures measured in the same run."
  echo
  echo "| figure | value | unit | target |"
  echo "|---|---:|---|---|"
  awk -v targets="$targets" '
    BEGIN { n = split(targets, list, /[ \n]+/); for (i = 1; i <= n; i++) { split(list[i], t, "<="); limit[t[1]] = t[2] } }
    $1 == "bench" {
      target = ""
      if ($2 in limit) target = "<= " limit[$2] (($3 + 0 <= limit[$2] + 0) ? " (met)" : " (missed)")
      printf "| %s | %s | %s | %s |\n", $2, $3, $4, target
    }' "$figures"
} >"$folder/report.md"

awk '$1 == "bench" && $2 ~ /^items_[0-9]+_ms$/ { n = $2; gsub(/[^0-9]/, "", n); print n, $3 }' "$figures" \
  | sort -n >"$folder/scaling.dat"
gnuplot <<GNUPLOT
set terminal pngcairo size 720,480 font "DejaVu Sans,10" noenhanced
set output "$folder/rightclick-scaling.png"
set title "Right-click (Initialize + QueryContextMenu) under Wine\n$machine"
set logscale xy
set xlabel "items selected"
set ylabel "time (ms)"
set grid
set key top left
set xrange [0.5:200000]
first = system("awk '\$1 == 1000 { print \$2 }' $folder/scaling.dat") + 0
plot "$folder/scaling.dat" using 1:2 with linespoints pointtype 7 title "measured (median)", \
     [1000:100000] first * x / 1000 with lines dashtype 2 title "linear from 1,000 items"
GNUPLOT
echo "bench: report in $folder/report.md, picture in $folder/rightclick-scaling.png"
