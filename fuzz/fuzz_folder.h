#ifndef ZUM_FUZZ_FUZZ_FOLDER_H_
#define ZUM_FUZZ_FUZZ_FOLDER_H_

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// What the fuzz targets share: a folder of their own in memory (/dev/shm
// when there is one, else the temporary folder), removed at exit, so that a
// run is not held up by the disk; writing a file there.
namespace zum::fuzz {

inline const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::filesystem::path dir = base / ("zum-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return dir;
  }();
  return folder;
}

inline std::string InFolder(const std::string& name) {
  return (Folder() / name).string();
}

inline void WriteBytes(const std::string& path, const uint8_t* data,
                       size_t size) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data),
             static_cast<std::streamsize>(size));
}

inline void CopyExample(const std::string& name) {
  std::filesystem::copy_file(
      std::filesystem::path(ZUM_SOURCE_DIR) / "examples" / name,
      Folder() / name, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace zum::fuzz

#endif  // ZUM_FUZZ_FUZZ_FOLDER_H_
