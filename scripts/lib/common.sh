# Shared by the scripts: paths, setup check, builds, the private Wine prefix
# and the private X display. Sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"
NATIVE_BUILD="$BUILD/native"
WIN32_BUILD="$BUILD/win32"   # the product: zafrena.exe, PE32 i686
WIN64_BUILD="$BUILD/win64"   # the same code for 64-bit Windows
export WINEPREFIX="$BUILD/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Some kernels run no 32-bit code at all (no IA-32 emulation), and so no
# 32-bit Wine: there the tests and scripts/run use the 64-bit build.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  RUN_BUILD="$WIN32_BUILD"
  WINE=wine
else
  RUN_BUILD="$WIN64_BUILD"
  WINE=/usr/lib/wine/wine64
  export WINELOADER="$WINE"
fi

ensure_setup() {
  "$ROOT/scripts/setup"  # cheap when everything is there
}

# Both Windows builds; the tests are built in the one that runs here.
build_win() {
  local tree arch tests
  for arch in i686 x86_64; do
    [ "$arch" = i686 ] && tree="$WIN32_BUILD" || tree="$WIN64_BUILD"
    [ "$tree" = "$RUN_BUILD" ] && tests=ON || tests=OFF
    cmake -S "$ROOT" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAFRENA_TESTS=$tests \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" >/dev/null
    cmake --build "$tree"
  done
}

build_native() {
  cmake -S "$ROOT" -B "$NATIVE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$NATIVE_BUILD"
}

# A prefix of the build's own, with Wine's fonts copied in and the faces
# that Wine lacks mapped to free ones from Debian.
prepare_prefix() {
  local stamp="$WINEPREFIX/.zafrena-ready"
  [ -f "$stamp" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1
  wineserver -w
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  "$WINE" reg add "$key" /v "Comic Sans MS" /d "Comic Neue" /f >/dev/null 2>&1
  "$WINE" reg add "$key" /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
  "$WINE" reg add "$key" /v "MS Serif" /d "Liberation Serif" /f >/dev/null 2>&1
  # Unmanaged X windows: with no window manager, Wine otherwise waits about
  # 2 s for every window it hides.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # Mail goes to the desktop's xdg-email (Wine would try /usr/bin/open first).
  "$WINE" reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d xdg-email /f >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

# Starts a private X server unless one was asked for; sets DISPLAY.
start_xvfb() {
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# One wineserver for the whole run, and Wine's own services started now,
# with no inherited output: started by a test, they would hold its pipe open.
start_wine() {
  wineserver -p >/dev/null 2>&1 &
  "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
}

stop_wine() {
  wineserver -k 2>/dev/null || true
}
