#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what lands there and that it works from there.
# Usage: install_test.sh CMAKE BUILD_DIR WITH_UI VERSION LICENSE
#   WITH_UI is 1 when the desktop program is built; VERSION is the project's version; LICENSE is
#   the license file at the top of the source tree.
# The checks that need desktop-file-validate and xmllint (or python3) run where these exist; groff
# is needed.
set -euo pipefail
cmake="$1"
build="$2"
with_ui="$3"
version="$4"
license="$5"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Exactly these files: no test program, static library or header may reach a package.
expected=(bin/fourbar-report share/man/man1/fourbar-report.1.gz
    share/doc/fourbar/copyright share/doc/fourbar/changelog.gz)
if [ "$with_ui" = 1 ]; then
    expected+=(bin/fourbar share/man/man1/fourbar.1.gz share/applications/fourbar.desktop
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

# The compressed files carry no name and no time stamp (gzip -n), so a rebuild gives the same bytes.
for file in "$prefix"/share/man/man1/*.gz "$prefix/share/doc/fourbar/changelog.gz"; do
    gzip -t "$file" || fail "$file is not a valid gzip file"
    header="$(od -An -tx1 -N8 "$file" | tr -d ' \n')"
    [ "$header" = 1f8b080000000000 ] || fail "$file keeps a name or time stamp: header $header"
done

# The changelog's newest entry is this version.
newest="$(gzip -dc "$prefix/share/doc/fourbar/changelog.gz" | head -n 1)"
[[ "$newest" == "fourbar ($version) "* ]] || fail "the changelog's newest entry is not $version: $newest"

# The copyright file carries LICENSE's copyright line and its permission text word for word, as a
# field body: each line indented by one blank, and an empty line written as " .", since a blank
# line would end the paragraph.
copyright="$prefix/share/doc/fourbar/copyright"
holder="$(sed -n 's/^Copyright (c) //p' "$license")"
grep -qxF "Copyright: $holder" "$copyright" || fail "$copyright lacks the copyright line of $license"
diff <(sed -n '/^License: Expat$/,$p' "$copyright" | tail -n +2) \
    <(sed -n '/^Permission is hereby granted/,$p' "$license" | sed 's/^$/./; s/^/ /') >&2 ||
    fail "the license text in $copyright is not LICENSE's as a field body"

# The manual pages: version filled in, the sections a reader looks for, and no warning from groff.
command -v groff >/dev/null || fail "groff not found: the manual pages cannot be checked"
pages=(fourbar-report)
if [ "$with_ui" = 1 ]; then
    pages+=(fourbar)
fi
for name in "${pages[@]}"; do
    page="$prefix/share/man/man1/$name.1.gz"
    text="$(gzip -dc "$page")"
    grep -q '^\.TH '"${name^^}"' 1 .* "fourbar '"$version"'" ' <<<"$text" ||
        fail "$page does not name version $version in its title line"
    ! grep -q '@' <<<"$text" || fail "unreplaced @…@ in $page"
    for section in SYNOPSIS OPTIONS 'EXIT STATUS' EXAMPLES; do
        grep -q "^\.SH \"\?$section\"\?\$" <<<"$text" || fail "$page has no $section"
    done
    warnings="$(groff -k -man -Tutf8 -ww -z <<<"$text" 2>&1)"
    [ -z "$warnings" ] || fail "groff on $page: $warnings"
done

# Every option of the report tool's usage text is documented in its page, which writes each hyphen
# of an option as \-.
usage="$("$report" 2>&1 >/dev/null || true)"
options="$(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | sort -u)"
[ -n "$options" ] || fail "no option in the usage text: $usage"
report_page="$(gzip -dc "$prefix/share/man/man1/fourbar-report.1.gz")"
for option in $options; do
    grep -qF -- "${option//-/\\-}" <<<"$report_page" || fail "$option is not in fourbar-report(1)"
done

if [ "$with_ui" = 1 ]; then
    gzip -dc "$prefix/share/man/man1/fourbar.1.gz" | grep -qF -- '\-\-report' ||
        fail "the program's --report is not in fourbar(1)"
    entry="$prefix/share/applications/fourbar.desktop"
    icon="$prefix/share/icons/hicolor/scalable/apps/fourbar.svg"
    # The entry starts the installed program and names the installed icon.
    grep -qx 'Exec=fourbar' "$entry" || fail "the desktop entry does not start fourbar"
    grep -qx 'Icon=fourbar' "$entry" || fail "the desktop entry does not name the icon fourbar"
    grep -qx 'Name=四杆机构' "$entry" || fail "the desktop entry's name is not 四杆机构"
    if command -v desktop-file-validate >/dev/null; then
        # Hints count too: a quiet validator is the aim.
        complaints="$(desktop-file-validate "$entry" 2>&1)" && [ -z "$complaints" ] ||
            fail "desktop-file-validate on $entry: $complaints"
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
