#!/usr/bin/env bash
# The source-package entries the bootstrap adds are made from the machine's own apt
# configuration: each enabled "deb" entry again as "deb-src", in the one-line and the
# deb822 formats, so that no download host is written into the project.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/apt-source-entries.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/dusk-apt.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/apt/sources.list.d" "$work/out"

cat >"$work/apt/sources.list" <<'LIST'
# deb http://mirror.invalid/old stable main
deb http://mirror.invalid/debian bookworm main contrib
deb [arch=amd64 signed-by=/k.gpg] http://mirror.invalid/extra bookworm main
deb-src http://mirror.invalid/debian bookworm main
LIST
cat >"$work/apt/sources.list.d/main.sources" <<'SRC'
Types: deb
# a comment inside the stanza
URIs: http://mirror.invalid/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 xyz
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
URIs: http://mirror.invalid/off
Suites: bookworm
Components: main
Enabled: no
SRC
printf 'Types: deb-src deb\nURIs: http://mirror.invalid/sec\nSuites: bookworm-security\nComponents: main' \
  >"$work/apt/sources.list.d/security.sources"   # no blank line at the end
printf 'deb http://mirror.invalid/ignored bookworm main\n' >"$work/apt/sources.list.d/x.list.disabled"

bash "$script" "$work/apt" "$work/out"
check "runs" "$?" 0
check "one-line entries" "$(cat "$work/out/dusklatch-src.list")" \
"deb-src http://mirror.invalid/debian bookworm main contrib
deb-src [arch=amd64 signed-by=/k.gpg] http://mirror.invalid/extra bookworm main"
check "deb822 stanzas" "$(cat "$work/out/dusklatch-src.sources")" \
"Types: deb-src
URIs: http://mirror.invalid/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 xyz
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb-src
URIs: http://mirror.invalid/sec
Suites: bookworm-security
Components: main"

# Only deb822 files: no empty one-line file is left behind.
rm -f "$work/apt/sources.list" "$work/out"/*
bash "$script" "$work/apt" "$work/out"
check "nothing written for a format the machine does not use" "$(ls "$work/out")" "dusklatch-src.sources"
# The project itself names no download host.
root=$(cd "$(dirname "$0")/../.." && pwd)
check "no host in the scripts" "$(grep -lE 'deb\.debian\.org|debian\.org/debian' "$root"/scripts/* 2>/dev/null)" ""
summary
