#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: its control data and that
# it holds the program, the menu entry, the icon, the graph-file type and the
# examples. Validates the menu entry when desktop-file-validate is installed.
# Exits non-zero on the first thing missing.
set -euo pipefail
cd "$(dirname "$0")/.."

shopt -s nullglob
debs=(build-release/trivex_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  echo "check-package: expected one build-release/trivex_*.deb, found ${#debs[@]} (run scripts/package.sh)"
  exit 1
fi
deb="${debs[0]}"
failed=0

fail() {
  echo "check-package: $*"
  failed=1
}

info="$(dpkg-deb -I "$deb")"
contents="$(dpkg-deb -c "$deb")"

for field in "Package: trivex" "Section: education" "Maintainer: " "Depends: .*libqt6widgets6"; do
  grep -Eq "^ *$field" <<< "$info" || fail "control data lack '$field'"
done

for path in \
    ./usr/bin/trivex \
    ./usr/share/applications/trivex.desktop \
    ./usr/share/icons/hicolor/scalable/apps/trivex.svg \
    ./usr/share/mime/packages/trivex.xml \
    ./usr/share/doc/trivex/README.md; do
  grep -Eq " $path\$" <<< "$contents" || fail "the package lacks $path"
done
examples="$(grep -Ec ' \./usr/share/trivex/examples/[^/]+\.grf$' <<< "$contents" || true)"
[ "$examples" -ge 1 ] || fail "the package holds no example graphs"
grep -Eq '^-rwxr-xr-x .* \./usr/bin/trivex$' <<< "$contents" || fail "usr/bin/trivex is not executable"

# The files themselves, not only their names.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
file -b "$work/usr/bin/trivex" | grep -q ELF || fail "usr/bin/trivex is not a program"
for example in "$work"/usr/share/trivex/examples/*.grf; do
  head -c 1 "$example" | grep -q '[0-9]' || fail "$(basename "$example") does not start with a vertex count"
done
if command -v xmllint > /dev/null; then
  xmllint --noout "$work/usr/share/mime/packages/trivex.xml" "$work/usr/share/icons/hicolor/scalable/apps/trivex.svg" \
    || fail "the MIME type or the icon is not well-formed XML"
fi
grep -q '^MimeType=application/x-trivex-graf;$' "$work/usr/share/applications/trivex.desktop" \
  || fail "the menu entry does not name the graph-file type"
grep -q 'type="application/x-trivex-graf"' "$work/usr/share/mime/packages/trivex.xml" \
  || fail "the MIME package does not define application/x-trivex-graf"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$work/usr/share/applications/trivex.desktop" || fail "the menu entry is not valid"
else
  echo "check-package: desktop-file-validate not installed, menu entry not validated"
fi

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "check-package: $deb holds $examples example graphs and everything else it should"
