#!/usr/bin/env bash
# Builds ZUM for 64-bit Windows with the MinGW-w64 cross compilers, the window
# included, and packs dist/zum-<version>-windows-x64.zip: zum.exe (the
# window), zum-batch.exe, zum-preview.exe, the Qt and MinGW runtime DLLs they need, the
# examples, a README.txt for Windows users and the license texts.
#
#   scripts/build-windows.sh
#   ZUM_WINDOWS_QT=~/Qt/6.4.2/mingw_64 scripts/build-windows.sh
#
# The Qt 6 for MinGW comes from ZUM_WINDOWS_QT, else the prebuilt archive
# ../shared/qt/qt6-mingw64-*.tar.xz, else a build of Debian's qt6-base source
# (see scripts/windows-qt.sh). Build folder: build/windows-gui
# (ZUM_WINDOWS_GUI_BUILD_DIR); ZUM_WINDOWS_TARGETS adds targets to build
# (the tests build wizard_tests).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZUM_WINDOWS_GUI_BUILD_DIR:-$root/build/windows-gui}"
jobs="${ZUM_JOBS:-2}"
# shellcheck source=scripts/windows-qt.sh
source "$root/scripts/windows-qt.sh"

"$root/scripts/ensure-packages.sh" cmake ninja-build g++-mingw-w64-x86-64-posix \
  gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 qt6-base-dev qt6-base-dev-tools \
  googletest xz-utils zip

status=0
qt=$(zum_find_windows_qt "$root") || status=$?
if ((status == 2)); then
  exit 1
fi
if ((status != 0)); then
  if ! qt=$(zum_build_windows_qt); then
    echo >&2
    echo "build-windows: no Qt 6 for MinGW, and it could not be built here." >&2
    zum_qt_routes >&2
    exit 1
  fi
fi
qt_version=$(sed -n 's/^ *set(PACKAGE_VERSION "\([0-9.]*\)").*/\1/p' \
  "$qt/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake" 2>/dev/null | head -n 1)
echo "build-windows: Qt ${qt_version:-6} for MinGW from $qt"

# A build folder set up with another Qt starts afresh: CMake keeps the
# toolchain file of the first configure.
toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
if [ -f "$build/CMakeCache.txt" ] &&
  [ "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")" != "$toolchain" ]; then
  rm -rf "$build"
fi
# Qt's DLLs use the shared C++ runtime, so the programs do too: the
# toolchain's -static is left out here.
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXE_LINKER_FLAGS= -DZUM_BUILD_WIZARD=ON >/dev/null
# shellcheck disable=SC2086
nice -n 10 cmake --build "$build" -j "$jobs" --target zum zum-batch zum-preview ${ZUM_WINDOWS_TARGETS:-}

# The package, staged in a temporary folder and zipped under a temporary
# name: dist/ only ever holds complete zips.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=zum-$version-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
package=$stage/$name
mkdir -p "$package"/{platforms,styles,examples,licenses/Qt,licenses/MinGW}
cp "$build/app/zum.exe" "$build/app/zum-batch.exe" "$build/app/zum-preview.exe" "$package/"
x86_64-w64-mingw32-strip "$package/zum.exe" "$package/zum-batch.exe" "$package/zum-preview.exe"
cp "$qt/plugins/platforms/qwindows.dll" "$package/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$package/styles/"
cp "$root"/examples/* "$package/examples/"

# Every DLL that a program or DLL of the package imports: from Qt's bin/ or
# the MinGW runtime, copied beside the programs (again for what those
# import), or one of Windows' own.
runtime_dirs=()
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  runtime_dirs+=("$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")
done
windows_dll='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|comctl32|imm32|winmm|ws2_32|uxtheme|dwmapi|shcore|shlwapi|version|netapi32|userenv|wtsapi32|d3d9|d3d11|d3d12|dxgi|dcomp|setupapi|msvcrt|ucrtbase|mpr|crypt32|bcrypt|ntdll|rpcrt4|winspool\.drv|authz|dwrite|d2d1|api-ms-win-.*)\.dll$'
copied_runtime=()
changed=1
while ((changed)); do
  changed=0
  while read -r dll; do
    lower=${dll,,}
    [ -n "$(find "$package" -maxdepth 1 -iname "$dll")" ] && continue
    [[ $lower =~ $windows_dll ]] && continue
    from=""
    # The runtime of the compilers that built the programs first: a Qt
    # installer's bin/ carries the runtime of its own MinGW.
    for dir in "${runtime_dirs[@]}" "$qt/bin"; do
      [ -f "$dir/$dll" ] && from=$dir/$dll && break
    done
    if [ -z "$from" ]; then
      echo "build-windows: the package needs $dll, found neither in $qt/bin, nor in the MinGW runtime, nor among Windows' own DLLs" >&2
      exit 1
    fi
    cp "$from" "$package/"
    if [[ $from != "$qt/bin/"* ]]; then
      copied_runtime+=("$from")
      # Debian's runtime DLLs carry their debug information.
      x86_64-w64-mingw32-strip --strip-unneeded "$package/$dll"
    fi
    changed=1
  done < <(find "$package" \( -iname '*.exe' -o -iname '*.dll' \) -print0 |
    xargs -0 -r x86_64-w64-mingw32-objdump -p |
    sed -n 's/^\tDLL Name: //p' | sort -u)
done

# License texts: Qt's own (an installer's Qt keeps them two folders up) and
# the copyright files of the Debian packages the runtime DLLs come from.
qt_licenses=$qt/LICENSES
[ -d "$qt_licenses" ] || qt_licenses=$qt/../../Licenses
if [ ! -d "$qt_licenses" ]; then
  echo "build-windows: no license texts in $qt/LICENSES (nor $qt/../../Licenses): Qt's LGPL asks for them in the package" >&2
  exit 1
fi
cp "$qt_licenses"/* "$package/licenses/Qt/"
for dll in "${copied_runtime[@]}"; do
  real=$(readlink -f "$dll")
  deb=$(dpkg -S "$real" 2>/dev/null | head -n 1 | cut -d: -f1) || deb=""
  if [ -n "$deb" ] && [ -f "/usr/share/doc/$deb/copyright" ]; then
    cp "/usr/share/doc/$deb/copyright" "$package/licenses/MinGW/$deb.txt"
  fi
done

# The texts for Windows users, with CR LF line ends.
for text in README.txt THIRD-PARTY-NOTICES.txt; do
  sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/${qt_version:-6}/g" -e 's/$/\r/' \
    "$root/app/windows/$text" >"$package/$text"
done

mkdir -p "$root/dist"
zip_file=$root/dist/$name.zip
rm -f "$zip_file.tmp"
(cd "$stage" && zip -q -r -X -9 "$zip_file.tmp" "$name")
mv "$zip_file.tmp" "$zip_file"
echo "build-windows: wrote dist/$name.zip ($(du -k "$zip_file" | cut -f1) KiB)"
