#!/usr/bin/env bash
# The manual pages as man shows them to a reader: in a Japanese locale man finds the
# Japanese page (ja/man1), in the C locale the English one (man1, on an ASCII terminal),
# each without a warning, and both languages have the same sections. The build's man/
# folder has the layout and the files that are installed in share/man.
# Skips (status 77) where the locale ja_JP.UTF-8 has not been generated.
#   man_pages_locale_test.sh BUILD_DIR
set -euo pipefail
man_dir=$1/man
locale -a 2>/dev/null | grep -qx 'ja_JP.utf8' ||
  { echo "SKIP: the locale ja_JP.UTF-8 is missing (as root: bash scripts/setup.sh, or locale-gen)"; exit 77; }
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
out=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$out" "$errors"' EXIT

# locale, then the headings the page must show in that language.
cases=(
  "ja_JP.UTF-8|名前|書式|説明|終了ステータス|関連項目"
  "C|NAME|SYNOPSIS|DESCRIPTION|EXIT STATUS|SEE ALSO"
)
for page in nuvaro nuvaro-cli; do
  for case in "${cases[@]}"; do
    lang=${case%%|*}
    headings=${case#*|}
    if ! env -i PATH="$PATH" LANG="$lang" MANPATH="$man_dir" MANWIDTH=80 man --warnings "$page" >"$out" 2>"$errors"; then
      fail "LANG=$lang man $page: status $?: $(head -c 300 "$errors")"
      continue
    fi
    [ -s "$errors" ] && fail "LANG=$lang man $page warns: $(head -c 300 "$errors")"
    IFS='|' read -r -a wanted <<<"$headings"
    for heading in "${wanted[@]}"; do
      grep -qx "$heading" "$out" || fail "LANG=$lang man $page shows no heading $heading"
    done
  done
  en=$(grep -c '^\.SH' "$man_dir/man1/$page.1")
  ja=$(grep -c '^\.SH' "$man_dir/ja/man1/$page.1")
  [ "$en" -eq "$ja" ] || fail "$page(1) has $en sections in English and $ja in Japanese"
done

[ "$failures" -eq 0 ] || exit 1
echo "manual pages ok in ja_JP.UTF-8 and C"
