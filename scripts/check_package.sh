#!/usr/bin/env bash
# The package on a clean machine: builds a fresh Debian 12 chroot (debootstrap, minbase),
# installs the built nuvaro_*.deb with apt as a user would, runs nuvaro-cli, nuvaro --help
# and man nuvaro-cli (in ja_JP.UTF-8 and in C) as a normal user, then purges the package
# with what it pulled in and checks that no file of it stays behind. Needs root,
# debootstrap and a Debian mirror; not part of the quick tests.
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
# Every file of the system, except what the machine itself keeps and a purge rightly
# leaves, each named with the reason; nothing here is a place the package installs into:
not_compared=(
  ./proc ./dev ./sys           # the kernel's views, mounted on a running machine
  ./run                        # memory file system of running services (dbus's socket folder)
  ./tmp ./var/tmp              # temporary files
  ./root ./home                # the users' homes: a purge leaves them to their owners
  ./var/log                    # logs of apt, dpkg and the services, kept by design
  ./var/lib/apt ./var/cache/apt  # apt's package lists and downloaded packages
  ./var/cache/debconf          # debconf's answers database, which it keeps for every package
  ./var/cache/ldconfig         # ldconfig's cache of the library folders it scanned
  ./etc/machine-id             # the machine's identity, made once by systemd's set-up (pulled in by
                               # the desktop libraries) and never taken back: other software keys on it
  ./etc/mtab                   # link to the kernel's mount table, made by systemd's set-up
  ./var/lib/systemd            # systemd's state (coredump, pstore, timers, …), kept after its purge
  ./var/lib/private            # systemd's folders for the state and the caches of services
  ./var/cache/private          # with dynamic users, made by its set-up and kept after its purge
)
system_files() {
  local prune=() path
  for path in "${not_compared[@]}"; do prune+=(-path "$path" -o); done
  # dpkg's own databases change with every install; its per-package files (info/) are
  # compared, so a purged package that leaves its scripts or lists behind is found.
  (cd "$root" && find . -xdev \( "${prune[@]}" \( -path './var/lib/dpkg/*' ! -path './var/lib/dpkg/info' ! -path './var/lib/dpkg/info/*' \) \) -prune \
    -o -print | sort)
}

step "debootstrap --variant=minbase bookworm ($mirror)"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
rm -f "$root.debootstrap.log"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
in_root useradd --create-home tester
in_root apt-get update -qq
# The machine as a Japanese user has it: man with its index built (as man-db's daily job
# builds it; otherwise the first index, made when the package comes, would add man-db's
# cache folders for every language) and the ja_JP.UTF-8 locale, before the package comes.
step "apt-get install man-db locales; mandb; locale-gen ja_JP.UTF-8"
in_root apt-get install -y -qq man-db locales >/dev/null
in_root mandb -q
sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' "$root/etc/locale.gen"
in_root locale-gen >/dev/null
before=$(system_files)

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
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

# man finds the installed page of the reader's language, and groff renders it without a
# warning: Japanese in ja_JP.UTF-8, English in the C locale.
for case in "ja_JP.UTF-8 説明" "C DESCRIPTION"; do
  lang=${case% *} heading=${case#* }
  step "LANG=$lang man nuvaro-cli (as tester)"
  if out=$(in_root su tester -c "LANG=$lang MANWIDTH=80 man --warnings nuvaro-cli 2>&1") &&
    grep -qx "$heading" <<<"$out" && ! grep -q 'warning' <<<"$out"; then
    echo "ok:"; head -n 4 <<<"$out"
  else
    echo "FAIL:"; head -n 12 <<<"$out"; status=1
  fi
done

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
