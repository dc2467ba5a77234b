#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/faults_testing.h"
#include "engine/line_io.h"
#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

SlotNames FreeSlots() {
  SlotNames names;
  names.fill(kFreeSlot);
  return names;
}

TEST(SettingsStoreTest, FileNamesInTheFolder) {
#ifdef _WIN32
  const std::string folder = "C:\\Program Files\\ZUM";
  const std::string in = folder + "\\";
#else
  const std::string folder = "/opt/zum";
  const std::string in = folder + "/";
#endif
  SettingsStore store(folder);
  EXPECT_EQ(store.SlotNamesFile(), in + "zum.cfg");
  EXPECT_EQ(store.SlotFile(0), in + "zum0.cfg");
  EXPECT_EQ(store.SlotFile(3), in + "zum3.cfg");
  EXPECT_EQ(store.SlotFile(9), in + "zum9.cfg");
  EXPECT_EQ(store.SlotFile(kLastSaveSlot), in + "zuma.cfg");
}

TEST(SettingsStoreTest, SlotNamesRoundTripAndShortFilesKeepTheRest) {
  TempDir dir;
  SettingsStore store(dir.path().string());
  SlotNames names = FreeSlots();
  ASSERT_TRUE(store.ReadSlotNames(&names).ok());  // no file: no change
  EXPECT_EQ(names, FreeSlots());

  names[3] = "Hangar door";
  names[9] = "  blanks kept  ";
  ASSERT_TRUE(store.WriteSlotNames(names).ok());
  EXPECT_EQ(ReadFile(store.SlotNamesFile()),
            CrLf({"Free", "Free", "Free", "Hangar door", "Free", "Free", "Free",
                  "Free", "Free", "  blanks kept  "}));
  SlotNames read = FreeSlots();
  ASSERT_TRUE(store.ReadSlotNames(&read).ok());
  EXPECT_EQ(read, names);

  WriteFile(store.SlotNamesFile(), CrLf({"One", "Two"}));
  read = FreeSlots();
  read[5] = "kept";
  ASSERT_TRUE(store.ReadSlotNames(&read).ok());
  EXPECT_EQ(read[0], "One");
  EXPECT_EQ(read[1], "Two");
  EXPECT_EQ(read[2], "Free");
  EXPECT_EQ(read[5], "kept");
}

TEST(SettingsStoreTest, SaveAndLoadASlot) {
  TempDir dir;
  SettingsStore store(dir.path().string());
  SettingsRecord record;
  record.txt_var[1] = "0282h";
  record.txt_file_out = "D:\\objects\\door_zum.asm";
  ASSERT_TRUE(store.Save(3, record).ok());
  EXPECT_EQ(ReadFile(store.SlotFile(3)), SettingsFileText(record));
  std::vector<SettingsValue> values;
  ASSERT_TRUE(store.Load(3, &values).ok());
  EXPECT_EQ(values.size(), 184u);
  SettingsRecord loaded;
  for (const SettingsValue& value : values) {
    ApplySettingsValue(value, &loaded);
  }
  EXPECT_EQ(loaded.txt_var[1], "0282h");
  EXPECT_EQ(loaded.txt_file_out, "D:\\objects\\door_zum.asm");
}

TEST(SettingsStoreTest, LoadingTheLastSaveBeforeAnyExitIsAnError) {
  TempDir dir;
  SettingsStore store(dir.path().string());
  std::vector<SettingsValue> values;
  Status s = store.Load(kLastSaveSlot, &values);
  EXPECT_NE(s.message().find("zuma.cfg: cannot open for reading"),
            std::string::npos)
      << s.message();
}

TEST(SettingsStoreTest, FailedSaveNamesTheFileAndKeepsTheEarlierOne) {
  TempDir dir;
  SettingsStore store(dir.path().string());
  SettingsRecord record;
  record.txt_var[0] = "first";
  ASSERT_TRUE(store.Save(0, record).ok());
  const std::string saved = ReadFile(store.SlotFile(0));
  // The temporary file cannot be created, so the save cannot start.
  testing::FaultyFileSystem disk;
  disk.FailCreate(store.SlotFile(0));
  record.txt_var[0] = "second";
  Status s = store.Save(0, record);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(
      s.message().rfind(store.SlotFile(0) + ": cannot create the file", 0), 0u)
      << s.message();
  EXPECT_EQ(ReadFile(store.SlotFile(0)), saved);

  SettingsStore nowhere(dir.File("no_such_folder"));
  s = nowhere.WriteSlotNames(FreeSlots());
  EXPECT_EQ(s.message().rfind(
                nowhere.SlotNamesFile() + ": cannot create the file (", 0),
            0u)
      << s.message();
}

}  // namespace
}  // namespace zum
