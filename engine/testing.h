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
  // The names of the entries directly in the folder, sorted.
  std::vector<std::string> Names() const;

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

// One row of a case table: a line "INPUT => EXPECTED".
struct CaseRow {
  int line = 0;  // in the table file
  std::string input;
  std::string expected;
};
// The rows of the table file PATH; blank lines and lines starting with '#'
// are skipped. A file that cannot be read, or a row without " => ", fails
// the test that reads it.
std::vector<CaseRow> ReadCaseRows(const std::string& path);

// A case file holds test cases as data. Text before the first case is a
// comment. "=== NAME" starts a case and "--- SECTION" one of its sections;
// every other line belongs to the section above it, blank lines included
// (so cases follow each other without blank lines between them).
struct CaseSection {
  std::string name;
  std::vector<std::string> lines;
};
struct TestCase {
  std::string name;
  std::vector<CaseSection> sections;
  // The section named NAME; nullptr when the case has none.
  CaseSection* Find(std::string_view name);
};
struct CaseFile {
  std::vector<std::string> comment;
  std::vector<TestCase> cases;
};
CaseFile ReadCaseFile(const std::string& path);
// Writes FILE back in the form ReadCaseFile reads (LF line ends).
void WriteCaseFile(const std::string& path, const CaseFile& file);

// LINES with every block "@repeat N" ... "@end" written out N times, "{k}"
// in it replaced by 0 to N - 1 and "{k+1}" by 1 to N.
std::vector<std::string> ExpandRepeats(const std::vector<std::string>& lines);

}  // namespace zum::testing

#endif  // ZUM_ENGINE_TESTING_H_
