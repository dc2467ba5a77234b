# Sourced by the Windows test scripts: start_private_wine PREFIX sets up a
# private, quiet wine in the folder PREFIX (its own prefix, no debug output,
# no offer to install Mono or Gecko), exports WINE64 (the wine64 program)
# and sets `wineserver`, boots the prefix without a display, and stops the
# wine server when the script exits.
start_private_wine() {
  export WINEPREFIX="$1"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # A UTF-8 locale that wine takes for English (en-US): Linux file names in
  # UTF-8 reach Windows programs whatever their letters, and the ANSI code
  # page is 1252, as on a Western machine.
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"
  WINE64=/usr/lib/wine/wine64
  wineserver=/usr/lib/wine/wineserver64
  [[ -x $WINE64 ]] || WINE64="$(command -v wine64)"
  [[ -x $wineserver ]] || wineserver="$(command -v wineserver)"
  export WINE64
  trap '"$wineserver" -k 2>/dev/null || true' EXIT
  (
    unset DISPLAY WAYLAND_DISPLAY
    "$WINE64" wineboot --init >/dev/null 2>&1 || true
    "$wineserver" -w
  )
}
