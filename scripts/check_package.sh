#!/usr/bin/env bash
# The package on a clean machine: builds a fresh Debian 12 chroot (debootstrap, minbase),
# installs the built nuvaro_*.deb with apt as a user would, runs nuvaro-cli and
# nuvaro --help as a normal user, then purges the package with what it pulled in and
# checks that no file of it stays behind. Needs root, debootstrap and a Debian mirror;
# not part of the quick tests.
#   sudo bash scripts/check_package.sh [PATH/TO/nuvaro_VERSION_ARCH.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls ../nuvaro_*.deb 2>/dev/null | sort -V | tail -n 1)}
mirror=${NUVARO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "check_package: no nuvaro_*.deb given or found in ../ (build it with dpkg-buildpackage -us -uc -b)" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "check_package: run as root (debootstrap and chroot need it)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "check_package: install debootstrap first" >&2; exit 2; }

root=$(mktemp -d /var/tmp/nuvaro-chroot.XXXXXX)
# The chroot's / must be open to its normal user, as a real / is.
chmod 755 "$root"
cleanup() {
  for m in "$root/proc" "$root/dev/pts" "$root/dev"; do mountpoint -q "$m" && umount -l "$m"; done
  rm -rf "$root"
}
trap cleanup EXIT
step() { echo "== $*"; }
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
# Every file of the system except caches, package databases and logs, which apt and
# dpkg keep by design, the users' homes, which a purge leaves to their owners, and
# /run, which is a memory file system on a running machine.
system_files() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./sys -o -path ./tmp -o -path ./var/cache \
    -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log -o -path ./root -o -path ./home -o -path ./var/tmp -o -path ./run \) -prune \
    -o -print | sort)
}

step "debootstrap --variant=minbase bookworm ($mirror)"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
rm -f "$root.debootstrap.log"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
in_root useradd --create-home tester
before=$(system_files)

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y -qq "./tmp/$(basename "$deb")" >/dev/null
status=0

step "nuvaro-cli soul 山田 太郎 (as tester)"
if out=$(in_root su tester -c 'nuvaro-cli soul 山田 太郎' 2>&1) && grep -q '"result":1' <<<"$out"; then
  echo "ok: ${out:0:120}..."
else
  echo "FAIL: $out"; status=1
fi

step "nuvaro --help (as tester, no display)"
if out=$(in_root su tester -c 'nuvaro --help' 2>&1); then
  echo "ok:"; head -n 5 <<<"$out"
else
  echo "FAIL (status $?):"; head -n 10 <<<"$out"; status=1
fi

step "apt-get purge nuvaro, then autoremove --purge"
in_root apt-get purge -y -qq nuvaro >/dev/null
in_root apt-get autoremove --purge -y -qq >/dev/null
after=$(system_files)
left=$(comm -13 <(echo "$before") <(echo "$after"))
if [ -n "$left" ]; then
  echo "FAIL: left behind after the purge:"; echo "$left" | head -n 40; status=1
else
  echo "ok: nothing left behind"
fi
[ "$status" -eq 0 ] && echo "== package ok on a clean Debian 12" || echo "== package check FAILED"
exit "$status"
