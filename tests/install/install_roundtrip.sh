#!/usr/bin/env bash
# The Debian package from end to end: build it with CPack, check its contents
# and desktop metadata, install it with apt, start the INSTALLED program on a
# virtual X display, then remove and purge it.
#
#   install_roundtrip.sh BUILD_DIR VERSION
#
# It changes the system (apt-get install), so it needs root or passwordless
# sudo; without either it fails and says so. Whatever happens, a package it
# installed is purged again on the way out.
set -euo pipefail

BUILD_DIR=$(cd "$1" && pwd)
VERSION=$2
HERE=$(cd "$(dirname "$0")" && pwd)
APP_ID=org.lockmere.Lockmere

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "== $*"; }

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  SUDO=(sudo -n)
else
  fail "this test installs the .deb system-wide with apt-get: run it as root or with passwordless sudo"
fi

for tool in cpack dpkg-deb dpkg-query dpkg-shlibdeps apt-get desktop-file-validate appstreamcli \
  xvfb-run xauth xdotool xprop file timeout; do
  command -v "$tool" >/dev/null 2>&1 ||
    fail "'$tool' is missing: ./tools/dev.sh test installs what the tests need"
done

package_state() { dpkg-query -W -f='${db:Status-Status}' lockmere 2>/dev/null || true; }

apt_get() {
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get -y -q -o DPkg::Lock::Timeout=120 "$@"
}

WORK=$(mktemp -d "${TMPDIR:-/tmp}/lockmere-install.XXXXXX")
# apt reads the .deb as its unprivileged _apt user.
chmod 755 "$WORK"
TOUCHED_SYSTEM=0

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [ "$TOUCHED_SYSTEM" -eq 1 ]; then
    local state
    state=$(package_state)
    if [ -n "$state" ] && [ "$state" != not-installed ]; then
      echo "== cleaning up: purging lockmere (state: $state)"
      apt_get purge lockmere >"$WORK/cleanup.log" 2>&1 || {
        cat "$WORK/cleanup.log" >&2
        echo "FAIL: could not purge lockmere; remove it by hand: apt-get purge lockmere" >&2
        status=1
      }
    fi
  fi
  rm -rf "$WORK"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- the package -------------------------------------------------------------
step "building the package (cpack in $BUILD_DIR, output in a staging directory)"
if ! (cd "$BUILD_DIR" && timeout 900 cpack -G DEB -B "$WORK/package") >"$WORK/cpack.log" 2>&1; then
  cat "$WORK/cpack.log" >&2
  # cpack first builds the project (its preinstall target); show why that failed.
  find "$WORK/package" -name PreinstallOutput.log -exec tail -n 40 {} + >&2 2>/dev/null || true
  fail "cpack did not build the package"
fi
DEB="$WORK/package/lockmere_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || {
  ls -l "$WORK/package" >&2
  fail "cpack did not produce $(basename "$DEB")"
}
chmod 644 "$DEB"
echo "$(basename "$DEB"): $(stat -c %s "$DEB") bytes"

step "checking the control fields"
field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = lockmere ] || fail "Package is '$(field Package)', not lockmere"
[ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)', not $VERSION"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)', not utils"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
DEPENDS=$(field Depends)
echo "Depends: $DEPENDS"
# Computed by dpkg-shlibdeps from the binary, not written by hand.
DEPENDED_ON=$(sed 's/[,|]/\n/g' <<<"$DEPENDS" | sed 's/^ *//; s/[ (:].*//')
for library in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libstdc++6 libc6; do
  grep -qxF "$library" <<<"$DEPENDED_ON" || fail "Depends does not name $library"
done

step "checking the package contents"
EXPECTED_FILES="$WORK/expected-files"
{
  echo "/usr/bin/lockmere"
  echo "/usr/share/applications/$APP_ID.desktop"
  echo "/usr/share/metainfo/$APP_ID.metainfo.xml"
  for size in 16 24 32 48 64 128 256; do
    echo "/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  done
  echo "/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
} | sort >"$EXPECTED_FILES"
# Regular files only; exactly these, so no test, benchmark or library slips in.
dpkg-deb -c "$DEB" | awk '$1 ~ /^-/ { sub(/^\./, "", $6); print $6 }' | sort >"$WORK/packaged-files"
if ! diff -u "$EXPECTED_FILES" "$WORK/packaged-files"; then
  fail "the package's files differ from the expected list (- expected, + packaged)"
fi

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
for size in 16 24 32 48 64 128 256; do
  icon="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  file -b "$icon" | grep -q "PNG image data, $size x $size," ||
    fail "$icon is not a ${size}x${size} PNG: $(file -b "$icon")"
done
file -b "$ROOT/usr/bin/lockmere" | grep -q "ELF 64-bit.*stripped" ||
  fail "/usr/bin/lockmere is not a stripped executable: $(file -b "$ROOT/usr/bin/lockmere")"

step "validating the desktop metadata"
# Errors and warnings fail; hints and informational notes are allowed.
check_output() {
  local what=$1 output=$2
  echo "$output"
  if grep -Eq '(^|: )(error|warning):|^ *[EW]: ' <<<"$output"; then
    fail "$what reports errors or warnings"
  fi
}
DESKTOP_FILE="$ROOT/usr/share/applications/$APP_ID.desktop"
METAINFO_FILE="$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml"
output=$(desktop-file-validate "$DESKTOP_FILE" 2>&1) || {
  echo "$output"
  fail "desktop-file-validate rejects $APP_ID.desktop"
}
check_output desktop-file-validate "$output"
output=$(appstreamcli validate --no-net "$METAINFO_FILE" 2>&1) || {
  echo "$output"
  fail "appstreamcli validate rejects $APP_ID.metainfo.xml"
}
check_output "appstreamcli validate" "$output"
# The whole tree: the metainfo's launchable must name a desktop file that is
# really installed.
output=$(appstreamcli validate-tree --no-net "$ROOT" 2>&1) || {
  echo "$output"
  fail "appstreamcli validate-tree rejects the installed tree"
}
check_output "appstreamcli validate-tree" "$output"
grep -qx "Icon=$APP_ID" "$DESKTOP_FILE" || fail "the desktop file's Icon is not $APP_ID"
grep -qx "Exec=lockmere" "$DESKTOP_FILE" || fail "the desktop file's Exec is not lockmere"
grep -q "<id>$APP_ID</id>" "$METAINFO_FILE" || fail "the metainfo's id is not $APP_ID"
grep -q "<release version=\"$VERSION\"" "$METAINFO_FILE" ||
  fail "the metainfo has no release $VERSION"

# --- installed ---------------------------------------------------------------
state=$(package_state)
if [ -n "$state" ] && [ "$state" != not-installed ]; then
  echo "note: lockmere was already known to dpkg (state: $state); it is replaced and purged at the end"
fi
step "installing with apt-get install -y $DEB"
TOUCHED_SYSTEM=1
if ! apt_get install "$DEB" >"$WORK/install.log" 2>&1; then
  cat "$WORK/install.log" >&2
  fail "apt-get install did not install the package"
fi
[ "$(package_state)" = installed ] || fail "after apt-get install, dpkg says lockmere is '$(package_state)'"
[ "$(dpkg-query -W -f='${Version}' lockmere)" = "$VERSION" ] ||
  fail "the installed version is $(dpkg-query -W -f='${Version}' lockmere), not $VERSION"

step "checking dpkg -L lockmere"
dpkg -L lockmere >"$WORK/listed"
while read -r path; do
  grep -qxF "$path" "$WORK/listed" || fail "dpkg -L lockmere does not list $path"
  [ -f "$path" ] || fail "$path is listed but not on disk"
done <"$EXPECTED_FILES"
[ -x /usr/bin/lockmere ] || fail "/usr/bin/lockmere is not executable"
echo "all $(wc -l <"$EXPECTED_FILES") files listed and present"

step "starting the installed /usr/bin/lockmere on a virtual X display"
APP_HOME="$WORK/home"
mkdir -m 700 "$APP_HOME"
timeout 180 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" \
  bash "$HERE/run_installed.sh" "$APP_HOME" ||
  fail "the installed program did not start as expected (see above)"

# --- removed -----------------------------------------------------------------
step "removing with apt-get remove -y lockmere"
if ! apt_get remove lockmere >"$WORK/remove.log" 2>&1; then
  cat "$WORK/remove.log" >&2
  fail "apt-get remove failed"
fi
[ ! -e /usr/bin/lockmere ] || fail "/usr/bin/lockmere is still there after apt-get remove"
while read -r path; do
  [ ! -e "$path" ] || fail "$path is still there after apt-get remove"
done <"$EXPECTED_FILES"

step "purging with apt-get purge -y lockmere"
# With no configuration files, remove already made dpkg forget the package and
# apt no longer knows its name; purge only what is left.
state=$(package_state)
echo "after remove, dpkg says: ${state:-unknown package}"
if [ -n "$state" ] && [ "$state" != not-installed ]; then
  if ! apt_get purge lockmere >"$WORK/purge.log" 2>&1; then
    cat "$WORK/purge.log" >&2
    fail "apt-get purge failed"
  fi
fi
state=$(package_state)
[ -z "$state" ] || [ "$state" = not-installed ] || fail "after purge, dpkg says lockmere is '$state'"
TOUCHED_SYSTEM=0
echo "PASS: built, validated, installed, started, removed and purged lockmere $VERSION"
