# Sourced helpers for running the Windows programs under Wine on private
# prefixes and an Xvfb display. Defaults can be overridden from the environment.
#
# Machines come two ways: some run 32-bit x86 Linux programs, some do not (every
# i386 program, Wine's 32-bit loader included, fails with "Exec format error").
# kelgui_decide_machine finds out once per run which way this one goes:
#   native    x86_64 and i686 programs through Debian's wine, one prefix;
#   emulated  x86_64 through Wine's 64-bit loader started directly, i686 through
#             32-bit Wine under qemu-i386 in a private namespace
#             (tools/i386-namespace.sh), in a 32-bit prefix of its own;
#   none      x86_64 as under emulated; the i686 programs are not run.
# KELGUI_I686_MODE=native|emulated|none set beforehand forces a way.
#
# Display scale: Wine reads it (LogPixels) when a prefix's server starts, so
# KELGUI_DPI=144 or 192 picks prefixes of that scale beside the 96-dpi ones
# (WINEPREFIX-dpi144 ...), copied from them with LogPixels set on first use;
# within a session their servers start on first use and stay up with the rest.

kelgui_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$kelgui_root/build/wineprefix}
export KELGUI_WINEPREFIX32=${KELGUI_WINEPREFIX32:-$kelgui_root/build/wineprefix32}
export WINEDEBUG=${WINEDEBUG:--all}
kelgui_wine32_loader=/usr/lib/wine/wine
kelgui_wine64_loader=/usr/lib/wine/wine64

# Decides how this machine runs i686 programs and says so once (to stderr);
# later calls and child scripts reuse the decision from the environment.
kelgui_decide_machine() {
  if [[ -z ${KELGUI_MACHINE_DECIDED:-} ]]; then
    local why forced=${KELGUI_I686_MODE:-}
    case $forced in
      native | emulated | none | '') ;;
      *) echo "wine-env: KELGUI_I686_MODE must be native, emulated or none" >&2; return 2 ;;
    esac
    if [[ -z $forced ]] && why=$("$kelgui_wine32_loader" --version 2>&1); then
      KELGUI_I686_MODE=native
      KELGUI_I686_WHY="this machine runs 32-bit programs"
    elif [[ $forced == native ]]; then
      KELGUI_I686_WHY="forced by KELGUI_I686_MODE"
    else
      [[ -n $forced ]] && why="forced by KELGUI_I686_MODE" ||
        why="the 32-bit Wine loader does not start: ${why:-missing}"
      KELGUI_I686_MODE=${forced:-emulated}
      if [[ $KELGUI_I686_MODE == emulated ]]; then
        local failure
        mkdir -p "$kelgui_root/build"
        if ! KELGUI_QEMU_I386=$(bash "$kelgui_root/tools/qemu-i386.sh" "$kelgui_root/build/emulator" \
          2>"$kelgui_root/build/emulator.log"); then
          failure=$(tail -1 "$kelgui_root/build/emulator.log")
        elif ! failure=$(bash "$kelgui_root/tools/i386-namespace.sh" "$KELGUI_QEMU_I386" \
          "$kelgui_wine32_loader" --version 2>&1); then
          failure="no private binfmt_misc for the emulator (Linux 6.7 or later with user namespaces): ${failure##*$'\n'}"
        else
          failure=
          why="$why; qemu-i386 $("$KELGUI_QEMU_I386" --version | sed -n '1s/.*version \([^ ]*\).*/\1/p')"
        fi
        if [[ -n $failure ]]; then
          KELGUI_I686_MODE=none
          why="$why, and no emulation: $failure"
        fi
      fi
      KELGUI_I686_WHY=$why
    fi
    export KELGUI_I686_MODE KELGUI_I686_WHY KELGUI_QEMU_I386 KELGUI_MACHINE_DECIDED=1
    case $KELGUI_I686_MODE in
      native) echo "machine: x86_64 and i686 programs run under Wine ($KELGUI_I686_WHY)" >&2 ;;
      emulated) echo "machine: x86_64 through Wine's 64-bit loader; i686 under user-mode emulation ($KELGUI_I686_WHY)" >&2 ;;
      none) echo "machine: x86_64 through Wine's 64-bit loader; i686: NOT RUN ($KELGUI_I686_WHY)" >&2 ;;
    esac
  fi
}

# The architecture of a Windows program: i686 for a 32-bit x86 PE file,
# otherwise x86_64 (Wine's own programs, named without a path, included).
kelgui_pe_arch() {
  local offset machine
  if [[ -f $1 ]] && offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null) &&
    machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null) && [[ ${machine// /} == 014c ]]; then
    echo i686
  else
    echo x86_64
  fi
}

kelgui_prefix_of() { # arch [dpi]
  local prefix=$WINEPREFIX dpi=${2:-${KELGUI_DPI:-96}}
  [[ $1 == i686 && $KELGUI_I686_MODE != native ]] && prefix=$KELGUI_WINEPREFIX32
  [[ $dpi == 96 ]] && echo "$prefix" || echo "$prefix-dpi$dpi"
}

# Runs a Wine command (a program, wineboot, reg, wineserver ...) for the
# programs of one architecture, the way this machine runs them.
kelgui_wine_as() { # arch command [args...]
  local arch=$1 command=$2 prefix
  shift 2
  kelgui_decide_machine || return
  prefix=$(kelgui_prefix_of "$arch")
  case $arch:$KELGUI_I686_MODE:$command in
    *:native:wineserver | x86_64:*:wineserver) WINEPREFIX=$prefix wineserver "$@" ;;
    *:native:*) WINEPREFIX=$prefix wine "$command" "$@" ;;
    x86_64:*) WINEPREFIX=$prefix WINELOADER=$kelgui_wine64_loader "$kelgui_wine64_loader" "$command" "$@" ;;
    i686:emulated:wineserver)
      WINEPREFIX=$prefix WINEARCH=win32 bash "$kelgui_root/tools/i386-namespace.sh" \
        "$KELGUI_QEMU_I386" wineserver "$@" ;;
    i686:emulated:*)
      WINEPREFIX=$prefix WINEARCH=win32 bash "$kelgui_root/tools/i386-namespace.sh" \
        "$KELGUI_QEMU_I386" wine "$command" "$@" ;;
    *) echo "wine-env: i686 programs do not run here ($KELGUI_I686_WHY)" >&2; return 125 ;;
  esac
}

# Runs a Windows program under the Wine of its own architecture.
kelgui_wine() { # program [args...]
  kelgui_wine_as "$(kelgui_pe_arch "$1")" "$@"
}

# The architectures whose programs this machine runs, one per prefix in use.
kelgui_prefix_arches() {
  kelgui_decide_machine || return
  [[ $KELGUI_I686_MODE == emulated ]] && echo x86_64 i686 || echo x86_64
}

# Makes the prefix of arch once: boot it, then turn off the X11 window-manager
# handshake (closing a window otherwise waits ~2 s for a manager that Xvfb
# doesn't have) and the crash dialog (a crashing test must end, not wait for a
# click), and give it Wine's fonts and a Japanese one.
kelgui_ensure_prefix() { # [arch]
  local arch=${1:-x86_64} prefix
  [[ ${KELGUI_DPI:-96} == 96 ]] || { kelgui_ensure_scaled_prefix "$arch"; return; }
  prefix=$(kelgui_prefix_of "$arch")
  [[ -f $prefix/.kelgui-ready ]] && return 0
  mkdir -p "$(dirname "$prefix")"
  (
    # Serialises concurrent first uses (ctest may start several programs at once).
    flock 9
    [[ -f $prefix/.kelgui-ready ]] && exit 0
    local start=$SECONDS
    rm -rf "$prefix"
    # No Mono/Gecko installer prompts: they would wait for a click on the display.
    WINEDLLOVERRIDES="mscoree,mshtml=" kelgui_wine_as "$arch" wineboot -i >/dev/null 2>&1
    kelgui_wine_as "$arch" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      >/dev/null 2>&1
    kelgui_wine_as "$arch" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD \
      /d 0 /f >/dev/null 2>&1
    # Wine looks for its own fonts (the "System" bitmap fonts, Tahoma behind
    # "MS Shell Dlg", Marlett for caption buttons and check marks) in the
    # prefix's Fonts folder, which this packaging leaves empty. Japanese text
    # needs a Japanese font, which Wine does not bring: IPA Gothic stands in for
    # the fonts that Japanese dialogs and Wine's font links ask for.
    cp -n /usr/share/wine/fonts/* /usr/share/fonts/opentype/ipafont-gothic/ipag*.ttf \
      "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    local reg=$prefix/japanese-fonts.reg
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"MS UI Gothic"="IPAGothic"' '"MS Gothic"="IPAGothic"' '"MS Mincho"="IPAGothic"' \
      '"MS PGothic"="IPAPGothic"' '"MS PMincho"="IPAPGothic"' >"$reg"
    kelgui_wine_as "$arch" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
    kelgui_wine_as "$arch" wineserver -w
    touch "$prefix/.kelgui-ready"
    echo "wine-env: made the $arch prefix $prefix in $((SECONDS - start)) s" >&2
  ) 9>"$prefix.lock"
}

# The KELGUI_DPI prefix of arch: a copy of the 96-dpi one (a second or so)
# with LogPixels set for its next server start; inside a session its server
# is then kept alive until the session ends.
kelgui_ensure_scaled_prefix() { # arch
  local arch=$1 prefix
  prefix=$(kelgui_prefix_of "$arch")
  [[ -f $prefix/.kelgui-ready && ( -z ${KELGUI_SESSION:-} ||
    $(cat "$prefix/.kelgui-server" 2>/dev/null) == "$KELGUI_SESSION" ) ]] && return 0
  KELGUI_DPI=96 kelgui_ensure_prefix "$arch"
  (
    flock 9
    if [[ ! -f $prefix/.kelgui-ready ]]; then
      rm -rf "$prefix"
      cp -a "$(kelgui_prefix_of "$arch" 96)" "$prefix"
      rm -f "$prefix/.kelgui-ready" "$prefix/.kelgui-server"
      local key
      for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        kelgui_wine_as "$arch" reg add "$key" /v LogPixels /t REG_DWORD /d "$KELGUI_DPI" /f \
          >/dev/null 2>&1
      done
      kelgui_wine_as "$arch" wineserver -w
      touch "$prefix/.kelgui-ready"
      echo "wine-env: made the $arch prefix $prefix at $KELGUI_DPI dpi" >&2
    fi
    if [[ -n ${KELGUI_SESSION:-} && $(cat "$prefix/.kelgui-server" 2>/dev/null) != "$KELGUI_SESSION" ]]; then
      kelgui_wine_as "$arch" wineserver -k 2>/dev/null || true # left from an interrupted run
      kelgui_start_server "$arch" </dev/null >/dev/null 2>&1
      echo "$KELGUI_SESSION" >"$prefix/.kelgui-server"
    fi
  ) 9>"$prefix.lock"
}

# Keeps the server of arch's prefix alive and starts Wine's background
# services with it, so that they don't hold on to the output pipe of the first
# program run there (ctest would wait for it until the timeout).
kelgui_start_server() { # arch
  kelgui_wine_as "$1" wineserver -p
  kelgui_wine_as "$1" cmd.exe /c exit </dev/null >/dev/null 2>&1
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

# One display and one kept-alive wineserver per prefix for a whole run, stopped
# on any exit.
kelgui_start_session() {
  export KELGUI_SESSION=$BASHPID.$RANDOM # scripts run inside it use it rather than start their own
  trap kelgui_stop_session EXIT
  trap 'exit 130' INT TERM
  kelgui_decide_machine
  if [[ -z ${DISPLAY:-} ]]; then
    kelgui_start_xvfb
  fi
  local arch
  for arch in $(kelgui_prefix_arches); do
    # A server left over from an interrupted run on this private prefix would
    # keep the old display; start from a clean slate.
    kelgui_wine_as "$arch" wineserver -k 2>/dev/null || true
    kelgui_ensure_prefix "$arch"
    kelgui_start_server "$arch"
  done
}

kelgui_stop_session() {
  local arch server
  for arch in $(kelgui_prefix_arches); do
    kelgui_wine_as "$arch" wineserver -k 2>/dev/null || true
    # The servers of the other scales that this session started.
    for server in "$(kelgui_prefix_of "$arch" 96)"-dpi*/.kelgui-server; do
      [[ -f $server ]] || continue
      rm -f "$server"
      server=${server%/.kelgui-server}
      KELGUI_DPI=${server##*-dpi} kelgui_wine_as "$arch" wineserver -k 2>/dev/null || true
    done
  done
  if [[ -n ${kelgui_xvfb_pid:-} ]]; then
    kill "$kelgui_xvfb_pid" 2>/dev/null || true
    wait "$kelgui_xvfb_pid" 2>/dev/null || true
    kelgui_xvfb_pid=
  fi
}
