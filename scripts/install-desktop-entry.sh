#!/usr/bin/env bash
# Adds the converter to your desktop's application menu (for your user only):
# writes ~/.local/share/applications/lumora.desktop pointing at the built
# program and puts the icon into ~/.local/share/icons. Build first
# (scripts/build.sh). "--remove" takes both away again.
#
#   bash scripts/install-desktop-entry.sh [--remove] [program]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
data_home="${XDG_DATA_HOME:-$HOME/.local/share}"
entry="$data_home/applications/lumora.desktop"
icon="$data_home/icons/hicolor/scalable/apps/lumora.svg"

refresh_menus() {
  if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$data_home/applications" >/dev/null 2>&1 || true
  fi
  if command -v gtk-update-icon-cache >/dev/null 2>&1; then
    gtk-update-icon-cache -q -t "$data_home/icons/hicolor" >/dev/null 2>&1 || true
  fi
}

if [ "${1:-}" = "--remove" ]; then
  rm -f "$entry" "$icon"
  refresh_menus
  echo "Removed $entry and $icon"
  exit 0
fi

program="$(realpath -m "${1:-$root/build/program/lumora}")"
if [ ! -x "$program" ]; then
  echo "No program at $program; build it first with: bash scripts/build.sh" >&2
  exit 1
fi

# Desktop entries need escapes for these characters in Exec; such paths are
# rare enough to refuse with a clear word instead.
case "$program" in
  *[\"\`\$\\%]* | *$'\n'*)
    echo "The program path $program holds a character a desktop entry can't take" \
         "(\" \` \$ \\ %); move the checkout or pass another path." >&2
    exit 1 ;;
esac

mkdir -p "$(dirname "$entry")" "$(dirname "$icon")"
cp "$root/data/lumora.svg" "$icon"
# The shipped entry with the program's full path, quoted for blanks.
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    Exec=*) printf 'Exec="%s" %%F\n' "$program" ;;
    TryExec=*) printf 'TryExec=%s\n' "$program" ;;
    *) printf '%s\n' "$line" ;;
  esac
done < "$root/data/lumora.desktop" > "$entry"
chmod 644 "$entry"
refresh_menus
echo "Installed $entry"
echo "The converter is now in your application menu as \"Lumora iPhone Video Converter\"."
