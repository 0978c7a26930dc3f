#!/usr/bin/env bash
# Prepares the two data roots before the program starts:
#  - writes Brevion.ini (section CES1, keys CD and HD, Windows-1250 with CR LF) into the configuration
#    directory ($XDG_CONFIG_HOME, default ~/.config) when it is missing, lacks a key, or names a CD
#    tree that no longer exists; the CD root becomes <build-dir>/tree/cd, the HD root stays the one the
#    old file named (default: $XDG_DATA_HOME/brevion, that is ~/.local/share/brevion);
#  - seeds the HD root with the shipped sentence files and grades file (<build-dir>/tree/hd/*.dat);
#  - copies an empty results table only when the HD root has none of that name;
#  - never touches the results log Vysledky.dat.
# Usage: scripts/prepare-data.sh <build-dir>
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <build-dir>" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
shipped_cd="$build/tree/cd"
shipped_hd="$build/tree/hd"
if [ ! -d "$shipped_cd/Bitmap" ] || [ ! -d "$shipped_hd" ]; then
  echo "$0: $build holds no installation tree (tree/cd and tree/hd); build it first" >&2
  exit 1
fi

config_dir="${XDG_CONFIG_HOME:-$HOME/.config}"
ini="$config_dir/Brevion.ini"

# Value of a key of section CES1 (names compared without regard to case), converted to UTF-8.
ini_value() {
  [ -f "$ini" ] || return 0
  iconv -f CP1250 -t UTF-8 "$ini" | tr -d '\r' | awk -v want="$1" '
    /^[ \t]*\[/ { s = tolower($0); gsub(/[ \t\[\]]/, "", s); in_section = (s == "ces1"); next }
    in_section {
      eq = index($0, "="); if (eq == 0) next
      key = substr($0, 1, eq - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (tolower(key) == tolower(want)) { v = substr($0, eq + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
    }'
}

old_cd=$(ini_value CD)
old_hd=$(ini_value HD)
hd="${old_hd:-${XDG_DATA_HOME:-$HOME/.local/share}/brevion}"
hd="${hd%/}"

if [ -z "$old_cd" ] || [ -z "$old_hd" ] || [ ! -d "${old_cd%/}/Bitmap" ]; then
  mkdir -p "$config_dir"
  tmp=$(mktemp "$config_dir/.Brevion.ini.XXXXXX")
  trap 'rm -f "$tmp"' EXIT
  if ! printf '[CES1]\r\nCD=%s\r\nHD=%s\r\n' "$shipped_cd" "$hd" | iconv -f UTF-8 -t CP1250 >"$tmp"; then
    echo "$0: the data paths cannot be written in Windows-1250: $shipped_cd, $hd" >&2
    exit 1
  fi
  mv "$tmp" "$ini"
  trap - EXIT
  echo "wrote $ini (CD=$shipped_cd, HD=$hd)"
fi

mkdir -p "$hd"
for f in "$shipped_hd"/*.dat; do
  [ -e "$f" ] || continue
  name=$(basename "$f")
  [ "$name" = "Vysledky.dat" ] && continue
  cmp -s "$f" "$hd/$name" || cp "$f" "$hd/$name"
done
for f in "$shipped_hd"/*.res; do
  [ -e "$f" ] || continue
  name=$(basename "$f")
  [ -e "$hd/$name" ] || cp "$f" "$hd/$name"
done
