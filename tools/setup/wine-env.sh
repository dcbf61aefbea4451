# Sourced: the Wine environment of one build folder ($1). Creates the prefix on first use.
# 64-bit loader only; see tools/setup/deps.sh.
quavlet_build_dir=$(cd "$1" && pwd)
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEPREFIX="$quavlet_build_dir/wineprefix"
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
# A null ALSA device, so media graphs build and play in real time without a sound card.
export QUAVLET_HOME="$quavlet_build_dir/home"

# The marker names the prefix's set-up; a changed set-up gets a new name, so older prefixes are
# made anew.
quavlet_prefix_marker=.quavlet-ready-4
quavlet_prefix_ready() { [ -f "$WINEPREFIX/$quavlet_prefix_marker" ]; }

quavlet_make_prefix() {
  quavlet_prefix_ready && return 0
  echo "Creating the Wine prefix in $WINEPREFIX (first run only)..."
  rm -rf "$WINEPREFIX"
  mkdir -p "$QUAVLET_HOME/Desktop"
  [ -f "$QUAVLET_HOME/.asoundrc" ] || echo 'pcm.!default { type null }' > "$QUAVLET_HOME/.asoundrc"
  # Made with HOME in the build folder, so its Desktop and Documents never point at the real home.
  HOME="$QUAVLET_HOME" "$WINE" wineboot -i </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
  local script_dir
  script_dir=$(dirname "${BASH_SOURCE[0]}")
  # Crashes end the process at once instead of hanging in winedbg.
  "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # "宋体" and friends get a face with CJK glyphs; the Sharp cut is the one that stays legible
  # at the interface's 12 pixels.
  python3 - "$WINEPREFIX/drive_c/quavlet-fonts.reg" <<'PY'
import sys
text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"
for name in ["SimSun", "NSimSun", "宋体", "新宋体"]:
    text += '"%s"="WenQuanYi Zen Hei Sharp"\r\n' % name
open(sys.argv[1], "wb").write(b"\xff\xfe" + text.encode("utf-16-le"))
PY
  "$WINE" regedit /S 'C:\quavlet-fonts.reg' >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/$quavlet_prefix_marker"
}

# quavlet_headless_wine [persistent]: a run under its own Xvfb with the prefix made, HOME in
# the build folder and no window manager; with "persistent", a wineserver that stays up between
# the programs started (each would otherwise pay about 3 s to start one) and the prefix brought
# up to date once. quavlet_end_headless_wine, from the caller's EXIT trap, stops both.
quavlet_headless_wine() {
  quavlet_make_prefix
  export HOME="$QUAVLET_HOME"
  quavlet_start_xvfb || return 1
  if [ "${1:-}" = persistent ]; then
    "$WINESERVER" -p
    "$WINE" wineboot -u </dev/null >/dev/null 2>&1
  fi
  quavlet_window_manager off
}

quavlet_end_headless_wine() {
  "$WINESERVER" -k 2>/dev/null || true
  quavlet_stop_xvfb
}

# quavlet_window_manager on|off: whether Wine hands its windows to the X window manager. Under
# Xvfb there is none, and Wine would wait up to 2 s for it each time a shown window goes, so the
# headless runs switch it off; on a desktop it stays on.
quavlet_window_manager() {
  if [ "$1" = off ]; then
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  else
    "$WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
  fi
  return 0
}
