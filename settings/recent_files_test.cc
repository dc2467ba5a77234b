#include "settings/recent_files.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/faults_testing.h"
#include "engine/testing.h"
#include "settings/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::WriteFile;

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) {
    if (word != "-") {
      words.push_back(word);
    }
  }
  return words;
}

TEST(RecentFilesTest, PutFirstCases) {
  testing::TempWorkFolder folder;
  for (const testing::CaseRow& row :
       testing::ReadCases("recent_files_cases.txt")) {
    const size_t plus = row.input.find(" + ");
    ASSERT_NE(plus, std::string::npos) << row.line;
    std::vector<std::string> list = Words(row.input.substr(0, plus));
    PutFirst(row.input.substr(plus + 3), &list);
    EXPECT_EQ(list, Words(row.expected))
        << "recent_files_cases.txt:" << row.line << ": " << row.input;
  }
}

TEST(RecentFilesTest, ReadAndWrite) {
  testing::TempDir dir;
  const std::string file = dir.File("zumrecent.txt");
  // Missing or unreadable: empty.
  EXPECT_TRUE(ReadRecentFiles(file).empty());
  EXPECT_TRUE(ReadRecentFiles(dir.path().string()).empty());

  const std::vector<std::string> list = {"/p/my gate.cfg", "C:\\x\\y.cfg"};
  ASSERT_TRUE(WriteRecentFiles(file, list).ok());
  EXPECT_EQ(ReadFile(file), CrLf({"/p/my gate.cfg", "C:\\x\\y.cfg"}));
  EXPECT_EQ(ReadRecentFiles(file), list);

  // Empty lines are skipped; at most five entries are read.
  WriteFile(file, CrLf({"1", "", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(ReadRecentFiles(file),
            (std::vector<std::string>{"1", "2", "3", "4", "5"}));

  // Issue 19: a settings file named "a<LF>b.cfg" would become two entries;
  // the list is not written.
  const std::string before = ReadFile(file);
  EXPECT_EQ(WriteRecentFiles(file, {"/p/a.cfg", "/p/a\nb.cfg"}).ToString(),
            file +
                ": an entry holds a line break, which the list cannot keep; "
                "nothing was written");
  EXPECT_EQ(ReadFile(file), before);

  EXPECT_EQ(WriteRecentFiles(dir.File("no_such_folder/zumrecent.txt"), list)
                .message()
                .rfind(dir.File("no_such_folder/zumrecent.txt") +
                           ": cannot create the file (",
                       0),
            0u);
}

// Counts the bytes read.
class CountingFileSystem : public testing::FaultyFileSystem {
 public:
  size_t Read(std::FILE* file, const std::string& name, char* buffer,
              size_t size, int* error) override {
    const size_t n = FaultyFileSystem::Read(file, name, buffer, size, error);
    bytes_read += n;
    return n;
  }
  size_t bytes_read = 0;
};

TEST(RecentFilesTest, Issue19AHugeListIsReadOnlyAsFarAsAListGoes) {
  testing::TempWorkFolder folder;
  WriteFile("zumrecent.txt",
            std::string(8 << 20, '\n') + CrLf({"/far/down.cfg"}));
  CountingFileSystem disk;
  EXPECT_TRUE(ReadRecentFiles("zumrecent.txt", &disk).empty());
  EXPECT_LT(disk.bytes_read, 256u << 10);
  // Entries of the longest kind still come through; a longer one spoils
  // the list.
  const std::string longest(kMaxRecentEntry, 'p');
  WriteFile("zumrecent.txt", CrLf({longest, "/b.cfg"}));
  EXPECT_EQ(ReadRecentFiles("zumrecent.txt"),
            (std::vector<std::string>{longest, "/b.cfg"}));
  WriteFile("zumrecent.txt", CrLf({longest + "p", "/b.cfg"}));
  EXPECT_TRUE(ReadRecentFiles("zumrecent.txt").empty());
  // Also the entries read before it.
  WriteFile("zumrecent.txt", CrLf({"/a.cfg", longest + "p", "/b.cfg"}));
  EXPECT_TRUE(ReadRecentFiles("zumrecent.txt").empty());
}

}  // namespace
}  // namespace zum
