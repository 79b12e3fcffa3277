#!/bin/sh
# Builds the Debian package, installs it with apt-get into a clean Debian 12 (bookworm) root
# made by debootstrap, and runs both programs there.
#   tools/package-test.sh BUILD_DIR
# The minimal root is kept as a tarball in $VANTRO2_TEST_CACHE (default /var/cache/vantro2-test)
# with the downloaded packages beside it, so later runs are fast; the first run needs only
# the mirror. Ends with status 77 (skipped, with the reason) where debootstrap cannot run:
# not root, no debootstrap or chroot, or no way to reach the mirror.
set -eu
build=$(cd "$1" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${VANTRO2_TEST_CACHE:-/var/cache/vantro2-test}
suite=bookworm
skip() { echo "SKIPPED: package install test: $*"; exit 77; }

[ "$(id -u)" = 0 ] || skip "needs root (debootstrap and chroot)"
command -v debootstrap >/dev/null || skip "debootstrap is not installed"
command -v chroot >/dev/null || skip "chroot is not available"

# The Debian mirror this machine installs from (deb822 or one-line sources), else the
# main Debian mirror.
mirror() {
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk 'tolower($1)=="uris:" && $2 ~ /\/debian\/?$/ {print $2; exit}' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk '$1=="deb" && $0 !~ /\[/ && $2 ~ /\/debian\/?$/ {print $2; exit} $1=="deb" && $2 ~ /^\[/ && $3 ~ /\/debian\/?$/ {print $3; exit}' "$f"
    done
    echo http://deb.debian.org/debian
}
url=$(mirror | head -n 1)

# The package, made fresh from the build.
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vantro2_*_amd64.deb | head -n 1)
[ -f "$deb" ] || { echo "no package in $build"; exit 1; }

mkdir -p "$cache/archives/partial"
tarball=$cache/$suite-minbase.tar.gz
if [ ! -f "$tarball" ]; then
    /usr/lib/apt/apt-helper download-file "$url/dists/$suite/Release" "$cache/Release.probe" >/dev/null 2>&1 ||
        skip "the mirror $url cannot be reached"
    rm -f "$cache/Release.probe"
    echo "making a minimal $suite root from $url (once; kept in $tarball)"
    fresh=$(mktemp -d /var/tmp/vantro2-debootstrap.XXXXXX)
    if ! debootstrap --variant=minbase --cache-dir="$cache/archives" "$suite" "$fresh" "$url" >"$cache/debootstrap.log" 2>&1; then
        tail -n 20 "$cache/debootstrap.log"; rm -rf "$fresh"; echo "debootstrap failed"; exit 1
    fi
    tar -C "$fresh" -czf "$tarball.part" . && mv "$tarball.part" "$tarball"
    rm -rf "$fresh"
fi

root=$(mktemp -d /var/tmp/vantro2-root.XXXXXX)
cleanup() {
    umount "$root/var/cache/apt/archives" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT INT TERM
tar -C "$root" -xzf "$tarball"
chmod 755 "$root"  # the root of the system inside: every user (apt's _apt too) must get through it
mount -t proc proc "$root/proc"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cp "$deb" "$root/tmp/"
# A throw-away system: dpkg need not wait for the disk after every file.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/vantro2-test-unsafe-io"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >"$root/tmp/install.log" 2>&1 ||
    { tail -n 30 "$root/tmp/install.log"; echo "apt-get install of the package failed"; exit 1; }

fail=0
check() {  # WHAT WANT_FILE GOT_FILE: the two files must be equal
    if ! cmp -s "$2" "$3"; then echo "FAIL: $1"; diff "$2" "$3" | head -n 20; fail=1; else echo "ok: $1"; fi
}
work=$(mktemp -d)
trap 'cleanup; rm -rf "$work"' EXIT INT TERM
version=$(sed -n 's/^#define VANTRO2_VERSION "\(.*\)"/\1/p' "$build/generated/vantro2_version.h")
printf 'vantro2 %s\nstatus 0\n' "$version" >"$work/want-version"
status=0; in_root vantro2 --version >"$work/got-version" 2>&1 || status=$?
echo "status $status" >>"$work/got-version"
check "vantro2 --version in the clean root" "$work/want-version" "$work/got-version"

printf 'on\ncycle 80\nkey centre\ncycle 3\nlcd\nlabel Label2\n' >"$work/script.v2s"
"$build/vantro2-script" "$work/script.v2s" >"$work/want-script"
echo "status 0" >>"$work/want-script"
cp "$work/script.v2s" "$root/tmp/script.v2s"
status=0; in_root vantro2-script /tmp/script.v2s >"$work/got-script" 2>&1 || status=$?
echo "status $status" >>"$work/got-script"
check "vantro2-script in the clean root prints what the build prints" "$work/want-script" "$work/got-script"

for f in /usr/bin/vantro2 /usr/bin/vantro2-script /usr/share/man/man1/vantro2.1.gz /usr/share/man/man1/vantro2-script.1.gz \
         /usr/share/applications/io.github.vantro2.Simulator.desktop \
         /usr/share/metainfo/io.github.vantro2.Simulator.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/io.github.vantro2.Simulator.svg /usr/share/doc/vantro2/copyright; do
    if [ -f "$root$f" ]; then echo "ok: $f installed"; else echo "FAIL: $f missing"; fail=1; fi
done
if [ -d "$top/assets/flights" ] && [ ! -d "$root/usr/share/vantro2/flights" ]; then
    echo "FAIL: the demo flights are missing"; fail=1
fi
exit $fail
