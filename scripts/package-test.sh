#!/usr/bin/env bash
# The packager's build, proven on a system that never saw the source:
#   1. configures and builds the Release configuration without tests in
#      build-package/ (or $PACKAGE_BUILD_DIR),
#   2. makes the Debian package with CPack,
#   3. makes a minimal Debian root with debootstrap (its tarball is kept in
#      the build folder and reused),
#   4. installs the package there with apt, as a user would,
#   5. tries it as an ordinary user: both --version, `brisko7-cli new` and
#      `show`, the desktop program started offscreen on a data file, the
#      MIME type of a data file under another name, the manual pages and
#      the completion,
#   6. removes the package and checks that nothing of it is left.
# Each stage prints its time. Needs root (debootstrap, chroot, mounts) or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=CMAKE_CXX_COMPILER_LAUNCHER,CCACHE_BASEDIR,CCACHE_NOHASHDIR,CCACHE_DIR,PACKAGE_BUILD_DIR \
    bash "$0" "$@"
fi

BUILD_DIR="$(pwd)/${PACKAGE_BUILD_DIR:-build-package}"
SUITE=bookworm
ROOT_TAR="$BUILD_DIR/debian-root/$SUITE-minbase.tar"
TESTER=tester

t_all=$SECONDS
t_stage=$SECONDS
stage_done() {
  echo "=== package test, $1: $((SECONDS - t_stage)) s"
  t_stage=$SECONDS
}

root=""
# Unmounts everything mounted at or below the folder $1, deepest first.
unmount_all() {
  local m
  for m in $(awk -v r="$1" 'index($2, r "/") == 1 {print $2}' /proc/mounts | sort -r); do
    umount -R -l "$m" 2>/dev/null || true
  done
}
cleanup() {
  local rc=$?
  if [ -n "$root" ] && [ -d "$root" ]; then
    unmount_all "$root"
    # --one-file-system: never follow a mount that failed to go away
    rm -rf --one-file-system "$root" || echo "note: $root could not be removed completely"
  fi
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

bash scripts/install-deps.sh --package
stage_done "build dependencies"

# 1. The packager's configuration: Release, no tests, warnings reported only.
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRISKO7_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
stage_done "Release build without tests"

# 2. The package.
rm -f "$BUILD_DIR"/brisko7_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/brisko7_*.deb)
echo "package: $deb ($(stat -c %s "$deb") bytes)"
stage_done "package"

# 3. A minimal Debian root from the mirror this machine uses (cached).
mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
mirror=${mirror:-http://deb.debian.org/debian}
if [ ! -f "$ROOT_TAR" ]; then
  mkdir -p "$(dirname "$ROOT_TAR")"
  fresh=$(mktemp -d "$BUILD_DIR/debian-root/make.XXXXXX")
  root="$fresh"  # cleaned up on failure
  debootstrap --variant=minbase "$SUITE" "$fresh" "$mirror" >"$BUILD_DIR/debian-root/debootstrap.log" 2>&1 ||
    { echo "debootstrap failed (see $BUILD_DIR/debian-root/debootstrap.log)"; exit 1; }
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    cp /etc/apt/sources.list.d/debian.sources "$fresh/etc/apt/sources.list.d/"
    rm -f "$fresh/etc/apt/sources.list"
  fi
  # debootstrap may leave its /proc or /sys mounted inside the root
  unmount_all "$fresh"
  tar --one-file-system -C "$fresh" -cf "$ROOT_TAR.part" . && mv "$ROOT_TAR.part" "$ROOT_TAR"
  rm -rf --one-file-system "$fresh" || echo "note: $fresh could not be removed completely"
  root=""
fi
root=$(mktemp -d "$BUILD_DIR/debian-root/run.XXXXXX")
tar -C "$root" -xf "$ROOT_TAR"
chmod 755 "$root"  # mktemp made it private; the ordinary user needs to walk from /
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t sysfs sys "$root/sys"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cp "$deb" "$root/tmp/"
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
as_user() {
  chroot "$root" /usr/sbin/runuser -u "$TESTER" -- /usr/bin/env -i HOME="/home/$TESTER" \
    PATH=/usr/bin:/bin LANG=C.UTF-8 XDG_RUNTIME_DIR="/tmp/runtime-$TESTER" bash -c "cd && $1"
}
stage_done "fresh Debian root"

# 4. Installed as a user installs it; apt brings what it declares.
in_root apt-get update -qq
in_root apt-get install -y -qq "/tmp/$(basename "$deb")" >"$BUILD_DIR/debian-root/install.log" 2>&1 ||
  { tail -n 20 "$BUILD_DIR/debian-root/install.log"; exit 1; }
in_root useradd -m "$TESTER"
stage_done "apt install"

# 5. Tried as an ordinary user.
fail() {
  echo "package test FAILED: $*"
  exit 1
}
expect() {  # expect WHAT ACTUAL PATTERN
  case "$2" in
    *$3*) echo "ok: $1: $2" ;;
    *) fail "$1: '$2' does not contain '$3'" ;;
  esac
}
release=$(sed -n 's/^project(brisko7 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
expect "brisko7 --version" "$(as_user 'brisko7 --version')" "brisko7 $release (data version V100)"
expect "brisko7-cli --version" "$(as_user 'brisko7-cli --version')" "brisko7-cli $release (data version V100)"
as_user 'brisko7-cli new -o radio.dat' || fail "brisko7-cli new"
expect "brisko7-cli show" "$(as_user 'brisko7-cli show radio.dat')" "BRISKO7"

# The desktop program on the data file, offscreen: still running after a few
# seconds (timeout ends it with 124), not ended by a crash or a refusal.
set +e
as_user 'mkdir -m 700 -p "$XDG_RUNTIME_DIR"; QT_QPA_PLATFORM=offscreen timeout 6 brisko7 radio.dat 2>gui.err'
status=$?
set -e
[ "$status" -eq 124 ] || fail "brisko7 radio.dat ended with status $status: $(cat "$root/home/$TESTER/gui.err")"
echo "ok: brisko7 radio.dat ran offscreen for 6 s"
# What Qt says on a machine without display or sound, for the log.
sed 's/^/  brisko7 said: /' "$root/home/$TESTER/gui.err"

for f in /usr/share/man/man1/brisko7.1.gz /usr/share/man/man1/brisko7-cli.1.gz /usr/share/man/man1/brisko7-sim.1.gz \
  /usr/share/bash-completion/completions/brisko7-cli /usr/share/doc/brisko7/guide/index.html; do
  [ -s "$root$f" ] || fail "$f is missing"
done
echo "ok: manual pages, completion and user guide are installed"
stage_done "tried as a user"

# The data file type, by content: the file under a name that says nothing.
# What a desktop has: xdg-mime (with the shared-mime-info reader it uses
# outside a desktop session) and the desktop entries' MIME cache.
in_root apt-get install -y -qq --no-install-recommends xdg-utils libfile-mimeinfo-perl desktop-file-utils >/dev/null
as_user 'cp radio.dat "radio backup"'
expect "MIME type of a data file named 'radio backup'" \
  "$(as_user 'xdg-mime query filetype "radio backup"')" "application/x-brisko7-data"
expect "desktop entry for the data files" \
  "$(as_user 'xdg-mime query default application/x-brisko7-data')" "org.brisko7.Brisko7.desktop"
stage_done "file type"

# 6. Removal leaves nothing of the package behind.
in_root apt-get remove -y -qq brisko7 >/dev/null
for f in /opt/brisko7 /usr/bin/brisko7 /usr/bin/brisko7-cli /usr/share/applications/org.brisko7.Brisko7.desktop \
  /usr/share/man/man1/brisko7-cli.1.gz /usr/share/doc/brisko7; do
  [ ! -e "$root$f" ] || fail "$f is left after removal"
done
in_root grep -q x-brisko7-data /usr/share/mime/types && fail "the data file type is still registered"
echo "ok: removal leaves nothing behind"
stage_done "removal"

echo "=== package test total: $((SECONDS - t_all)) s"
