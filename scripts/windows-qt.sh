# shellcheck shell=bash
# Finds (or builds) a Qt 6 for MinGW x86_64 for the Windows build of the
# window. Sourced by scripts/build-windows.sh and scripts/test-windows-gui.sh;
# defines functions only. The routes, in this order:
#
#   1. ZUM_WINDOWS_QT: a folder holding an installed Qt 6 for MinGW x86_64
#      (as Qt's own installer lays it out, e.g. C:\Qt\6.4.2\mingw_64 copied
#      over). Used as it is, or refused.
#   2. The prebuilt archive ../shared/qt/qt6-mingw64-*.tar.xz beside the
#      project, unpacked once into the cache folder.
#   3. Qt built here from Debian's qt6-base source package (the version of
#      the host's qt6-base-dev, whose moc, rcc and uic the build uses) into
#      the cache folder. Tens of minutes on two cores.
#
# The cache folder is ${XDG_CACHE_HOME:-$HOME/.cache}/zum. Routes 2 and 3
# work in a temporary folder inside it and rename the finished Qt into place,
# so a Qt folder in the cache is always complete.

zum_qt_cache_dir() {
  echo "${XDG_CACHE_HOME:-$HOME/.cache}/zum"
}

# The upstream version of the host's qt6-base-dev (e.g. 6.4.2), or nothing.
zum_host_qt_version() {
  local version
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || return 0
  version=${version#*:}
  version=${version%%+*}
  echo "${version%%-*}"
}

# The three routes, for messages.
zum_qt_routes() {
  cat <<EOF
A Windows build needs a Qt 6 for MinGW x86_64, found in this order:
  1. ZUM_WINDOWS_QT=/path/to/Qt/6.x.y/mingw_64, an installed Qt 6 for MinGW x86_64;
  2. the prebuilt archive ../shared/qt/qt6-mingw64-*.tar.xz beside the project;
  3. scripts/build-windows.sh building Qt from Debian's qt6-base source package
     (needs the network and tens of minutes on two cores).
EOF
}

# Checks that folder $1 holds a Qt 6 for MinGW x86_64. Returns 1 with a
# message on standard error naming what the folder holds otherwise.
zum_check_windows_qt() {
  local dir=$1 version="" found="" format
  if [ ! -d "$dir" ]; then
    echo "ZUM_WINDOWS_QT=$dir: no such folder" >&2
    return 1
  fi
  local major
  for major in 6 5 4; do
    local impl="$dir/lib/cmake/Qt$major/Qt${major}ConfigVersionImpl.cmake"
    [ -f "$impl" ] || impl="$dir/lib/cmake/Qt$major/Qt${major}ConfigVersion.cmake"
    if [ -f "$impl" ]; then
      version=$(sed -n 's/^ *set(PACKAGE_VERSION "\([0-9.]*\)").*/\1/p' "$impl" | head -n 1)
      found="Qt ${version:-$major}"
      break
    fi
  done
  if [ -z "$found" ]; then
    echo "ZUM_WINDOWS_QT=$dir holds no Qt CMake package (no lib/cmake/Qt6/Qt6ConfigVersion.cmake)." >&2
    echo "Point it at the folder of an installed Qt 6 for MinGW x86_64 (the one holding bin/, lib/ and plugins/)." >&2
    return 1
  fi
  if [ "$major" != 6 ]; then
    echo "ZUM_WINDOWS_QT=$dir holds $found, not Qt 6: ZUM needs a Qt 6 for MinGW x86_64." >&2
    return 1
  fi
  if [ ! -f "$dir/bin/Qt6Core.dll" ]; then
    local other
    other=$(cd "$dir" && ls lib/libQt6Core.so* lib/QtCore.framework 2>/dev/null | head -n 1)
    echo "ZUM_WINDOWS_QT=$dir holds $found, but not for Windows (no bin/Qt6Core.dll${other:+; found $other})." >&2
    echo "ZUM needs a Qt 6 for MinGW x86_64." >&2
    return 1
  fi
  format=$(x86_64-w64-mingw32-objdump -f "$dir/bin/Qt6Core.dll" 2>/dev/null |
    sed -n 's/.*file format \(.*\)$/\1/p' | head -n 1)
  if [ "$format" != pei-x86-64 ]; then
    local arch=${format:-unknown}
    case $format in
      pei-i386) arch="32-bit x86 ($format)" ;;
      pei-aarch64*|pe-aarch64*) arch="ARM64 ($format)" ;;
    esac
    echo "ZUM_WINDOWS_QT=$dir holds $found for another architecture: bin/Qt6Core.dll is $arch." >&2
    echo "ZUM needs a Qt 6 for MinGW x86_64 (64-bit Windows, pei-x86-64)." >&2
    return 1
  fi
  if [ ! -f "$dir/lib/libQt6Core.a" ]; then
    local msvc=""
    [ -f "$dir/lib/Qt6Core.lib" ] && msvc=" (lib/Qt6Core.lib: built with MSVC)"
    echo "ZUM_WINDOWS_QT=$dir holds $found for x86_64 without MinGW import libraries$msvc." >&2
    echo "ZUM needs a Qt 6 for MinGW x86_64 (lib/libQt6Core.a)." >&2
    return 1
  fi
  if [ ! -f "$dir/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "ZUM_WINDOWS_QT=$dir holds $found for MinGW x86_64 without lib/cmake/Qt6/qt.toolchain.cmake." >&2
    return 1
  fi
}

# The prebuilt archive beside the project (root $1): the one of the host's
# Qt version when there is one, else the first. Prints nothing if none.
zum_qt_archive() {
  local root=$1 host archive
  host=$(zum_host_qt_version)
  for archive in "$root/../shared/qt/qt6-mingw64-$host.tar.xz" "$root"/../shared/qt/qt6-mingw64-*.tar.xz; do
    if [ -f "$archive" ]; then
      (cd "$(dirname "$archive")" && echo "$(pwd)/$(basename "$archive")")
      return 0
    fi
  done
}

# Prints the folder of a Qt 6 for MinGW reachable by route 1, an earlier
# unpack or build in the cache, or route 2 (which it unpacks now). Returns
# 1 without output when there is none; 2 when ZUM_WINDOWS_QT is refused.
# Call it, and zum_build_windows_qt, in a command substitution.
zum_find_windows_qt() {
  local root=$1 cache host archive name
  if [ -n "${ZUM_WINDOWS_QT:-}" ]; then
    zum_check_windows_qt "$ZUM_WINDOWS_QT" || return 2
    (cd "$ZUM_WINDOWS_QT" && pwd)
    return 0
  fi
  cache=$(zum_qt_cache_dir)
  host=$(zum_host_qt_version)
  archive=$(zum_qt_archive "$root")
  if [ -n "$archive" ]; then
    name=$(basename "$archive" .tar.xz)
  else
    name=qt6-mingw64-$host
  fi
  if [ -d "$cache/$name" ]; then
    echo "$cache/$name"
    return 0
  fi
  [ -n "$archive" ] || return 1
  zum_unpack_qt_archive "$archive" "$cache" "$name" >&2 || return 2
  echo "$cache/$name"
}

# Unpacks archive $1 into $2/$3, checking it against its .sha256 file first.
zum_unpack_qt_archive() {
  local archive=$1 cache=$2 name=$3 tmp
  if [ -f "$archive.sha256" ]; then
    local want got
    want=$(cut -d' ' -f1 "$archive.sha256")
    got=$(sha256sum "$archive" | cut -d' ' -f1)
    if [ "$want" != "$got" ]; then
      echo "$archive does not match its checksum ($archive.sha256): not used." >&2
      return 1
    fi
  fi
  echo "Unpacking $archive into $cache/$name ..."
  mkdir -p "$cache"
  tmp=$(mktemp -d "$cache/.unpack-$name.XXXXXX")
  # Called in a command substitution: these traps are the subshell's own.
  # shellcheck disable=SC2064 # the folder is named now, while $tmp is set
  trap "rm -rf '$tmp'" EXIT
  trap 'exit 130' INT TERM
  if ! tar -C "$tmp" -xJf "$archive" || [ ! -d "$tmp/$name" ]; then
    rm -rf "$tmp"
    echo "Could not unpack $archive (expected a folder $name inside)." >&2
    return 1
  fi
  mv "$tmp/$name" "$cache/$name"
  rm -rf "$tmp"
}

# Builds qtbase for MinGW x86_64 from Debian's qt6-base source package into
# the cache folder and prints its folder. The machine's apt configuration is
# left alone: the source package comes through a private sources list (the
# machine's own sources, as deb-src) and a private lists folder.
zum_build_windows_qt() {
  local cache host version name tmp started
  cache=$(zum_qt_cache_dir)
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || version=""
  host=$(zum_host_qt_version)
  if [ -z "$host" ]; then
    echo "Building Qt for MinGW needs the host's qt6-base-dev (its moc, rcc and uic)." >&2
    return 1
  fi
  name=qt6-mingw64-$host
  echo "No Qt 6 for MinGW found: building Qt $host from Debian's qt6-base source into $cache/$name." >&2
  echo "This takes tens of minutes on two cores (about 45 minutes on the project's machines)." >&2
  mkdir -p "$cache"
  tmp=$(mktemp -d "$cache/.build-$name.XXXXXX")
  # Called in a command substitution: these traps are the subshell's own.
  # shellcheck disable=SC2064 # the folder is named now, while $tmp is set
  trap "rm -rf '$tmp'" EXIT
  trap 'exit 130' INT TERM
  started=$(date +%s)
  if ! (zum_build_windows_qt_in "$tmp" "$version" "$host" "$name") >&2; then
    rm -rf "$tmp"
    return 1
  fi
  mv "$tmp/$name" "$cache/$name"
  rm -rf "$tmp"
  local seconds=$(($(date +%s) - started))
  echo "Built Qt $host for MinGW in $((seconds / 60)) min $((seconds % 60)) s: $cache/$name" >&2
  echo "$cache/$name"
}

# The body of zum_build_windows_qt, in work folder $1 (removed by the caller
# on failure): Debian version $2, upstream version $3, install folder name $4.
zum_build_windows_qt_in() {
  local work=$1 version=$2 upstream=$3 name=$4
  # Runs in a tested context, where set -e does not apply: every step that
  # can fail returns on its own.
  cd "$work" || return 1
  mkdir -p apt/lists/partial apt/sources.list.d || return 1
  : >apt/sources.list
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$f" >"apt/sources.list.d/$(basename "$f")"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n -e 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>apt/sources.list
  done
  local apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists")
  echo "Fetching the source package qt6-base=$version ..."
  # apt-get update reports unreachable sources as warnings; whether they
  # matter shows when the source package is asked for.
  apt-get "${apt_private[@]}" update -q >apt-update.log 2>&1 || true
  if ! apt-get "${apt_private[@]}" source --download-only "qt6-base=$version" \
    >apt-source.log 2>&1; then
    grep -h '^\(Err:\|W: \|E: \)' apt-update.log apt-source.log | grep -v unsandboxed | sed 's/^/  /' | head -n 6
    echo "Could not download the source package qt6-base=$version (no network, or no deb-src for it)."
    return 1
  fi
  tar xf qt6-base_*.orig.tar.xz || return 1
  local src=qtbase-everywhere-src-$upstream
  [ -d "$src" ] || {
    echo "The source package did not unpack into $src."
    return 1
  }

  cat >mingw.cmake <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
  # The options of the prebuilt archive: what a Widgets program needs, with
  # the bundled third-party libraries. tabletevent needs wintab.h, which
  # Debian's source package leaves out; dynamicgl does not build without
  # OpenGL.
  local features=() off
  for off in sql network dbus opengl dynamicgl printsupport concurrent xml testlib vulkan jpeg \
    tabletevent system_zlib system_pcre2 system_png system_harfbuzz system_freetype system_jpeg; do
    features+=("-DFEATURE_$off=OFF")
  done
  local prefix=$work/$name
  echo "Configuring Qt (log: $work/configure.log) ..."
  cmake -S "$src" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "${features[@]}" >configure.log 2>&1 || {
    tail -n 20 configure.log
    return 1
  }
  echo "Building Qt (log: $work/build.log) ..."
  nice -n 10 cmake --build build -j "${ZUM_JOBS:-$(nproc)}" >build.log 2>&1 || {
    tail -n 30 build.log
    return 1
  }
  cmake --install build >install.log 2>&1 || {
    tail -n 20 install.log
    return 1
  }
  # As in the archive: stripped DLLs, no docs, Qt's license texts.
  find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} + || return 1
  rm -rf "$prefix/doc"
  mkdir -p "$prefix/LICENSES" && cp "$src"/LICENSES/* "$prefix/LICENSES/"
}
