#!/usr/bin/env bash
# Fails when production code calls a narrow Windows file or process
# function: on Windows every name reaches the system through the wide
# functions (UTF-16), whose callers live in engine/file_system.cc,
# engine/line_io.cc, compiler/console_child_win32.cc and app/console_text.cc.
# The narrow ones read names in the ANSI code page and lose every letter
# outside it. Tests and test programs may use them.
#
#   scripts/check-wide-calls.sh [ROOT]
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"
narrow='\b(CreateFileA|DeleteFileA|MoveFileA|MoveFileExA|CopyFileA|ReplaceFileA|CreateHardLinkA|CreateDirectoryA|RemoveDirectoryA|FindFirstFileA|FindNextFileA|GetFileAttributesA|GetFileAttributesExA|SetFileAttributesA|GetFullPathNameA|GetShortPathNameA|GetLongPathNameA|GetModuleFileNameA|GetCurrentDirectoryA|SetCurrentDirectoryA|GetTempPathA|CreateProcessA|ShellExecuteA|LoadLibraryA|_unlink|_open|_sopen|_fsopen|_stat|_stat64|_access|_chmod|_mkdir|_rmdir|_chdir|_getcwd|_findfirst|_fullpath)\b *\('
files=$(git ls-files '*.cc' '*.h' | grep -Ev '(_test\.cc|testing\.(cc|h)|/testdata/|^fuzz/|^bench/)' || true)
found=$(echo "$files" | xargs grep -nE "$narrow" || true)
if [ -n "$found" ]; then
  echo "check-wide-calls: narrow Windows functions in production code (use the wide ones, as engine/file_system.cc does):" >&2
  echo "$found" >&2
  exit 1
fi
count=$(echo "$files" | wc -l)
echo "check-wide-calls: no narrow Windows file or process function in $count production files"
