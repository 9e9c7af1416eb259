# Sourced by the scripts that run the Windows programs under wine: a prefix of their own in
# build-windows/, set up once and reused, with Chinese text, and wine's own texts in Chinese,
# on a private display (x-session.sh).
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"
wine_loader_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/wine-loader" && pwd)

wine_environment() {
  export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wineprefix}
  # Every `wine` below, CTest's too, is the loader for the prefix's kind: 64-bit unless the
  # caller chose the 32-bit one for a 32-bit prefix (WINEARCH=win32).
  export WINELOADER=${WINELOADER:-/usr/lib/wine/wine64}
  case ":$PATH:" in *":$wine_loader_dir:"*) ;; *) export PATH=$wine_loader_dir:$PATH ;; esac
  export WINEDEBUG=-all
  # No Mono or Gecko prompts, no menu entries on the host.
  export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
  export HOME=$WINEPREFIX/home
}

# Runs a command with wine's own texts (the message box's "确定") in Chinese; the host need
# not have that locale.
in_chinese() {
  env LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 "$@"
}

# 宋体 and the dialog font resolve to Noto CJK, which draws Chinese; without a window manager
# wine draws its own frames, so closing and hiding a window never waits for one. A window colour
# other than white and a button text colour other than black tell apart the colours the About
# window's labels are drawn in.
# The settings go in as a UTF-16 registry file, so that the Chinese name survives whatever
# the host's locale.
configure_prefix() {
  local settings=$WINEPREFIX/velmo.reg
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"宋体"="Noto Serif CJK SC"' '"SimSun"="Noto Serif CJK SC"' '"Tahoma"="Noto Sans CJK SC"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Control Panel\Colors]' '"Window"="255 255 224"' '"ButtonText"="0 0 128"' |
    iconv -f UTF-8 -t UTF-16 > "$settings"
  wine regedit /S "$settings"
  # The caption buttons' glyphs, which wine does not find by itself.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# What the prefix was made with: this project's settings and the wine packages installed. A
# prefix made before wine32 was installed runs nothing afterwards, so it is made anew.
prefix_made_with() {
  echo "settings 5"
  dpkg-query -W -f '${Package}:${Architecture} ${Version}\n' 'wine*' 'libwine*' 2> /dev/null | sort
}

start_wine() {
  wine_environment
  if [ "$(cat "$WINEPREFIX/.velmo-made-with" 2> /dev/null)" != "$(prefix_made_with)" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$HOME"
    wine wineboot --init > /dev/null 2>&1
    configure_prefix > /dev/null 2>&1
    wineserver -w
    prefix_made_with > "$WINEPREFIX/.velmo-made-with"
  fi
  # One wineserver for the whole run, with wine's own services started by a first program that
  # holds no pipe of a test's: started by a test, they would keep its output open for seconds.
  wineserver -p
  wine cmd /c exit > /dev/null 2>&1
}

# The prefix's display scale, with wineserver restarted, as Windows asks a user to sign in
# again. The server and wine's services outlive the caller: they hold none of its output, or
# whoever reads it would wait for them.
set_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f > /dev/null 2>&1
  done
  wineserver -k 2> /dev/null || true
  wineserver -w
  wineserver -p > /dev/null 2>&1
  wine cmd /c exit > /dev/null 2>&1
}

stop_wine() {
  wineserver -k 2> /dev/null || true
  wineserver -w 2> /dev/null || true
}

# The display and wine on it, both ended when the calling script ends.
start_wine_session() {
  pids=()
  trap 'stop_wine; end_session' EXIT
  start_x_server 1920x1200x24
  start_wine
}
