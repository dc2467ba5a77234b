// Closing the window, and saves that cannot be written.

#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QLineEdit>

#include "engine/faults_testing.h"
#include "settings/settings_file.h"
#include "wizard/testing.h"

namespace fs = std::filesystem;

namespace zum::testing {
namespace {

class ClosingTest : public WizardTest {
 protected:
  QAction* Action(const QString& name) { return Find<QAction>(name); }
  void SaveSlot(int k) { Action("mdata_" + QString::number(k))->trigger(); }
  void Reopen() {
    form_.reset();
    form_ = std::make_unique<Form1>(
        &dialogs_, QString::fromStdString(folder_.path().string()));
    form_->show();
  }
  std::vector<std::string> SlotNamesOnDisk() {
    return SplitCrLf(ReadFile(folder_.File("zum.cfg")));
  }
};

const char kSaveQuestion[] =
    "Do you want to save the current settings for later use?";

TEST_F(ClosingTest, YesSavesTheSettingsAndTheSlotNames) {
  dialogs_.inputs.push_back("gate");
  SaveSlot(3);
  Type("txt_var_1", "0282h");
  dialogs_.shown.clear();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  const std::string settings = SettingsFileText(form_->CurrentSettings());
  EXPECT_TRUE(form_->close());
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].text, kSaveQuestion);
  EXPECT_EQ(dialogs_.shown[0].title, "ZUM warning");
  EXPECT_EQ(dialogs_.shown[0].icon, Dialogs::Icon::kExclamation);
  EXPECT_EQ(dialogs_.shown[0].buttons, Dialogs::Buttons::kYesNo);
  EXPECT_EQ(ReadFile(folder_.File("zuma.cfg")), settings);
  EXPECT_EQ(ReadFile(folder_.File("zum.cfg")),
            CrLf({"Free", "Free", "Free", "gate", "Free", "Free", "Free",
                  "Free", "Free", "Free"}));

  // The next start shows the names, and the settings saved on exit load.
  Reopen();
  EXPECT_EQ(Action("mdata2_3")->text(), "gate");
  EXPECT_EQ(Edit("txt_var_1")->text(), "");
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  Action("mdata2_10")->trigger();
  EXPECT_EQ(Edit("txt_var_1")->text(), "0282h");
}

TEST_F(ClosingTest, NoWritesOnlyTheSlotNames) {
  dialogs_.answers.push_back(Dialogs::Answer::kNo);
  EXPECT_TRUE(form_->close());
  EXPECT_FALSE(fs::exists(folder_.File("zuma.cfg")));
  EXPECT_EQ(SlotNamesOnDisk(), std::vector<std::string>(10, "Free"));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ClosingTest, NoKeepsAnEarlierLastSave) {
  WriteFile(folder_.File("zuma.cfg"), "earlier");
  dialogs_.answers.push_back(Dialogs::Answer::kNo);
  form_->close();
  EXPECT_EQ(ReadFile(folder_.File("zuma.cfg")), "earlier");
}

// Something other than a file (here a folder) stands where the slot's file
// should be: the save fails, says where and why, and the slot stays free.
TEST_F(ClosingTest, FailedSaveSaysWhyAndLeavesTheSlotFree) {
  fs::create_directory(folder_.File("zum4.cfg"));
  dialogs_.inputs.push_back("gate");
  SaveSlot(4);
  std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(dialogs_.shown.back().icon, Dialogs::Icon::kCritical);
  EXPECT_EQ(dialogs_.shown.back().title, "ZUM error");
  EXPECT_NE(messages[0].find(folder_.File("zum4.cfg") + ": cannot replace"),
            std::string::npos)
      << messages[0];
  EXPECT_EQ(Action("mdata_4")->text(), "Free");
  EXPECT_EQ(Action("mdata2_4")->text(), "Free");
  EXPECT_TRUE(fs::is_directory(folder_.File("zum4.cfg")));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()),
                          fs::directory_iterator()),
            1);  // no partial file left behind
}

// The partial file cannot be created beside a slot that holds settings:
// the earlier file and its caption stay.
TEST_F(ClosingTest, FailedSaveKeepsTheEarlierSettingsAndName) {
  dialogs_.inputs.push_back("gate");
  SaveSlot(4);
  const std::string first = ReadFile(folder_.File("zum4.cfg"));
  ASSERT_FALSE(first.empty());
  FaultyFileSystem disk;
  disk.FailCreate(folder_.File("zum4.cfg"));
  Type("txt_file_out", "other.asm");
  dialogs_.shown.clear();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  dialogs_.inputs.push_back("door");
  SaveSlot(4);
  std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 2u);  // the overwrite question, the failure
  EXPECT_NE(messages[1].find(folder_.File("zum4.cfg") + ": cannot create"),
            std::string::npos)
      << messages[1];
  EXPECT_EQ(ReadFile(folder_.File("zum4.cfg")), first);
  EXPECT_EQ(Action("mdata_4")->text(), "gate");
  EXPECT_EQ(Action("mdata2_4")->text(), "gate");
}

TEST_F(ClosingTest, UnwritableSlotNamesAreReportedOnClosing) {
  fs::create_directory(folder_.File("zum.cfg"));
  fs::create_directory(folder_.File("zuma.cfg"));
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  EXPECT_TRUE(form_->close());
  std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_NE(messages[1].find(folder_.File("zuma.cfg")), std::string::npos);
  EXPECT_NE(messages[2].find(folder_.File("zum.cfg")), std::string::npos);
  EXPECT_EQ(messages[2].rfind("ZUM error|", 0), 0u);
}

}  // namespace
}  // namespace zum::testing
