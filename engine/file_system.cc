#include "engine/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "engine/text_encoding.h"
#else
#include <dirent.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <string_view>

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

int64_t Nanoseconds(const FILETIME& time) {
  return static_cast<int64_t>(
             (static_cast<uint64_t>(time.dwHighDateTime) << 32) |
             time.dwLowDateTime) *
         100;
}

// Held while the lock file is open without sharing; the system removes the
// file when the handle closes, also when the process dies.
class WindowsLock : public FileLock {
 public:
  explicit WindowsLock(HANDLE handle) : handle_(handle) {}
  ~WindowsLock() override { CloseHandle(handle_); }

 private:
  HANDLE handle_;
};
#else
int64_t Nanoseconds(const struct timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Held through flock(); the file is removed before the lock is let go, so
// that a waiting taker finds no file or a new one (see TryLock).
class PosixLock : public FileLock {
 public:
  PosixLock(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  ~PosixLock() override {
    unlink(name_.c_str());
    close(fd_);
  }

 private:
  int fd_;
  std::string name_;
};

// NAME's folder: the text before its last '/', "." when it has none.
std::string FolderOf(const std::string& name) {
  const size_t slash = name.find_last_of('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? name.substr(0, 1) : name.substr(0, slash);
}
#endif

// Opens NAME in binary mode, for writing (from empty) or for reading; the
// reason of a failure goes to *ERROR.
std::FILE* OpenBinary(const std::string& name, bool for_writing, int* error) {
  errno = 0;
#ifdef _WIN32
  std::FILE* file = _wfopen(Widen(name).c_str(), for_writing ? L"wb" : L"rb");
#else
  std::FILE* file = std::fopen(name.c_str(), for_writing ? "wb" : "rb");
#endif
  if (file == nullptr) {
    *error = errno != 0 ? errno : EIO;
  }
  return file;
}

}  // namespace

std::FILE* DiskFileSystem::OpenForReading(const std::string& name, int* error) {
  return OpenBinary(name, false, error);
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
  return OpenBinary(name, true, error);
}

std::FILE* DiskFileSystem::CreateExclusive(const std::string& name,
                                           int* error) {
  errno = 0;
#ifdef _WIN32
  // Shared for deletion, so that a temporary file can be removed while it
  // is open (RemoveTemporaryFiles() on a console control event).
  const std::wstring wide = Widen(name);
  HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    *error = LastErrno();
    return nullptr;
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                           _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    DeleteFileW(wide.c_str());
    *error = EMFILE;
    return nullptr;
  }
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
    DeleteFileW(wide.c_str());
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
  // Written through: the call returns once the rename is on the disk.
  const std::wstring source = Widen(from);
  const std::wstring target = Widen(to);
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
      return true;
    }
    const DWORD code = GetLastError();
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // Windows denies access where the target is a folder: the real cause.
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      *error = code == ERROR_ACCESS_DENIED ? EISDIR : ErrnoOf(code);
      return false;
    }
    // A file that another program (a virus scanner, an indexer, another
    // run's look at it) holds open for a moment cannot be replaced until
    // it lets go: tried again for about a second.
    const bool held =
        (code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION) &&
        exists && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    if (!held || attempt == 20) {
      *error = ErrnoOf(code);
      return false;
    }
    Sleep(static_cast<DWORD>(5 * attempt));
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
  if (DeleteFileW(Widen(name).c_str()) == 0) {
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
  HANDLE handle =
      CreateFileW(Widen(name).c_str(), 0,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
  info->modified = Nanoseconds(data.ftLastWriteTime);
  info->read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
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
  info->modified = Nanoseconds(st.st_mtim);
  info->changed = Nanoseconds(st.st_ctim);
  info->mode = static_cast<uint32_t>(st.st_mode & 07777);
  // No write bit at all is read-only also for root, whom access() lets
  // write anything.
  info->read_only = (st.st_mode & 0222) == 0 || access(name.c_str(), W_OK) != 0;
#endif
  return true;
}

bool DiskFileSystem::Sync(std::FILE* file, const std::string& /*name*/,
                          int* error) {
  errno = 0;
  if (std::fflush(file) != 0) {
    *error = errno != 0 ? errno : EIO;
    return false;
  }
#ifdef _WIN32
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (FlushFileBuffers(handle) == 0) {
    *error = LastErrno();
    return false;
  }
#else
  if (fsync(fileno(file)) != 0) {
    *error = errno;
    return false;
  }
#endif
  return true;
}

bool DiskFileSystem::SyncFolder(const std::string& folder, int* error) {
#ifdef _WIN32
  (void)folder;
  (void)error;
  return true;
#else
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    *error = errno;
    return false;
  }
  // Some file systems cannot sync a folder (EINVAL): nothing more to do.
  const bool synced = fsync(fd) == 0 || errno == EINVAL;
  if (!synced) {
    *error = errno;
  }
  close(fd);
  return synced;
#endif
}

bool DiskFileSystem::SetMode(std::FILE* file, const std::string& /*name*/,
                             uint32_t mode, int* error) {
#ifdef _WIN32
  (void)file;
  (void)mode;
  (void)error;
#else
  if (fchmod(fileno(file), static_cast<mode_t>(mode)) != 0) {
    *error = errno;
    return false;
  }
#endif
  return true;
}

bool DiskFileSystem::Link(const std::string& from, const std::string& to,
                          int* error) {
#ifdef _WIN32
  if (CreateHardLinkW(Widen(to).c_str(), Widen(from).c_str(), nullptr) == 0) {
    *error = LastErrno();
    return false;
  }
#else
  if (link(from.c_str(), to.c_str()) != 0) {
    *error = errno;
    return false;
  }
#endif
  return true;
}

std::string DiskFileSystem::FollowLinks(const std::string& name) {
#ifdef _WIN32
  return name;
#else
  std::string path = name;
  // As many links as the system itself follows before it gives up.
  for (int step = 0; step < 40; ++step) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      return path;
    }
    std::string target(static_cast<size_t>(st.st_size) + 256, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) {
      return path;
    }
    target.resize(static_cast<size_t>(n));
    path = target[0] == '/' ? target : FolderOf(path) + "/" + target;
  }
  return path;
#endif
}

bool DiskFileSystem::ListFolder(const std::string& folder,
                                std::vector<std::string>* names, int* error) {
  names->clear();
#ifdef _WIN32
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(Widen(folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) {
    *error = LastErrno();
    return false;
  }
  do {
    const std::wstring_view entry_name = entry.cFileName;
    if (entry_name != L"." && entry_name != L"..") {
      names->push_back(Narrow(entry_name));
    }
  } while (FindNextFileW(search, &entry) != 0);
  FindClose(search);
#else
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    *error = errno;
    return false;
  }
  while (const dirent* entry = readdir(dir)) {
    const std::string_view entry_name = entry->d_name;
    if (entry_name != "." && entry_name != "..") {
      names->emplace_back(entry_name);
    }
  }
  closedir(dir);
#endif
  return true;
}

std::unique_ptr<FileLock> DiskFileSystem::TryLock(const std::string& name,
                                                  int* error) {
#ifdef _WIN32
  HANDLE handle = CreateFileW(
      Widen(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    // A file another holder has open unshared, or one being deleted.
    const DWORD code = GetLastError();
    *error = code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED
                 ? EBUSY
                 : ErrnoOf(code);
    return nullptr;
  }
  return std::make_unique<WindowsLock>(handle);
#else
  // A holder removes the file before it lets go: a lock taken on a file
  // that no longer has this name is no lock, and the taker tries again.
  for (int attempt = 0; attempt < 100; ++attempt) {
    int fd = open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
      *error = errno;
      return nullptr;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      *error = errno == EWOULDBLOCK ? EBUSY : errno;
      close(fd);
      return nullptr;
    }
    struct stat held;
    struct stat named;
    if (fstat(fd, &held) == 0 && stat(name.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
      return std::make_unique<PosixLock>(fd, name);
    }
    close(fd);
  }
  *error = EBUSY;
  return nullptr;
#endif
}

bool DiskFileSystem::ShortName(const std::string& name, std::string* short_name,
                               int* error) {
#ifdef _WIN32
  const std::wstring wide = Widen(name);
  const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (size == 0) {
    *error = LastErrno();
    return false;
  }
  std::wstring result(size, L'\0');
  const DWORD n = GetShortPathNameW(wide.c_str(), result.data(), size);
  if (n == 0 || n >= size) {
    *error = n == 0 ? LastErrno() : EIO;
    return false;
  }
  result.resize(n);
  *short_name = Narrow(result);
#else
  (void)error;
  *short_name = name;
#endif
  return true;
}

FileSystem* RealFileSystem() {
  static DiskFileSystem disk;
  return &disk;
}

std::string ErrorText(int error) {
#ifdef _WIN32
  // A sharing violation, which the C library would call "Resource device".
  if (error == EBUSY) {
    return "sharing violation: another program has the file open";
  }
#endif
  return error > 0 ? std::strerror(error) : "unknown error";
}

}  // namespace zum
