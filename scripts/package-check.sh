#!/usr/bin/env bash
# Checks the .deb that `make package` built: lintian without errors, the
# desktop entry and the AppStream data valid, and an install test (apt
# installs it with its dependencies, the programs answer, the files are
# where the desktop looks for them) followed by its removal.
# Usage: scripts/package-check.sh BUILD_DIR
set -euo pipefail
build="$1"
deb=$(ls "$build"/pelmor_*.deb | head -n1)
echo "== $deb"

echo "== lintian"
lintian --fail-on error --no-tag-display-limit "$deb"

echo "== desktop-file-validate"
desktop-file-validate packaging/pl.pelmor.Pelmor.desktop

echo "== appstreamcli validate"
appstreamcli validate --no-net "$build"/packaging/pl.pelmor.Pelmor.metainfo.xml

echo "== install test"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if dpkg-query -W -f='${Status}' pelmor 2>/dev/null | grep -q 'install ok installed'; then
  echo "pelmor is already installed here; the install test would replace it" >&2
  exit 1
fi
$sudo apt-get update -qq
# apt needs a path, not a bare name, to install a local file.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$deb")" >/dev/null
cleanup() { DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq pelmor >/dev/null; }
trap cleanup EXIT
for program in pelmor pelmor-cli tervala-sim; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version)
  [ "$out" = "$program $(dpkg-query -W -f='${Version}' pelmor)" ] || { echo "$program --version: $out" >&2; exit 1; }
  [ -f "/usr/share/man/man1/$program.1.gz" ] || { echo "no manual page for $program" >&2; exit 1; }
done
for f in /usr/share/applications/pl.pelmor.Pelmor.desktop /usr/share/metainfo/pl.pelmor.Pelmor.metainfo.xml \
         /usr/share/mime/packages/pl.pelmor.Pelmor.xml /usr/share/icons/hicolor/scalable/apps/pl.pelmor.Pelmor.svg \
         /usr/share/icons/hicolor/256x256/apps/pl.pelmor.Pelmor.png /usr/share/icons/hicolor/16x16/apps/pl.pelmor.Pelmor.png; do
  [ -f "$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done
# The installed file type is known by its name.
tmp=$(mktemp -d)
/usr/bin/pelmor-cli new -o "$tmp/check.ulmar"
mime=$(XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$tmp/check.ulmar" 2>/dev/null | awk '/content-type/ {print $2}' || true)
rm -rf "$tmp"
if [ -n "$mime" ] && [ "$mime" != "application/x-tervala-ulmar" ]; then
  echo "the .ulmar file type is $mime" >&2
  exit 1
fi
echo "package-check: all checks passed"
