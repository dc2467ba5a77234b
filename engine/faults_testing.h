#ifndef ZUM_ENGINE_FAULTS_TESTING_H_
#define ZUM_ENGINE_FAULTS_TESTING_H_

#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace zum::testing {

// The real disk, made to fail on purpose where asked, passed to the code
// under test as a failing environment is handed to a database.
class FaultyFileSystem : public DiskFileSystem {
 public:
  FaultyFileSystem() = default;
  FaultyFileSystem(const FaultyFileSystem&) = delete;
  FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

  // The PASS-th reading (from its start, counted from this call) of the
  // file named NAME fails with EIO once AT bytes of it have been read; the
  // bytes before come through.
  void FailRead(const std::string& name, long at, int pass = 1) {
    read_fault_ = {name, at, pass};
    passes_.clear();
  }
  // Creating a file whose name starts with PREFIX fails with EACCES.
  void FailCreate(const std::string& prefix) { create_fault_ = prefix; }
  // Renaming a file onto the name TARGET fails with EACCES.
  void FailRename(const std::string& target) { rename_fault_ = target; }

  size_t Read(std::FILE* file, const std::string& name, char* buffer,
              size_t size, int* error) override;
  std::FILE* CreateExclusive(const std::string& name, int* error) override;
  bool Rename(const std::string& from, const std::string& to,
              int* error) override;

 private:
  struct ReadFault {
    std::string name;
    long at = 0;
    int pass = 0;
  };
  ReadFault read_fault_;
  std::mutex mutex_;  // guards passes_
  std::map<std::string, int> passes_;
  std::string create_fault_;
  std::string rename_fault_;
};

// The real disk, with a log of the calls that decide what survives a
// power cut: "sync NAME", "link FROM TO", "rename FROM TO", "remove NAME"
// and "syncfolder FOLDER".
class RecordingFileSystem : public DiskFileSystem {
 public:
  bool Sync(std::FILE* file, const std::string& name, int* error) override;
  bool SyncFolder(const std::string& folder, int* error) override;
  bool Link(const std::string& from, const std::string& to,
            int* error) override;
  bool Rename(const std::string& from, const std::string& to,
              int* error) override;
  bool Remove(const std::string& name, int* error) override;

  // The log, with FOLDER written "$" (and with the separator after it "$/",
  // whichever it is) and the random part of every temporary file's name
  // "~".
  std::vector<std::string> Log(const std::string& folder) const;

 private:
  std::vector<std::string> log_;
};

}  // namespace zum::testing

#endif  // ZUM_ENGINE_FAULTS_TESTING_H_
