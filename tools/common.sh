# Shared by the tools: the packages they install and which build runs on this host.
# Sourced, not run.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$VELMORA_ROOT"

# Only what is listed here is installed (no recommended packages), so the list
# names everything, down to the build program and the fonts.
# VELMORA_RELEASE_PACKAGES make the release (cmake --workflow --preset package) and no more;
# each release's record names their versions.
mapfile -t VELMORA_RELEASE_PACKAGES < <(grep '^[a-z0-9]' package/debian-packages)
VELMORA_PACKAGES=("${VELMORA_RELEASE_PACKAGES[@]}" clang-format g++-mingw-w64-x86-64
  googletest python3 python3-fonttools python3-pefile wine wine32:i386 wine64 fonts-wine xvfb xdotool)

velmora_log() { printf '[velmora] %s\n' "$*" >&2; }

velmora_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

velmora_install_packages() {
  local missing=() pkg
  for pkg in "${VELMORA_PACKAGES[@]}"; do
    # Debian 13 renamed some libraries for its 64-bit time_t (libarchive13 is libarchive13t64 there).
    velmora_installed "$pkg" || velmora_installed "${pkg}t64" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && { velmora_get_console_data; return; }
  if [ "$(id -u)" -ne 0 ]; then
    velmora_log "missing packages: ${missing[*]}; install them as root (su -, then):"
    echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  velmora_log "installing: ${missing[*]}"
  dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  velmora_get_console_data
}

# console-data is only downloaded and unpacked, not installed, which would ask keyboard questions;
# tools/wine-session makes the console font from its lat1-12.psf.gz, so a test run needs no network.
VELMORA_CONSOLE_DATA=build/console-data
VELMORA_CONSOLE_PSF=$VELMORA_CONSOLE_DATA/root/usr/share/consolefonts/lat1-12.psf.gz
velmora_get_console_data() {
  [ -f "$VELMORA_CONSOLE_PSF" ] && return
  velmora_log "downloading console-data into $VELMORA_CONSOLE_DATA"
  rm -rf "$VELMORA_CONSOLE_DATA" && mkdir -p "$VELMORA_CONSOLE_DATA"
  # As root, apt's own download user could not write here; apt checks the file either way.
  (cd "$VELMORA_CONSOLE_DATA" && apt-get download -qq -o APT::Sandbox::User="$(id -un)" console-data) ||
    { velmora_log "could not download console-data: run apt-get update as root, then this again"; exit 1; }
  dpkg -x "$VELMORA_CONSOLE_DATA"/console-data_*.deb "$VELMORA_CONSOLE_DATA/root"
}

# The one place that picks the build for this host. The program is 32-bit, and
# so are its tests where the kernel runs 32-bit code. Some virtual machines
# cannot (their kernel has IA-32 emulation off): there 32-bit Wine cannot
# start, and the tests and tools run a 64-bit build of the same sources.
velmora_choose_arch() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    VELMORA_TEST_PRESET=test VELMORA_BENCH_PRESET=bench VELMORA_PROGRAM_PRESET=release
    VELMORA_WINE=/usr/lib/wine/wine
  else
    VELMORA_TEST_PRESET=test-x64 VELMORA_BENCH_PRESET=bench-x64 VELMORA_PROGRAM_PRESET=test-x64
    VELMORA_WINE=/usr/lib/wine/wine64
    velmora_log "this kernel cannot run 32-bit programs: using the 64-bit build"
  fi
  VELMORA_EXE=build/$VELMORA_PROGRAM_PRESET/velmora.exe
}

# Builds the program that runs here: the shipped exe, or its 64-bit twin.
velmora_build_program() {
  cmake --preset "$VELMORA_PROGRAM_PRESET" >/dev/null
  cmake --build --preset "$VELMORA_PROGRAM_PRESET" --target velmora
}

# Builds the test preset for this host: the program, its tests and the benchmark.
velmora_build_tests() {
  cmake --preset "$VELMORA_TEST_PRESET" >/dev/null
  cmake --build --preset "$VELMORA_TEST_PRESET"
}

# Runs the rest of the script in the Wine session in DIR (tools/wine-session),
# which ends with the script, on Ctrl+C or a TERM too.
velmora_session() {
  tools/wine-session start "$1" "$VELMORA_WINE"
  trap "tools/wine-session stop '$1'" EXIT
  trap 'exit 130' INT TERM
  source "$1/session.env"
}
