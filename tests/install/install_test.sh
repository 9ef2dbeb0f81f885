#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what lands there and that it works from there.
# Usage: install_test.sh CMAKE BUILD_DIR WITH_UI   (WITH_UI is 1 when the desktop program is built)
# The checks that need desktop-file-validate, xmllint (or python3) and groff run where these exist.
set -euo pipefail
cmake="$1"
build="$2"
with_ui="$3"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Exactly these files: no test program, static library or header may reach a package.
expected=(bin/fourbar-report share/man/man1/fourbar-report.1)
if [ "$with_ui" = 1 ]; then
    expected+=(bin/fourbar share/applications/fourbar.desktop
        share/icons/hicolor/scalable/apps/fourbar.svg)
fi
installed="$(cd "$prefix" && find . -type f -printf '%P\n' | sort)"
wanted="$(printf '%s\n' "${expected[@]}" | sort)"
[ "$installed" = "$wanted" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$installed"))"
for program in "$prefix"/bin/*; do
    [ -x "$program" ] || fail "$program is not executable"
done

# The installed report tool runs on its own, away from the build tree.
report="$prefix/bin/fourbar-report"
first_line="$(cd / && "$report" 150 220 250 300 100 -1 | head -n 1)"
[ "$first_line" = $'机构名称\tB型曲柄摇杆机构' ] || fail "fourbar-report printed: $first_line"

# The manual page: version filled in, every option of the tool's usage text documented, and no
# warning from groff.
page="$prefix/share/man/man1/fourbar-report.1"
! grep -q '@' "$page" || fail "unreplaced @…@ in $page"
usage="$("$report" 2>&1 >/dev/null || true)"
options="$(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | sort -u)"
[ -n "$options" ] || fail "no option in the usage text: $usage"
for option in $options; do
    # The page writes each hyphen of an option as \-.
    grep -qF -- "${option//-/\\-}" "$page" || fail "$option is not in the manual page"
done
for section in SYNOPSIS OPTIONS 'EXIT STATUS' EXAMPLES; do
    grep -q "^\.SH $section\$" "$page" || fail "the manual page has no $section"
done
if command -v groff >/dev/null; then
    warnings="$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)"
    [ -z "$warnings" ] || fail "groff: $warnings"
else
    echo "groff not found: the manual page is not formatted"
fi

if [ "$with_ui" = 1 ]; then
    entry="$prefix/share/applications/fourbar.desktop"
    icon="$prefix/share/icons/hicolor/scalable/apps/fourbar.svg"
    # The entry starts the installed program and names the installed icon.
    grep -qx 'Exec=fourbar' "$entry" || fail "the desktop entry does not start fourbar"
    grep -qx 'Icon=fourbar' "$entry" || fail "the desktop entry does not name the icon fourbar"
    grep -qx 'Name=四杆机构' "$entry" || fail "the desktop entry's name is not 四杆机构"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate refused $entry"
    else
        echo "desktop-file-validate not found: the desktop entry is not validated"
    fi
    if command -v xmllint >/dev/null; then
        [ "$(xmllint --xpath 'local-name(/*)' "$icon")" = svg ] || fail "$icon is not an SVG"
    elif command -v python3 >/dev/null; then
        python3 -c 'import sys, xml.etree.ElementTree as tree
sys.exit(tree.parse(sys.argv[1]).getroot().tag != "{http://www.w3.org/2000/svg}svg")' "$icon" ||
            fail "$icon is not an SVG"
    else
        echo "neither xmllint nor python3 found: the icon is not parsed"
    fi
fi
echo "installed and checked: ${expected[*]}"
