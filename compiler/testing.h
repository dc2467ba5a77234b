#ifndef ZUM_COMPILER_TESTING_H_
#define ZUM_COMPILER_TESTING_H_

// Helpers shared by the compiler module's tests.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "compiler/dos_outputs.h"

namespace zum::testing {

// The chatter helper program (compiler/testdata/chatter.cc) as built beside
// the tests.
std::string ChatterPath();

// A command line part in double quotes.
inline std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// A path as the system writes it (backslashes on Windows).
inline std::string Native(const std::filesystem::path& path) {
  return std::filesystem::path(path).make_preferred().string();
}

// A message sink that records what it is asked to show.
class RecordingSink : public MessageSink {
 public:
  void ShowMessage(MessageIcon icon, const std::string& text) override {
    messages.emplace_back(icon, text);
  }
  std::vector<std::pair<MessageIcon, std::string>> messages;
};

// A new empty folder whose name contains blanks, removed with its contents
// when the object goes.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes `content` to `path` as bytes, creating missing folders; with
// `executable` the file gets execute permission (ignored on Windows).
// Returns false when the file cannot be written.
bool WriteTestFile(const std::filesystem::path& path,
                   const std::string& content, bool executable = false);

}  // namespace zum::testing

#endif  // ZUM_COMPILER_TESTING_H_
