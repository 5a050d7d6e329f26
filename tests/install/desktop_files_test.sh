#!/usr/bin/env bash
# The installed desktop integration as the desktop's own tools check it: every desktop
# entry passes desktop-file-validate, the AppStream metadata passes appstreamcli's
# pedantic validation (without the network: the project's web addresses are not
# fetched), and every manual page, English in man1/ and Japanese in ja/man1/ (where man
# looks for a Japanese reader), renders without a groff warning and lists every command
# of nuvaro-cli --help.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

entries=("$prefix"/share/applications/*.desktop)
[ "${#entries[@]}" -eq 3 ] || fail "expected 3 desktop entries, found ${#entries[@]}"
for entry in "${entries[@]}"; do
  out=$(desktop-file-validate "$entry" 2>&1) || fail "$(basename "$entry"): $out"
  [ -z "$out" ] || fail "$(basename "$entry"): $out"
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  case "$program" in
    /*) [ -x "$program" ] || fail "$(basename "$entry") starts $program, which is not installed" ;;
    *) [ -x "$prefix/bin/$program" ] || fail "$(basename "$entry") starts $program, which is not in bin/" ;;
  esac
done

metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ "${#metainfo[@]}" -eq 1 ] || fail "expected one AppStream file, found ${#metainfo[@]}"
out=$(appstreamcli validate --pedantic --no-net --no-color "${metainfo[0]}" 2>&1) || fail "appstream: $out"
grep -q '^[EWIP]:' <<<"$out" && fail "appstream remarks: $out"
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "${metainfo[0]}")
[ -f "$prefix/share/applications/$launchable" ] || fail "the AppStream launchable $launchable is not installed"

commands=$("$prefix/bin/nuvaro-cli" --help | sed -n '/^Commands:/,$s/^  \([^ ][^ ]*\).*/\1/p')
[ -n "$commands" ] || fail "nuvaro-cli --help lists no commands"
for dir in man1 ja/man1; do
  for page in nuvaro nuvaro-cli; do
    file=$prefix/share/man/$dir/$page.1
    [ -f "$file" ] || { fail "missing $dir/$page.1"; continue; }
    warnings=$(LC_ALL=C.UTF-8 groff -ww -k -man -Tutf8 -z "$file" 2>&1)
    [ -z "$warnings" ] || fail "$dir/$page.1: $warnings"
  done
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$prefix/share/man/$dir/nuvaro-cli.1" 2>/dev/null | col -b)
  while IFS= read -r command; do
    grep -qF -- "$command" <<<"$text" || fail "$dir/nuvaro-cli.1 lacks the command $command"
  done <<<"$commands"
done
LC_ALL=C.UTF-8 man -l "$prefix/share/man/ja/man1/nuvaro-cli.1" 2>/dev/null | grep -q '名前' ||
  fail "the Japanese page is not Japanese"

[ "$failures" -eq 0 ] || exit 1
echo "desktop files ok"
