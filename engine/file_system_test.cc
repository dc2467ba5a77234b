// The disk under names of any letters: every operation of the real file
// system with a folder "Jörg Müller/Szenerie Ω" (on Windows through the
// wide functions, which this test guards).
#include "engine/file_system.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/line_io.h"
#include "engine/testing.h"
#include "engine/utf8_path.h"

namespace zum {
namespace {

TEST(FileSystemTest, NamesOfAnyLettersReachTheirFiles) {
  testing::TempDir dir;
  const std::string folder =
      dir.File("J\xC3\xB6rg M\xC3\xBCller/Szenerie \xCE\xA9");
  std::filesystem::create_directories(Utf8Path(folder));
  FileSystem* fs = RealFileSystem();
  const std::string name = folder + "/\xCE\xA9 gate.asm";
  const std::string renamed = folder + "/gate \xC3\xBC.asm";
  int error = 0;

  std::FILE* file = fs->CreateExclusive(name, &error);
  ASSERT_NE(file, nullptr) << ErrorText(error);
  std::fputs("x\r\n", file);
  ASSERT_TRUE(fs->Sync(file, name, &error));
  std::fclose(file);
  EXPECT_EQ(fs->CreateExclusive(name, &error), nullptr);
  EXPECT_EQ(error, EEXIST);

  FileInfo info;
  ASSERT_TRUE(fs->Stat(name, &info, &error));
  EXPECT_EQ(info.type, FileType::kRegular);
  EXPECT_EQ(info.size, 3u);
  ASSERT_TRUE(fs->Stat(folder, &info, &error));
  EXPECT_EQ(info.type, FileType::kDirectory);

  ASSERT_TRUE(fs->Rename(name, renamed, &error)) << ErrorText(error);
  std::vector<std::string> names;
  ASSERT_TRUE(fs->ListFolder(folder, &names, &error));
  EXPECT_EQ(names, std::vector<std::string>{"gate \xC3\xBC.asm"});

  LineReader in(fs);
  ASSERT_TRUE(in.Open(renamed).ok());
  std::string line;
  ASSERT_TRUE(in.Next(&line));
  EXPECT_EQ(line, "x");
  in.Close();

  // The short form, where the system has one, names the same file.
  std::string short_name;
  ASSERT_TRUE(fs->ShortName(renamed, &short_name, &error));
  FileInfo short_info;
  ASSERT_TRUE(fs->Stat(short_name, &short_info, &error));
  ASSERT_TRUE(fs->Stat(renamed, &info, &error));
  EXPECT_EQ(short_info.index, info.index);

  {
    std::unique_ptr<FileLock> lock =
        fs->TryLock(folder + "/\xCE\xA9.lock", &error);
    ASSERT_NE(lock, nullptr) << ErrorText(error);
  }
  ASSERT_TRUE(fs->Remove(renamed, &error));
  ASSERT_TRUE(fs->Stat(renamed, &info, &error));
  EXPECT_EQ(info.type, FileType::kMissing);
  EXPECT_FALSE(fs->Remove(renamed, &error));
  EXPECT_EQ(error, ENOENT);
}

TEST(FileSystemTest, AFailureGivesTheSystemsReason) {
  testing::TempDir dir;
  int error = 0;
  EXPECT_EQ(RealFileSystem()->OpenForReading(dir.File("missing/x.cfg"), &error),
            nullptr);
  EXPECT_EQ(error, ENOENT);
  EXPECT_EQ(ErrorText(ENOENT), "No such file or directory");
#ifdef _WIN32
  EXPECT_EQ(ErrorText(EBUSY),
            "sharing violation: another program has the file open");
#endif
}

}  // namespace
}  // namespace zum
