#!/usr/bin/env bash
# Builds the Debian package of a build folder into a temporary folder and checks what it holds
# and what its control fields say.
# Usage: tst_package.sh <cpack> <build folder>
set -euo pipefail
cpack=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$work/lifetally_1.0_amd64.deb
[ -f "$deb" ] || fail "no lifetally_1.0_amd64.deb among: $(ls "$work")"

listing=$(dpkg-deb --contents "$deb")
contents=$(awk '{print $6}' <<<"$listing")
for path in \
  ./usr/bin/lifetally \
  ./usr/share/applications/example.brightwell.lifetally.desktop \
  ./usr/share/metainfo/example.brightwell.lifetally.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/lifetally.png \
  ./usr/share/icons/hicolor/scalable/apps/lifetally.svg \
  ./usr/share/doc/lifetally/copyright \
  ./usr/share/doc/lifetally/changelog.gz \
  ./usr/share/man/man1/lifetally.1.gz; do
  grep -qx "$path" <<<"$contents" || fail "$path is missing"
done
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
grep -q '^-rwxr-xr-x root/root .* \./usr/bin/lifetally$' <<<"$listing" || fail "the program is not root's, mode 755"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = lifetally ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.0 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
# The libraries the program links, found by dpkg-shlibdeps.
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6 libqt6svg6 libc6; do
  grep -q "\b$lib\b" <<<"$(field Depends)" || fail "Depends lacks $lib: $(field Depends)"
done
grep -q "fonts-liberation2.*qt6-wayland" <<<"$(field Recommends)" || fail "Recommends: $(field Recommends)"

# The changelog and the manual page read back from the package.
dpkg-deb --extract "$deb" "$work/root"
changelog=$(zcat "$work/root/usr/share/doc/lifetally/changelog.gz")
[[ $changelog == "lifetally (1.0) "* ]] || fail "changelog does not begin with this version"
manual=$(zcat "$work/root/usr/share/man/man1/lifetally.1.gz")
[[ $manual == *'.BI \-\-report'* ]] || fail "manual page lacks --report"
echo "lifetally_1.0_amd64.deb: contents and control fields as expected"
