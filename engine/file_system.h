#ifndef ZUM_ENGINE_FILE_SYSTEM_H_
#define ZUM_ENGINE_FILE_SYSTEM_H_

#include <cstdint>
#include <cstdio>
#include <string>

namespace zum {

enum class FileType { kMissing, kRegular, kDirectory, kOther };

// What Stat() learns about a file.
struct FileInfo {
  FileType type = FileType::kMissing;
  uint64_t size = 0;
  // The same device and index name the same file (links included).
  uint64_t device = 0;
  uint64_t index = 0;
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
};

// The one DiskFileSystem that callers share when no other is passed in.
FileSystem* RealFileSystem();

// The text of an error number of this interface: "No such file or
// directory"; "unknown error" for 0 or a negative number.
std::string ErrorText(int error);

}  // namespace zum

#endif  // ZUM_ENGINE_FILE_SYSTEM_H_
