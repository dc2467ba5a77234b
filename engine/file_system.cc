#include "engine/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zum {
namespace {

#ifdef _WIN32
// The errno value closest to the system error CODE.
int ErrnoOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
      return EINVAL;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    default:
      return EIO;
  }
}

int LastErrno() {
  return ErrnoOf(GetLastError());
}
#endif

}  // namespace

std::FILE* DiskFileSystem::OpenForReading(const std::string& name, int* error) {
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) {
    *error = errno != 0 ? errno : EIO;
  }
  return file;
}

size_t DiskFileSystem::Read(std::FILE* file, const std::string& /*name*/,
                            char* buffer, size_t size, int* error) {
  errno = 0;
  size_t n = std::fread(buffer, 1, size, file);
  if (n == 0 && std::ferror(file) != 0) {
    *error = errno != 0 ? errno : -1;
  }
  return n;
}

std::FILE* DiskFileSystem::OpenForWriting(const std::string& name, int* error) {
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "wb");
  if (file == nullptr) {
    *error = errno != 0 ? errno : EIO;
  }
  return file;
}

std::FILE* DiskFileSystem::CreateExclusive(const std::string& name,
                                           int* error) {
  errno = 0;
#ifdef _WIN32
  int fd = _open(name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                 _S_IREAD | _S_IWRITE);
#else
  int fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
#endif
  if (fd < 0) {
    *error = errno;
    return nullptr;
  }
#ifdef _WIN32
  std::FILE* file = _fdopen(fd, "wb");
#else
  std::FILE* file = fdopen(fd, "wb");
#endif
  if (file == nullptr) {
    *error = errno;
#ifdef _WIN32
    _close(fd);
    _unlink(name.c_str());
#else
    close(fd);
    unlink(name.c_str());
#endif
  }
  return file;
}

bool DiskFileSystem::Rename(const std::string& from, const std::string& to,
                            int* error) {
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
    *error = LastErrno();
    return false;
  }
#else
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    *error = errno;
    return false;
  }
#endif
  return true;
}

bool DiskFileSystem::Remove(const std::string& name, int* error) {
#ifdef _WIN32
  if (DeleteFileA(name.c_str()) == 0) {
    *error = LastErrno();
    return false;
  }
#else
  if (unlink(name.c_str()) != 0) {
    *error = errno;
    return false;
  }
#endif
  return true;
}

bool DiskFileSystem::Stat(const std::string& name, FileInfo* info, int* error) {
  *info = FileInfo();
#ifdef _WIN32
  // Opened without access rights, only to ask: also a folder, also a file
  // that another program holds open.
  HANDLE handle = CreateFileA(
      name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const int code = LastErrno();
    if (code == ENOENT) {
      return true;
    }
    *error = code;
    return false;
  }
  BY_HANDLE_FILE_INFORMATION data;
  const bool known = GetFileInformationByHandle(handle, &data) != 0;
  const DWORD kind = GetFileType(handle);
  if (!known) {
    *error = LastErrno();
  }
  CloseHandle(handle);
  if (!known) {
    return false;
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    info->type = FileType::kDirectory;
  } else {
    info->type = kind == FILE_TYPE_DISK ? FileType::kRegular : FileType::kOther;
  }
  info->size =
      (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  info->device = data.dwVolumeSerialNumber;
  info->index =
      (static_cast<uint64_t>(data.nFileIndexHigh) << 32) | data.nFileIndexLow;
#else
  struct stat st;
  if (stat(name.c_str(), &st) != 0) {
    if (errno == ENOENT) {
      return true;
    }
    *error = errno;
    return false;
  }
  info->type = S_ISREG(st.st_mode)   ? FileType::kRegular
               : S_ISDIR(st.st_mode) ? FileType::kDirectory
                                     : FileType::kOther;
  info->size = static_cast<uint64_t>(st.st_size);
  info->device = static_cast<uint64_t>(st.st_dev);
  info->index = static_cast<uint64_t>(st.st_ino);
#endif
  return true;
}

FileSystem* RealFileSystem() {
  static DiskFileSystem disk;
  return &disk;
}

std::string ErrorText(int error) {
  return error > 0 ? std::strerror(error) : "unknown error";
}

}  // namespace zum
