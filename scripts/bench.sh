#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a display and prefix of their
# own and prints one table. Timings are medians, each set against a baseline
# taken in the same run; nothing here is a test and no timing fails it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

bash scripts/setup.sh
cmake --preset windows -B build/bench >/dev/null
cmake --build build/bench --target tinctora tinctora_bench bench_popup win_helper

export TINCTORA_WINEPREFIX=$root/build/bench-prefix
rows=$(mktemp)
trap 'scripts/wine-session.sh stop; rm -f "$rows"' EXIT
scripts/wine-session.sh start build/bench/tests/win_helper.exe
for mode in drag startup memory paste menu; do
    echo "Running the $mode benchmark ..." >&2
    scripts/wine-run.sh build/bench/bench/tinctora_bench.exe "$mode" | tr -d '\r' |
        grep '^row|' | cut -d'|' -f2- >>"$rows"
done

# Footprint: the exe with its skin and icons against the empty popup built
# the same way, and the DLLs it imports, which must all come with Windows.
exe=build/bench/tinctora.exe popup=build/bench/bench/bench_popup.exe
size=$(stat -c %s "$exe") popup_size=$(stat -c %s "$popup")
awk -v s="$size" -v p="$popup_size" 'BEGIN {
    printf "tinctora.exe size|%.1f KB|%.1f KB|%.2f|<= 384 KB|%s\n",
        s / 1024, p / 1024, s / p, s <= 393216 ? "yes" : "no" }' >>"$rows"
# What each language's texts cost the exe: its resource, UTF-8.
for texts in build/bench/res/*.bin; do
    echo "texts of $(basename "$texts" .bin)|$(stat -c %s "$texts") bytes|-|-|-|-" >>"$rows"
done
imports() {
    x86_64-w64-mingw32-objdump -p "$1" |
        awk '/DLL Name:/ { sub(/\.dll$/, "", $3); printf "%s%s", n++ ? " " : "", $3 }'
}
system_dlls=" KERNEL32 USER32 GDI32 ADVAPI32 msvcrt "
met=yes
for dll in $(imports "$exe"); do
    [[ "$system_dlls" == *" $dll "* ]] || met=no
done
echo "imported DLLs|$(imports "$exe")|$(imports "$popup")|-|system DLLs only|$met" >>"$rows"

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo
echo "Benchmarks of $(date -u '+%Y-%m-%d %H:%M UTC') on $cpu, $(nproc) cores, $(/usr/lib/wine/wine64 --version)"
echo "(medians; baselines as in README.md, section Benchmarks)"
echo
echo "| benchmark | ours | baseline | ratio | target | met |"
echo "|---|---|---|---|---|---|"
awk -F'|' '{ printf "| %s | %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5, $6 }' "$rows"
