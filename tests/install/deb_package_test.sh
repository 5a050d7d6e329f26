#!/usr/bin/env bash
# Builds the Debian package from the build and checks what apt would see: its name, the
# library dependencies dpkg-shlibdeps found, the fonts and Qt plug-ins named by hand, and
# the program folder inside it.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build_dir" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/nuvaro_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no nuvaro_*.deb was written"
depends=$(dpkg-deb -f "$deb" Depends)
for want in libqt6widgets6 libc6 qt6-qpa-plugins fonts-ipafont-gothic; do
  grep -q "$want" <<<"$depends" || fail "Depends lacks $want: $depends"
done
grep -q 'libnuvacalc\|libNuvacalc' <<<"$depends" && fail "private library named as a package: $depends"
contents=$(dpkg-deb -c "$deb")
for f in ./usr/lib/nuvaro/Nuvaro ./usr/lib/nuvaro/nvr/MatchLover.nvr ./usr/lib/nuvaro/nuvaro.installed \
         ./usr/share/applications/nuvaro.desktop; do
  grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
grep -q ' ./usr/bin/nuvaro -> ' <<<"$contents" || fail "package lacks the launcher link"
echo "package ok: $(basename "$deb")"
