#ifndef ZUM_ENGINE_TESTING_H_
#define ZUM_ENGINE_TESTING_H_

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the tests. Used by tests only.
namespace zum::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The full path of NAME inside the folder, as a string.
  std::string File(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// Writes CONTENT to PATH as bytes, replacing the file.
void WriteFile(const std::string& path, std::string_view content);
// The bytes of PATH; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// The lines joined, each followed by CR LF.
std::string CrLf(std::initializer_list<std::string_view> lines);
std::string CrLf(const std::vector<std::string>& lines);
// Splits TEXT at CR LF; a final CR LF does not start another line.
std::vector<std::string> SplitCrLf(std::string_view text);

// The lines of a keyframe table as an exporter writes it: LABEL + " label
// word", three header lines, the row count line and one "real4" line per
// row (each row's numbers joined by ", ").
std::vector<std::string> KeyframeTableLines(
    std::string_view label, int kind,
    const std::vector<std::vector<std::string>>& rows);

// Appends LINES to *ALL.
void Append(std::vector<std::string>* all,
            const std::vector<std::string>& lines);

}  // namespace zum::testing

#endif  // ZUM_ENGINE_TESTING_H_
