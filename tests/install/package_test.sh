#!/usr/bin/env bash
# Builds the Debian package of a build into a temporary directory and fails on any error or warning
# of lintian, Debian's own package checker. Usage: package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack="$1"
build="$2"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v lintian >/dev/null ||
    fail "lintian not found: the package cannot be checked (bash scripts/setup.sh test installs it)"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
# Many desktops give users the umask 002; the package's directories must still be 0755.
umask 002
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack could not build the package:
$(cat "$out/cpack.log")"
packages=("$out"/*.deb)
[ "${#packages[@]}" = 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single .deb in $out"
package="${packages[0]}"

# The changelog's newest entry is the package's version.
version="$(dpkg-deb -f "$package" Version)"
newest="$(dpkg-deb --fsys-tarfile "$package" | tar -xOf - ./usr/share/doc/fourbar/changelog.gz |
    gzip -dc | head -n 1)"
[[ "$newest" == "fourbar ($version) "* ]] ||
    fail "the changelog's newest entry is not version $version: $newest"

# Informational tags are shown but accepted; lintian's own failure counts as one.
status=0
report="$(lintian --display-info --fail-on none "$package" 2>&1)" || status=$?
echo "$report"
[ "$status" = 0 ] || fail "lintian ended with status $status"
! grep -q '^[EW]: ' <<<"$report" || fail "lintian reports errors or warnings on $(basename "$package")"
echo "$(basename "$package"): $(stat -c %s "$package") bytes, no lintian error or warning"
