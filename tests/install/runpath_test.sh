#!/usr/bin/env bash
# Every program, library and plug-in of the program folder, in the build tree and in an
# install tree, searches for libraries only relative to its own file: each RUNPATH or
# RPATH entry starts with $ORIGIN. An empty entry (the current directory), a relative
# one or an absolute one (the build folder) would let a library in some other folder run
# its code when the program starts.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Prints "file: entry" for every search entry of the ELF files under a folder that does
# not start with $ORIGIN, and the number of ELF files seen on the last line.
check_folder() {
  local folder=$1 seen=0 file entries entry
  while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
    seen=$((seen + 1))
    entries=$(readelf -d "$file" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
    [ -n "$entries" ] || continue
    # "a:" splits into "a" and "" (the empty entry).
    while IFS= read -r entry; do
      case "$entry" in
        '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}' | '${ORIGIN}/'*) ;;
        *) echo "${file#"$folder"/}: '$entry'" ;;
      esac
    done < <(tr ':' '\n' <<<"$entries")
  done < <(find "$folder" -type f -print0)
  echo "$seen"
}

report() {
  local name=$1 minimum=$2 output seen
  output=$(check_folder "$3")
  seen=$(tail -n 1 <<<"$output")
  if [ "$seen" -lt "$minimum" ]; then
    echo "FAIL: $name holds $seen ELF files, expected at least $minimum" >&2
    failures=$((failures + 1))
  fi
  if [ "$(wc -l <<<"$output")" -gt 1 ]; then
    echo "FAIL: library search entries outside the program's own folder in $name:" >&2
    head -n -1 <<<"$output" >&2
    failures=$((failures + 1))
  fi
}

# The program, the tool, two companions, engine, platform library and four plug-ins.
report "the build tree" 10 "$build_dir/bin"
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
report "the install tree" 10 "$work/prefix"
[ "$failures" -eq 0 ] || exit 1
echo "runpath ok"
