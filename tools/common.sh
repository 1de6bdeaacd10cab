# Shared set-up for tools/run and tools/test: packages, Wine prefix, display.
# Sourced, not run. Everything it starts is ended by PID in velmora_cleanup.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${VELMORA_WINEPREFIX:-$VELMORA_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: they cannot be downloaded here and the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine sees one host font, made at set-up, and nothing else, so that every
# machine draws the same pictures (see tools/wine-fonts.conf and docs/wine.md).
export FONTCONFIG_FILE=$VELMORA_ROOT/tools/wine-fonts.conf
VELMORA_CONSOLE_FONT=$VELMORA_ROOT/build/console-font/velmora-console.ttf

# Only what is listed here is installed (no recommended packages), so the list
# names everything, down to the build program and the fonts.
VELMORA_PACKAGES=(cmake ninja-build clang-format g++-mingw-w64-i686 g++-mingw-w64-x86-64
  googletest python3 python3-fonttools wine wine32:i386 wine64 fonts-wine xvfb xdotool)
VELMORA_STARTED_PIDS=()

velmora_log() { printf '[velmora] %s\n' "$*" >&2; }

velmora_missing_packages() {
  local missing=() pkg
  for pkg in "${VELMORA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  echo "${missing[@]}"
}

velmora_install_packages() {
  local missing
  missing=$(velmora_missing_packages)
  [ -z "$missing" ] && return 0
  local line="dpkg --add-architecture i386 && apt-get update && apt-get install -y $missing"
  if [ "$(id -u)" -ne 0 ]; then
    velmora_log "missing packages: $missing"
    velmora_log "install them as root with:"
    echo "  sudo sh -c '$line'" >&2
    exit 1
  fi
  velmora_log "installing: $missing"
  dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# The program is 32-bit, and so are its tests where the kernel runs 32-bit
# code. Some virtual machines cannot (their kernel has IA-32 emulation off):
# there 32-bit Wine cannot start, and the tests run a 64-bit build of the same
# sources under 64-bit Wine instead.
velmora_choose_arch() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    VELMORA_TEST_PRESET=test
    export VELMORA_WINE=/usr/lib/wine/wine
  else
    VELMORA_TEST_PRESET=test-x64
    export VELMORA_WINE=/usr/lib/wine/wine64
    velmora_log "this kernel cannot run 32-bit programs: testing the 64-bit build"
  fi
}

wine() { "$VELMORA_WINE" "$@"; }

# Configures a preset; a build directory left by another generator (before
# the presets chose Ninja) is cleared first, or CMake refuses it.
velmora_configure() {
  local dir=$VELMORA_ROOT/build/$1
  if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi
  cmake --preset "$1" >/dev/null
}

# Builds the program to run and sets VELMORA_EXE: the release build, or its
# 64-bit twin where 32-bit code cannot run (see velmora_choose_arch).
velmora_build_program() {
  local preset=release
  VELMORA_EXE=build/release/velmora.exe
  if [ "$VELMORA_TEST_PRESET" != test ]; then
    preset=test-x64
    VELMORA_EXE=build/test-x64/velmora.exe
  fi
  velmora_configure "$preset"
  cmake --build --preset "$preset" --target velmora -j"$(nproc)"
}

# Makes the console font once: the 8 x 12 glyphs of console-data's
# lat1-12.psf as a scalable font, the only kind Wine picks for
# OEM_FIXED_FONT. The package is only unpacked into build/, not installed:
# installing it would ask keyboard questions.
velmora_ensure_console_font() {
  [ -f "$VELMORA_CONSOLE_FONT" ] && return 0
  local data=$VELMORA_ROOT/build/console-data
  velmora_log "making $VELMORA_CONSOLE_FONT from console-data"
  rm -rf "$data" && mkdir -p "$data" "$(dirname "$VELMORA_CONSOLE_FONT")"
  # As root, apt's own download user could not write here; apt checks the file either way.
  (cd "$data" && apt-get download -qq -o APT::Sandbox::User="$(id -un)" console-data)
  dpkg -x "$data"/console-data_*.deb "$data/root"
  "$VELMORA_ROOT/tools/make-console-font" "$data/root/usr/share/consolefonts/lat1-12.psf.gz" \
    "$VELMORA_CONSOLE_FONT.new"
  mv "$VELMORA_CONSOLE_FONT.new" "$VELMORA_CONSOLE_FONT"
}

# Starts Xvfb when there is no usable display.
velmora_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then return 0; fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  VELMORA_STARTED_PIDS+=($!)
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && { velmora_log "started Xvfb on $DISPLAY"; return 0; }
    sleep 0.1
  done
  velmora_log "Xvfb did not start on $DISPLAY"
  exit 1
}

# Creates the Wine prefix once: a virtual desktop for every program (windows
# get frames and close at once), no crash dialogs, and Wine's own fonts. Wine
# reads its fonts only from the prefix's Fonts folder; without them captions
# show "r" for the close box and "MS Sans Serif" becomes some other font.
# Wine remembers the host fonts it saw, so the marker names the host font.
velmora_ensure_prefix() {
  local ready=$WINEPREFIX/.velmora-ready-console-font
  if [ -f "$ready" ]; then return 0; fi
  velmora_log "creating the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$ready"
}

# A persistent wineserver spares every test process the server's start-up.
velmora_start_wineserver() {
  wineserver -p >/dev/null 2>&1 || true  # one may still be running
  wine cmd /c exit >/dev/null 2>&1
}

velmora_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  local pid
  for pid in "${VELMORA_STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
}

velmora_prepare() {
  velmora_install_packages
  velmora_ensure_console_font
  velmora_choose_arch
  velmora_ensure_display
  trap velmora_cleanup EXIT
  velmora_ensure_prefix
  velmora_start_wineserver
}
