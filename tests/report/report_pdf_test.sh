#!/usr/bin/env bash
# The PDF report end to end: fourbar --report for each kind of linkage with no display at all, read
# back with poppler (pages, embedded fonts, the text a reader copies) and one plot page rendered to
# check its curves; then the exit statuses and messages of the refusals.
# Usage: report_pdf_test.sh <fourbar binary> <fourbar-report binary>
set -euo pipefail
fourbar="$1"
tool="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The program as a script runs it: no display and no platform chosen.
headless() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$fourbar" --report "$@"
}

# The seven captions of the output panel, as it shows them.
captions=("机构名称" "最大摆角（度）" "最小传动角（度）" "行程速比系数K" "最大角位移（度）"
          "最大角速度（1/s)" "最大角加速度(1/ s2)")

# A listing line's fields as a pattern that matches them in order, blanks between.
row_pattern() {
    local pattern="" field
    for field in $1; do
        field="${field//./\\.}"
        pattern="${pattern:+$pattern +}$field"
    done
    echo "(^| )$pattern( |$)"
}

check_report() {
    local label="$1"
    shift
    local pdf="$work/$label.pdf" text="$work/$label.txt"
    headless "$pdf" "$@" 2>"$work/stderr" || fail "$label: exit status $?"
    [ ! -s "$work/stderr" ] || fail "$label: standard error: $(cat "$work/stderr")"

    local pages
    pages="$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')"
    [ "$pages" -ge 5 ] && [ "$pages" -le 15 ] || fail "$label: $pages pages"
    grep -q "A4" <(pdfinfo "$pdf") || fail "$label: not A4"

    # Every font embedded, and none whose ideographs read back as radicals.
    pdffonts "$pdf" | tail -n +3 >"$work/fonts"
    [ -s "$work/fonts" ] || fail "$label: no fonts"
    awk '$(NF-4) != "yes" {exit 1}' "$work/fonts" || fail "$label: a font not embedded"
    ! grep -qi "noto" "$work/fonts" || fail "$label: Noto font used"

    pdftotext -layout "$pdf" "$text"
    perl -CSD -ne 'if (/[\x{2E80}-\x{2FDF}]/) { print; exit 1 }' "$text" \
        || fail "$label: a radical in place of an ideograph"
    grep -q "角速度" "$text" || fail "$label: search for 角速度 finds nothing"

    # The kind's name and each panel caption and value, as the report tool gives them.
    local caption box value
    for caption in "${captions[@]}"; do
        grep -qF -- "$caption" "$text" || fail "$label: caption $caption missing"
    done
    while IFS=$'\t' read -r box value; do
        value="${value# }"
        [ -z "$value" ] || grep -qF -- "$value" "$text" || fail "$label: $box value '$value' missing"
    done < <("$tool" "$@")

    # The first and last rows of the table, as the data listing shows them.
    "$tool" --listing=:360:1 "$@" | tail -n +3 >"$work/listing"
    for row in "$(head -n 1 "$work/listing")" "$(tail -n 1 "$work/listing")"; do
        grep -qE -- "$(row_pattern "$row")" "$text" || fail "$label: table row '$row' missing"
    done

    # Page numbers on every page; the table's headings on every page of the table.
    local page in_table=0 plot_page=0
    rm -f "$work"/page-*.txt
    awk -v RS='\f' -v dir="$work" 'NR > 0 {print > (dir "/page-" NR ".txt")}' "$text"
    for ((page = 1; page <= pages; page++)); do
        local this="$work/page-$page.txt"
        grep -qE "第 *$page *页 */ *共 *$pages *页" "$this" || fail "$label: page $page unnumbered"
        grep -q "六、运动参数表" "$this" && in_table=1
        if [ "$in_table" = 1 ]; then
            grep -q "L3杆角加速" "$this" || fail "$label: page $page without headings"
        fi
        if [ "$plot_page" = 0 ] && grep -q "图2" "$this"; then
            plot_page="$page"
        fi
    done
    [ "$in_table" = 1 ] || fail "$label: no table"
    [ "$plot_page" != 0 ] || fail "$label: no plots"

    # The curves are the only coloured ink: count strongly coloured pixels on the plots' page.
    pdftoppm -r 72 -png -f "$plot_page" -l "$plot_page" -singlefile "$pdf" "$work/plots"
    local coloured
    coloured="$(convert "$work/plots.png" -colorspace HSL -channel G -separate +channel \
        -threshold 40% -format '%[fx:int(mean*w*h)]' info:)"
    [ "$coloured" -gt 1500 ] || fail "$label: plots nearly blank ($coloured coloured pixels)"
    echo "$label: $pages pages, $(stat -c %s "$pdf") bytes, $coloured coloured pixels on page $plot_page"
}

check_report crankRocker 150 220 250 300 100 -1
check_report rockerCrank 250 220 150 300 100 -1
check_report doubleCrank 220 250 300 150 100 -1
check_report doubleRocker1 300 150 220 250 100 -1
check_report doubleRocker2 220 150 300 100 100 -1
check_report doubleRocker3 300 150 220 100 100 -1
check_report doubleRocker4 150 300 100 220 100 -1
check_report otherAssembly 37.3 91.7 80.2 101.9 -45 1

# Refusals: exit status 1 and the program's message alone; wrong usage 2; no file left behind.
expect() {
    local status="$1" message="$2"
    shift 2
    local actual=0
    headless "$@" >"$work/stdout" 2>"$work/stderr" || actual=$?
    [ "$actual" = "$status" ] || fail "$* exited $actual, not $status"
    [ ! -s "$work/stdout" ] || fail "$* wrote to standard output"
    grep -qF -- "$message" "$work/stderr" || fail "$* said: $(cat "$work/stderr")"
}
expect 1 "杆长设计不当,请重新输入" "$work/refused.pdf" 100 100 100 300 100 -1
[ "$(cat "$work/stderr")" = "杆长设计不当,请重新输入" ] || fail "closure message not alone"
expect 1 "杆长设计不当,请重新输入" "$work/refused.pdf" 150 0 250 300 100 -1
expect 1 "装配型式M应为1或-1,请重新输入" "$work/refused.pdf" 150 220 250 300 100 0
expect 1 "杆长设置不当,请重新输入!" "$work/refused.pdf" 1e400 220 250 300 100 -1
expect 2 "用法" "$work/refused.pdf" 150 220 250 300 100
expect 2 "用法" "$work/refused.pdf" 150 220 250 300 100 -1 7
expect 2 "“15O”不是数" "$work/refused.pdf" 15O 220 250 300 100 -1
expect 2 "“1.2.3”不是数" "$work/refused.pdf" 1.2.3 220 250 300 100 -1
expect 2 "“+-1”不是数" "$work/refused.pdf" 150 220 250 300 100 +-1
[ ! -e "$work/refused.pdf" ] || fail "a refused report left a file"
# --help and --version answer on standard output alone, without a window or a display.
for option in --help --version; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$fourbar" "$option" >"$work/stdout" \
        2>"$work/stderr" || fail "$option failed"
    [ -s "$work/stdout" ] && [ ! -s "$work/stderr" ] || fail "$option: not on standard output alone"
done
grep -qE '^fourbar [0-9]+\.[0-9]+$' "$work/stdout" || fail "--version said: $(cat "$work/stdout")"
expect 1 "无法保存文件" "$work/missing/report.pdf" 150 220 250 300 100 -1
[ ! -e "$work/missing" ] || fail "a failed save left something"
echo "PASS"
