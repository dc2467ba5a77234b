#ifndef ZUM_ENGINE_FILE_SYSTEM_H_
#define ZUM_ENGINE_FILE_SYSTEM_H_

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zum {

enum class FileType { kMissing, kRegular, kDirectory, kOther };

// What Stat() learns about a file.
struct FileInfo {
  FileType type = FileType::kMissing;
  uint64_t size = 0;
  // The same device and index name the same file (links included).
  uint64_t device = 0;
  uint64_t index = 0;
  // Last modification and (POSIX) status change, in nanoseconds.
  int64_t modified = 0;
  int64_t changed = 0;
  // The permission bits (POSIX); 0 on Windows.
  uint32_t mode = 0;
  // No write permission for this process (or the read-only attribute).
  bool read_only = false;

  // True when OTHER is the same file with the same size and times: a file
  // written to, replaced or touched in between is not.
  bool SameVersion(const FileInfo& other) const {
    return type == other.type && size == other.size && device == other.device &&
           index == other.index && modified == other.modified &&
           changed == other.changed;
  }
};

// An exclusive lock held on a lock file; released, and its file removed,
// when the object is destroyed. A process that dies loses its locks.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// Every operation through which ZUM reaches the disk. The program passes the
// real disk (RealFileSystem()); a test passes one that fails or records where
// a faulty disk would. Errors are errno values (ENOENT, EACCES, ...), also on
// Windows, where the system's codes are mapped to them.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens NAME for reading in binary mode. Returns nullptr with *ERROR set
  // on failure.
  virtual std::FILE* OpenForReading(const std::string& name, int* error) = 0;
  // Reads up to SIZE bytes of FILE, opened from NAME, into BUFFER. Returns
  // the number of bytes read, 0 at the end of the file; on a read failure
  // returns 0 and sets *ERROR.
  virtual size_t Read(std::FILE* file, const std::string& name, char* buffer,
                      size_t size, int* error) = 0;
  // Creates or empties NAME for writing in binary mode. Returns nullptr with
  // *ERROR set on failure.
  virtual std::FILE* OpenForWriting(const std::string& name, int* error) = 0;
  // Creates the file NAME for writing, exclusively: fails (EEXIST) when NAME
  // exists. Returns nullptr with *ERROR set on failure.
  virtual std::FILE* CreateExclusive(const std::string& name, int* error) = 0;
  // Renames FROM to TO, replacing TO. False with *ERROR set on failure.
  virtual bool Rename(const std::string& from, const std::string& to,
                      int* error) = 0;
  // Removes the file NAME. False with *ERROR set on failure.
  virtual bool Remove(const std::string& name, int* error) = 0;
  // Fills *INFO for NAME, following symbolic links. A missing file is no
  // failure: it returns true with INFO->type kMissing. False with *ERROR set
  // when NAME cannot be examined.
  virtual bool Stat(const std::string& name, FileInfo* info, int* error) = 0;

  // Writes FILE's buffered bytes and makes the system put them on the disk
  // (fsync; FlushFileBuffers on Windows). False with *ERROR set on failure.
  virtual bool Sync(std::FILE* file, const std::string& name, int* error) = 0;
  // Puts FOLDER's entries (a rename into it) on the disk. False with *ERROR
  // set on failure; true where the system has no such operation (Windows,
  // whose renames are written through instead).
  virtual bool SyncFolder(const std::string& folder, int* error) = 0;
  // Gives FILE, opened from NAME, the permission bits MODE (POSIX; nothing
  // on Windows). False with *ERROR set on failure.
  virtual bool SetMode(std::FILE* file, const std::string& name, uint32_t mode,
                       int* error) = 0;
  // Makes TO a second name (a hard link) of the file FROM. False with
  // *ERROR set on failure, also where the disk has no hard links.
  virtual bool Link(const std::string& from, const std::string& to,
                    int* error) = 0;
  // The file that NAME names once every symbolic link at its end is
  // followed (a relative link read from the link's folder); NAME itself
  // when it is no link.
  virtual std::string FollowLinks(const std::string& name) = 0;
  // The names of the entries of FOLDER, without "." and "..". False with
  // *ERROR set on failure.
  virtual bool ListFolder(const std::string& folder,
                          std::vector<std::string>* names, int* error) = 0;
  // Takes the exclusive lock of the lock file NAME, creating the file.
  // Returns nullptr with *ERROR set when it cannot: EBUSY when another
  // holder has it (the call does not wait).
  virtual std::unique_ptr<FileLock> TryLock(const std::string& name,
                                            int* error) = 0;
  // The short 8.3 form of the existing file or folder NAME (Windows): each
  // part of the path in the short name the volume keeps for it, or as it
  // stands where the volume keeps none. NAME itself on systems without such
  // names. False with *ERROR set when NAME cannot be examined.
  virtual bool ShortName(const std::string& name, std::string* short_name,
                         int* error) = 0;
};

// The disk as the operating system presents it.
class DiskFileSystem : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& name, int* error) override;
  size_t Read(std::FILE* file, const std::string& name, char* buffer,
              size_t size, int* error) override;
  std::FILE* OpenForWriting(const std::string& name, int* error) override;
  std::FILE* CreateExclusive(const std::string& name, int* error) override;
  bool Rename(const std::string& from, const std::string& to,
              int* error) override;
  bool Remove(const std::string& name, int* error) override;
  bool Stat(const std::string& name, FileInfo* info, int* error) override;
  bool Sync(std::FILE* file, const std::string& name, int* error) override;
  bool SyncFolder(const std::string& folder, int* error) override;
  bool SetMode(std::FILE* file, const std::string& name, uint32_t mode,
               int* error) override;
  bool Link(const std::string& from, const std::string& to,
            int* error) override;
  std::string FollowLinks(const std::string& name) override;
  bool ListFolder(const std::string& folder, std::vector<std::string>* names,
                  int* error) override;
  std::unique_ptr<FileLock> TryLock(const std::string& name,
                                    int* error) override;
  bool ShortName(const std::string& name, std::string* short_name,
                 int* error) override;
};

// The one DiskFileSystem that callers share when no other is passed in.
FileSystem* RealFileSystem();

// The text of an error number of this interface: "No such file or
// directory"; "unknown error" for 0 or a negative number.
std::string ErrorText(int error);

}  // namespace zum

#endif  // ZUM_ENGINE_FILE_SYSTEM_H_
