#ifndef ZUM_ENGINE_FAULTS_TESTING_H_
#define ZUM_ENGINE_FAULTS_TESTING_H_

#include <cstdio>
#include <map>
#include <string>

#include "engine/line_io.h"

namespace zum::testing {

// A disk that fails on purpose, installed for every reader and writer while
// the object lives (as a failing environment is handed to a database).
class FaultyFileSystem : public FileSystem {
 public:
  FaultyFileSystem() : previous_(SetFileSystem(this)) {}
  ~FaultyFileSystem() override { SetFileSystem(previous_); }
  FaultyFileSystem(const FaultyFileSystem&) = delete;
  FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

  // The PASS-th reading (from its start) of the file named NAME fails with
  // EIO once AT bytes of it have been read; the bytes before come through.
  void FailRead(const std::string& name, long at, int pass = 1) {
    read_fault_ = {name, at, pass};
  }
  // Creating a file whose name starts with PREFIX fails with EACCES.
  void FailCreate(const std::string& prefix) { create_fault_ = prefix; }

  size_t Read(std::FILE* file, const std::string& name, char* buffer,
              size_t size, int* error) override;
  std::FILE* CreateExclusive(const std::string& name, int* error) override;

 private:
  struct ReadFault {
    std::string name;
    long at = 0;
    int pass = 0;
  };
  FileSystem* previous_;
  ReadFault read_fault_;
  std::map<std::string, int> passes_;
  std::string create_fault_;
};

}  // namespace zum::testing

#endif  // ZUM_ENGINE_FAULTS_TESTING_H_
