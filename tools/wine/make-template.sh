#!/usr/bin/env bash
# Makes the template Wine prefix once: zh_CN locale, a virtual desktop with a taskbar, marlett.
# Every run copies it. Safe to call from parallel test runs.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh"
mkdir -p "$TALVIK_WINE_DIR"
exec 9>"$TALVIK_WINE_DIR/template.lock"
flock 9
[ -f "$TALVIK_WINE_TEMPLATE/.ready" ] && exit 0

tmp=$TALVIK_WINE_DIR/template.new
rm -rf "$tmp" && mkdir -p "$tmp/home"
export WINEPREFIX=$tmp/prefix HOME=$tmp/home
DISPLAY= timeout 180 wineboot -i >/dev/null 2>&1
cat > "$tmp/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
DISPLAY= timeout 60 "$wine_bin" regedit /S "$(winepath -w "$tmp/settings.reg" 2>/dev/null || echo 'Z:'"${tmp//\//\\}"'\settings.reg')" >/dev/null 2>&1
timeout 60 wineserver -w || true
fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
  [ -f "$f" ] && cp "$f" "$fonts/" && break
done
# A copy must make its own server socket folder.
rm -f "$WINEPREFIX/wineserver"
rm -rf "$TALVIK_WINE_TEMPLATE"
mv "$tmp" "$TALVIK_WINE_TEMPLATE"
touch "$TALVIK_WINE_TEMPLATE/.ready"
echo "Wine template prefix made in $TALVIK_WINE_TEMPLATE"
