#include "compiler/testing.h"

#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zum::testing {

std::string ChatterPath() {
#ifdef _WIN32
  // Built into the folder of the test binary; a Windows path there also works
  // under wine, where a build path of the host would not.
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  return Native(std::filesystem::path(module).parent_path() / "chatter.exe");
#else
  return ZUM_CHATTER_PATH;
#endif
}

ScopedTempDir::ScopedTempDir() {
  static int serial = 0;
#ifdef _WIN32
  const int pid = _getpid();
#else
  const int pid = static_cast<int>(getpid());
#endif
  path_ = std::filesystem::temp_directory_path() /
          ("zum compiler test " + std::to_string(pid) + " " +
           std::to_string(++serial));
  std::error_code error;
  std::filesystem::remove_all(path_, error);
  std::filesystem::create_directories(path_, error);
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

bool WriteTestFile(const std::filesystem::path& path,
                   const std::string& content, bool executable) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(content.data(),
                    static_cast<std::streamsize>(content.size()))) {
      return false;
    }
  }
  if (executable) {
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_exec |
                                     std::filesystem::perms::group_exec |
                                     std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add, error);
  }
  return !error;
}

}  // namespace zum::testing
