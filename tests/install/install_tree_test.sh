#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a user would: the tree holds
# the program folder, launchers, desktop entry and icons; the installed tools run; the
# installed program starts with its folder treated as read-only and keeps the user's
# lists in XDG_DATA_HOME, writing nothing into its own folder.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'kill "${program_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for f in lib/nuvaro/Nuvaro lib/nuvaro/nuvaro-cli lib/nuvaro/NuvaroHelp lib/nuvaro/NuvaroNavi \
         lib/nuvaro/libNuvacalc.so lib/nuvaro/libNuvaroPlatform.so lib/nuvaro/nvr/MatchCouple.nvr \
         lib/nuvaro/nvr/MatchLover.nvr lib/nuvaro/nvr/TacticCouple.nvr lib/nuvaro/nvr/TacticLover.nvr \
         lib/nuvaro/nuvaro.ini lib/nuvaro/Calendar.ior lib/nuvaro/friend.lst lib/nuvaro/others.lst \
         lib/nuvaro/nuvaro.installed bin/nuvaro bin/nuvaro-cli share/applications/nuvaro.desktop \
         share/icons/hicolor/48x48/apps/nuvaro.png share/icons/hicolor/256x256/apps/nuvaro.png; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
grep -q '^Exec=nuvaro$' "$prefix/share/applications/nuvaro.desktop" || fail "desktop entry does not start the launcher"

# The installed command-line tool finds its engine through the launcher link.
"$prefix/bin/nuvaro-cli" soul 山田 太郎 | grep -q '"result":1' || fail "installed nuvaro-cli cannot read a name"

# The installed program: first start seeds the user's folder, nothing lands beside it.
before=$(cd "$prefix/lib/nuvaro" && find . -type f | sort | xargs md5sum)
export XDG_DATA_HOME=$work/data HOME=$work/home QT_QPA_PLATFORM=offscreen
unset NUVARO_PROGRAM_DIR NUVARO_DATA_DIR
"$prefix/bin/nuvaro" >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 1 100); do
  [ -s "$XDG_DATA_HOME/nuvaro/friend.lst" ] && break
  kill -0 "$program_pid" 2>/dev/null || { cat "$work/program.log" >&2; fail "the installed program ended"; }
  sleep 0.1
done
[ -s "$XDG_DATA_HOME/nuvaro/friend.lst" ] || fail "the user's data folder was not seeded"
cmp -s "$XDG_DATA_HOME/nuvaro/friend.lst" "$prefix/lib/nuvaro/friend.lst" || fail "seeded list differs from the shipped one"
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
after=$(cd "$prefix/lib/nuvaro" && find . -type f | sort | xargs md5sum)
[ "$before" = "$after" ] || fail "the program wrote into its installed folder"
echo "install tree ok"
