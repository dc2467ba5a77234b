#include "settings/settings_store.h"

#include <gtest/gtest.h>

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

TEST(SettingsStoreTest, SlotNamesRoundTripAndShortFilesKeepTheRest) {
  testing::TempDir dir;
  SettingsStore store(dir.path().string());
  SlotNames names;
  names.fill(kFreeSlot);
  const SlotNames free = names;
  ASSERT_TRUE(store.ReadSlotNames(&names).ok());  // no file: no change
  EXPECT_EQ(names, free);

  names[3] = "Hangar door";
  names[9] = "  blanks kept  ";
  ASSERT_TRUE(store.WriteSlotNames(names).ok());
  EXPECT_EQ(ReadFile(store.SlotNamesFile()),
            CrLf({"Free", "Free", "Free", "Hangar door", "Free", "Free", "Free",
                  "Free", "Free", "  blanks kept  "}));
  SlotNames read = free;
  ASSERT_TRUE(store.ReadSlotNames(&read).ok());
  EXPECT_EQ(read, names);

  WriteFile(store.SlotNamesFile(), CrLf({"One", "Two"}));
  read = free;
  read[5] = "kept";
  ASSERT_TRUE(store.ReadSlotNames(&read).ok());
  EXPECT_EQ(read[0], "One");
  EXPECT_EQ(read[1], "Two");
  EXPECT_EQ(read[2], "Free");
  EXPECT_EQ(read[5], "kept");

  // Issue 19: a name with a line break would shift the later slots' names;
  // it is refused and the file stays as it was.
  const std::string before = ReadFile(store.SlotNamesFile());
  for (const char* name : {"Gate\nbeacon", "Gate\r", "\r\n"}) {
    SlotNames broken = names;
    broken[4] = name;
    EXPECT_EQ(store.WriteSlotNames(broken).ToString(),
              store.SlotNamesFile() +
                  ": the name of slot 4 holds a line break, which the file "
                  "cannot keep; nothing was written");
    EXPECT_EQ(ReadFile(store.SlotNamesFile()), before);
  }

  SettingsStore nowhere(dir.File("no_such_folder"));
  Status status = nowhere.WriteSlotNames(free);
  EXPECT_EQ(status.message().rfind(
                nowhere.SlotNamesFile() + ": cannot create the file (", 0),
            0u)
      << status.message();
}

TEST(SettingsStoreTest, SlotsAreSavedAndLoadedInTheirOwnFiles) {
  testing::TempDir dir;
  SettingsStore store(dir.path().string());
  EXPECT_EQ(store.SlotNamesFile(), dir.File("zum.cfg"));
  EXPECT_EQ(store.SlotFile(0), dir.File("zum0.cfg"));
  EXPECT_EQ(store.SlotFile(9), dir.File("zum9.cfg"));
  EXPECT_EQ(store.SlotFile(kLastSaveSlot), dir.File("zuma.cfg"));
  SettingsRecord record;
  record.trigger.txt_var = "0282h";
  ASSERT_TRUE(store.Save(3, record).ok());
  EXPECT_EQ(ReadFile(dir.File("zum3.cfg")), SettingsFileText(record));
  SettingsRecord loaded;
  ASSERT_TRUE(store.Load(3, &loaded).ok());
  EXPECT_EQ(SettingsFileText(loaded), SettingsFileText(record));
  EXPECT_EQ(loaded.trigger.txt_var, "0282h");
}

TEST(SettingsStoreTest, RecentFilesByFullPathMostRecentFirst) {
  testing::TempDir dir;
  SettingsStore store(dir.path().string());
  EXPECT_EQ(store.RecentFilesFile(), dir.File("zumrecent.txt"));
  EXPECT_TRUE(store.RecentFiles().empty());
  testing::TempWorkFolder work;
  const std::string here = std::filesystem::current_path().string();
  ASSERT_TRUE(store.AddRecentFile("gate.cfg").ok());
  ASSERT_TRUE(store.AddRecentFile(dir.File("door.cfg")).ok());
  ASSERT_TRUE(store.AddRecentFile("./sub/../gate.cfg").ok());
  const std::string gate = (std::filesystem::path(here) / "gate.cfg").string();
  EXPECT_EQ(store.RecentFiles(),
            (std::vector<std::string>{gate, dir.File("door.cfg")}));
  EXPECT_EQ(ReadFile(store.RecentFilesFile()),
            CrLf({gate, dir.File("door.cfg")}));

  SettingsStore nowhere(dir.File("no_such_folder"));
  Status status = nowhere.AddRecentFile("gate.cfg");
  EXPECT_EQ(status.message().rfind(
                nowhere.RecentFilesFile() + ": cannot create the file (", 0),
            0u)
      << status.message();
}

TEST(SettingsStoreTest, Issue19EveryFileIsSyncedBeforeItsRenameAndItsFolder) {
  testing::TempDir dir;
  testing::RecordingFileSystem disk;
  SettingsStore store(dir.path().string(), &disk);
  ASSERT_TRUE(store.Save(0, SettingsRecord()).ok());
  ASSERT_TRUE(store.WriteSlotNames(SlotNames()).ok());
  ASSERT_TRUE(store.AddRecentFile(dir.File("a.cfg")).ok());
  const std::vector<std::string> expected = {
      "sync $/zum0.cfg.~.zum-partial",
      "rename $/zum0.cfg.~.zum-partial $/zum0.cfg",
      "syncfolder $",
      "sync $/zum.cfg.~.zum-partial",
      "rename $/zum.cfg.~.zum-partial $/zum.cfg",
      "syncfolder $",
      "sync $/zumrecent.txt.~.zum-partial",
      "rename $/zumrecent.txt.~.zum-partial $/zumrecent.txt",
      "syncfolder $",
  };
  EXPECT_EQ(disk.Log(dir.path().string()), expected);
}

}  // namespace
}  // namespace zum
