# Sourced helpers for running the Windows test programs under Wine on a private
# prefix and an Xvfb display. Defaults can be overridden from the environment.

kelgui_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$kelgui_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}

# Makes the prefix once: boot it, then turn off the X11 window-manager handshake
# (closing a window otherwise waits ~2 s for a manager that Xvfb doesn't have) and
# the crash dialog (a crashing test must end, not wait for a click).
kelgui_ensure_prefix() {
  local ready=$WINEPREFIX/.kelgui-ready
  [[ -f $ready ]] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    # Serialises concurrent first uses (ctest may start several programs at once).
    flock 9
    [[ -f $ready ]] && exit 0
    local start=$SECONDS
    rm -rf "$WINEPREFIX"
    # No Mono/Gecko installer prompts: they would wait for a click on the display.
    WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    # Wine looks for its own fonts (the "System" bitmap fonts, Tahoma behind
    # "MS Shell Dlg", Marlett for caption buttons and check marks) in the prefix's
    # Fonts folder, which this packaging leaves empty: put them there.
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$ready"
    echo "wine-env: made prefix $WINEPREFIX in $((SECONDS - start)) s" >&2
  ) 9>"$WINEPREFIX.lock"
}

# Japanese text needs a Japanese font, which Wine does not bring: IPA Gothic
# goes into the prefix's Fonts folder and stands in for the fonts that Japanese
# dialogs and Wine's font links ask for. Done once per prefix, also for prefixes
# made before this step existed.
kelgui_ensure_japanese_font() {
  local marker=$WINEPREFIX/.kelgui-japanese-font
  [[ -f $marker ]] && return 0
  (
    flock 9
    [[ -f $marker ]] && exit 0
    cp -n /usr/share/fonts/opentype/ipafont-gothic/ipag*.ttf \
      "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    local reg=$WINEPREFIX/japanese-fonts.reg
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"MS UI Gothic"="IPAGothic"' '"MS Gothic"="IPAGothic"' '"MS Mincho"="IPAGothic"' \
      '"MS PGothic"="IPAPGothic"' '"MS PMincho"="IPAPGothic"' >"$reg"
    wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
    wineserver -w
    touch "$marker"
  ) 9>"$WINEPREFIX.lock"
}

# Starts an Xvfb on a free display number and exports DISPLAY; sets kelgui_xvfb_pid.
kelgui_start_xvfb() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  kelgui_xvfb_pid=$!
  local i
  for ((i = 0; i < 100; i++)); do
    [[ -s $fdfile ]] && break
    kill -0 "$kelgui_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -s $fdfile ]]; then
    echo "wine-env: Xvfb did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=:$(tr -d '[:space:]' <"$fdfile")
  rm -f "$fdfile"
}

# One display and one kept-alive wineserver for a whole run, stopped on any exit.
kelgui_start_session() {
  export KELGUI_SESSION=1 # scripts run inside it use it rather than start their own
  trap kelgui_stop_session EXIT
  trap 'exit 130' INT TERM
  if [[ -z ${DISPLAY:-} ]]; then
    kelgui_start_xvfb
  fi
  # A server left over from an interrupted run on this private prefix would keep
  # the old display; start from a clean slate.
  wineserver -k 2>/dev/null || true
  kelgui_ensure_prefix
  kelgui_ensure_japanese_font
  wineserver -p
  # The first program of a session starts Wine's background services, which stay up
  # with the kept-alive server; start them here so that they don't hold on to the
  # output pipe of the first test (ctest would wait for it until the timeout).
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}

kelgui_stop_session() {
  wineserver -k 2>/dev/null || true
  if [[ -n ${kelgui_xvfb_pid:-} ]]; then
    kill "$kelgui_xvfb_pid" 2>/dev/null || true
    wait "$kelgui_xvfb_pid" 2>/dev/null || true
    kelgui_xvfb_pid=
  fi
}
