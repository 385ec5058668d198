#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Checks the Debian package that scripts/package.sh built: lintian finds no error
# and no warning, the AppStream metadata and the menu entry validate, the control
# data name what the program needs, one version runs through everything, and the
# package holds what it should. Installs the tools it uses. Exits non-zero when
# anything is wrong, after reporting all of it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

shopt -s nullglob
debs=(build-release/trivex_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  echo "check-package: expected one build-release/trivex_*.deb, found ${#debs[@]} (run scripts/package.sh)"
  exit 1
fi
deb="${debs[0]}"
app_id=cz.trivex.trivex
failed=0

fail() {
  echo "check-package: $*"
  failed=1
}

echo "== lintian"
# Overrides, if ever needed, go to usr/share/lintian/overrides/trivex in the package,
# each with a comment saying why it is right.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"

info="$(dpkg-deb -I "$deb")"
contents="$(dpkg-deb -c "$deb")"
version="$(dpkg-deb -f "$deb" Version)"
project_version="$(sed -nE 's/^project\(Trivex VERSION ([0-9.]+) .*/\1/p' CMakeLists.txt)"
[ "$version" = "$project_version" ] || fail "package version $version is not the project version $project_version"

for field in "Package: trivex" "Section: education" "Maintainer: " "Depends: .*libqt6widgets6" \
    "Depends: .*qt6-translations-l10n"; do
  grep -Eq "^ *$field" <<< "$info" || fail "control data lack '$field'"
done

for path in \
    ./usr/bin/trivex \
    ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/trivex.svg \
    ./usr/share/mime/packages/trivex.xml \
    ./usr/share/man/man1/trivex.1.gz \
    ./usr/share/doc/trivex/copyright \
    ./usr/share/doc/trivex/changelog.gz \
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
desktop="$work/usr/share/applications/$app_id.desktop"
metainfo="$work/usr/share/metainfo/$app_id.metainfo.xml"
grep -q '^MimeType=application/x-trivex-graf;$' "$desktop" || fail "the menu entry does not name the graph-file type"
grep -q '^Icon=trivex$' "$desktop" || fail "the menu entry does not name the icon"
grep -q 'type="application/x-trivex-graf"' "$work/usr/share/mime/packages/trivex.xml" \
  || fail "the MIME package does not define application/x-trivex-graf"
grep -q "^X-Trivex-Version=$version\$" "$desktop" || fail "the menu entry does not carry version $version"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "the AppStream metadata lack release $version"
zcat "$work/usr/share/doc/trivex/changelog.gz" | head -n 1 | grep -q "^trivex ($version) " \
  || fail "the changelog does not start with version $version"
zcat "$work/usr/share/man/man1/trivex.1.gz" | grep -q '^\.SH NAME' || fail "the manual page has no NAME section"

echo "== desktop-file-validate"
desktop-file-validate "$desktop" || fail "the menu entry is not valid"
echo "== appstreamcli validate --no-net"
# Warnings count as failures here, as in lintian. The tree check also matches the
# launchable against the installed menu entry.
appstreamcli validate --no-net --explain "$metainfo" || fail "the AppStream metadata are not valid"
if appstreamcli validate --no-net "$metainfo" | grep -Eq '^(E|W):'; then
  fail "appstreamcli reports errors or warnings"
fi
appstreamcli validate-tree --no-net "$work" || fail "the installed tree's AppStream data are not valid"

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "check-package: $deb is lintian-clean and holds $examples example graphs and everything else it should"
