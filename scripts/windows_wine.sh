# Wine under its own Xvfb, for the Windows passes. Sourced, not run:
#
#   . scripts/windows_wine.sh
#   wine_begin build/windows/wine     # display, prefix (made once), a wineserver kept running,
#                                     # and a Wine desktop of 1280 x 1024 that the programs run in
#   wine some.exe ...
#   wine_dpi 144                      # the desktop's scale for programs started from now on
#   wine_end                          # stops the wineserver and the display
#
# The prefix lives in the folder given, so the pass never touches ~/.wine.

export WINEDEBUG=-all
# No add-on downloads, no menu files written into the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export WINEARCH=win64

wine_xvfb_pid=

wine_begin() {
  local folder
  folder="$(mkdir -p "$1" && cd "$1" && pwd)"
  export WINEPREFIX="$folder/prefix"

  # Xvfb picks a free display number itself and writes it to fd 3.
  local displayfile="$folder/display"
  rm -f "$displayfile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >"$folder/xvfb.log" 2>&1 &
  wine_xvfb_pid=$!
  local tries=0
  until [ -s "$displayfile" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$wine_xvfb_pid" 2>/dev/null; then
      echo "wine: Xvfb did not start: $(cat "$folder/xvfb.log")" >&2
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$(head -1 "$displayfile")"

  # A wineserver that stays up for the whole pass: without it each wine call
  # starts one that lingers for seconds and holds the output pipes open.
  # wineboot makes the prefix the first time, and every time starts Wine's
  # services here, with their output in a log: a service started by a later
  # `wine` would keep that command's output pipe open after it ends.
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
    wineserver -p
    timeout 120 wineboot -i </dev/null >"$folder/wineboot.log" 2>&1
    # Every program in one Wine desktop window that Wine manages itself, as
    # Windows does: captions, close boxes, activation and focus, with no
    # window manager on the display. The desktop starts with the services,
    # so Wine starts again once it is set.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wineserver -k
    wineserver -w
  fi
  # Wine's own fonts (fonts-wine), where Wine looks for a Windows' fonts:
  # Marlett draws the caption buttons, Tahoma is the dialog font.
  local font
  for font in /usr/share/wine/fonts/*.ttf; do
    [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  wineserver -p
  timeout 60 wineboot </dev/null >>"$folder/wineboot.log" 2>&1
}

# LogPixels is read when a program starts: 96 is 100 %, 144 is 150 %, 192 is 200 %.
wine_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

wine_end() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "$wine_xvfb_pid" ]; then
    kill "$wine_xvfb_pid" 2>/dev/null || true
    wait "$wine_xvfb_pid" 2>/dev/null || true
    wine_xvfb_pid=
  fi
}
