#!/usr/bin/env bash
# Writes the source-package entries that match the machine's own package entries: every
# enabled "deb" entry of the apt configuration under $1 (default /etc/apt) again with
# "deb-src", one-line entries into $2/dusklatch-src.list and deb822 stanzas into
# $2/dusklatch-src.sources (default: $1/sources.list.d). Whatever mirror the machine
# uses is used for the sources too. A file that would be empty is not written.
set -euo pipefail
apt_dir=${1:-/etc/apt}
out_dir=${2:-$apt_dir/sources.list.d}

one_line_files=()
[ -f "$apt_dir/sources.list" ] && one_line_files+=("$apt_dir/sources.list")
for f in "$apt_dir"/sources.list.d/*.list; do
  [ -f "$f" ] && [ "$(basename "$f")" != dusklatch-src.list ] && one_line_files+=("$f")
done
deb822_files=()
for f in "$apt_dir"/sources.list.d/*.sources; do
  [ -f "$f" ] && [ "$(basename "$f")" != dusklatch-src.sources ] && deb822_files+=("$f")
done

one_line=""
if [ ${#one_line_files[@]} -gt 0 ]; then
  # "deb [options] uri suite components": the same with deb-src.
  one_line=$(awk '$1 == "deb" { $1 = "deb-src"; print }' "${one_line_files[@]}")
fi

deb822=""
if [ ${#deb822_files[@]} -gt 0 ]; then
  # Stanzas are separated by blank lines; a line starting with a blank continues the
  # field above it (a key block); comments are dropped.
  deb822=$(awk '
    function flush(   i, n, types, has_deb) {
      if (count > 0 && enabled) {
        n = split(typesline, types, /[ \t]+/)
        has_deb = 0
        for (i = 1; i <= n; i++) if (types[i] == "deb") has_deb = 1
        if (has_deb) {
          if (printed) print ""
          print "Types: deb-src"
          for (i = 1; i <= count; i++) print lines[i]
          printed = 1
        }
      }
      count = 0; enabled = 1; typesline = ""
    }
    BEGIN { count = 0; enabled = 1; printed = 0 }
    FNR == 1 && NR > 1 { flush() }  # a file ends its last stanza
    /^[ \t]*#/ { next }
    /^[ \t]*$/ { flush(); next }
    /^[ \t]/ { if (keep) lines[++count] = $0; next }
    {
      field = tolower($0); sub(/:.*/, "", field)
      value = $0; sub(/^[^:]*:[ \t]*/, "", value)
      keep = 1
      if (field == "types") { typesline = value; keep = 0; next }
      if (field == "enabled" && tolower(value) == "no") enabled = 0
      lines[++count] = $0
    }
    END { flush() }
  ' "${deb822_files[@]}")
fi

[ -n "$one_line" ] && printf '%s\n' "$one_line" >"$out_dir/dusklatch-src.list"
[ -n "$deb822" ] && printf '%s\n' "$deb822" >"$out_dir/dusklatch-src.sources"
exit 0
