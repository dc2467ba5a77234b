// The settings menus: saving into the slots with their questions, loading
// through the controls' handlers, the closing question, and saves that
// cannot be written.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "settings/pre_scan.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "wizard/testing.h"

namespace fs = std::filesystem;

namespace zum::testing {
namespace {

class SettingsMenuTest : public WizardTest {
 protected:
  QString Folder() const {
    return QString::fromStdString(folder_.path().string());
  }
  // A new window over the same program folder, as when the program starts
  // again.
  void Reopen() {
    form_.reset();
    form_ = std::make_unique<Form1>(&dialogs_, Folder());
    form_->show();
  }
  QAction* Action(const QString& name) { return Find<QAction>(name); }
  void SaveSlot(int k) { Action("mdata_" + QString::number(k))->trigger(); }
  void LoadSlot(int k) { Action("mdata2_" + QString::number(k))->trigger(); }
  QString SaveCaption(int k) {
    return Action("mdata_" + QString::number(k))->text();
  }
  QString LoadCaption(int k) {
    return Action("mdata2_" + QString::number(k))->text();
  }
  // The dialogs shown since the last call, as "title|text".
  std::vector<std::string> TakeMessages() {
    std::vector<std::string> messages = Messages();
    dialogs_.shown.clear();
    return messages;
  }
  // The lines of a settings file of RECORD, without their line ends.
  static std::vector<std::string> Lines(const SettingsRecord& record) {
    return SplitCrLf(SettingsFileText(record));
  }
};

const char kOverwrite[] =
    "This will overwrite your previously saved configuration, do you want to "
    "continue?";
const char kNamePrompt[] = "Please enter a name for your ZUM configuration";
const char kRestore[] =
    "This will restore all last settings, do you want to continue?";
const char kLoadError[] =
    "ZUM error|An error occured when loading your configuration file";

TEST_F(SettingsMenuTest, MenusHoldTenSlotsAndLastSaveOnExit) {
  EXPECT_EQ(Find<QMenu>("mSave")->title(), "&Save settings");
  EXPECT_EQ(Find<QMenu>("mLoad")->title(), "&Load settings");
  EXPECT_EQ(Find<QMenu>("mSave")->actions().size(), 10);
  EXPECT_EQ(LoadCaption(10), "Last save on exit");
  EXPECT_EQ(SaveCaption(9), "Free");
}

TEST_F(SettingsMenuTest, SavingIntoAFreeSlotAsksOnlyForAName) {
  Check("chk_cond_0")->setChecked(true);
  Type("txt_var_0", "033Bh");
  dialogs_.inputs.push_back("gate");
  SaveSlot(3);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].kind, ShownDialog::Kind::kInput);
  EXPECT_EQ(dialogs_.shown[0].text, kNamePrompt);
  EXPECT_EQ(dialogs_.shown[0].title, "ZUM");
  EXPECT_EQ(SaveCaption(3), "gate");
  EXPECT_EQ(LoadCaption(3), "gate");
  EXPECT_EQ(ReadFile(folder_.File("zum3.cfg")),
            SettingsFileText(form_->CurrentSettings()));
  EXPECT_EQ(SplitCrLf(ReadFile(folder_.File("zum3.cfg")))[1], "033Bh");
  EXPECT_FALSE(fs::exists(folder_.File("zum.cfg")));  // written on exit
}

TEST_F(SettingsMenuTest, SavingIntoANamedSlotAsksBeforeOverwriting) {
  dialogs_.inputs.push_back("gate");
  SaveSlot(2);
  const std::string first = ReadFile(folder_.File("zum2.cfg"));
  dialogs_.shown.clear();

  Type("txt_file_out", "door_zum.asm");
  dialogs_.answers.push_back(Dialogs::Answer::kNo);
  SaveSlot(2);
  ASSERT_EQ(dialogs_.shown.size(), 1u);  // no name asked
  const ShownDialog& question = dialogs_.shown[0];
  EXPECT_EQ(question.text, kOverwrite);
  EXPECT_EQ(question.title, "ZUM warning");
  EXPECT_EQ(question.icon, Dialogs::Icon::kExclamation);
  EXPECT_EQ(question.buttons, Dialogs::Buttons::kYesNo);
  EXPECT_EQ(ReadFile(folder_.File("zum2.cfg")), first);
  EXPECT_EQ(SaveCaption(2), "gate");

  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  dialogs_.inputs.push_back("door");
  SaveSlot(2);
  EXPECT_EQ(SaveCaption(2), "door");
  EXPECT_EQ(LoadCaption(2), "door");
  EXPECT_EQ(SplitCrLf(ReadFile(folder_.File("zum2.cfg")))[15], "door_zum.asm");
}

TEST_F(SettingsMenuTest, CancelledNameChangesNothing) {
  dialogs_.inputs.push_back("");
  SaveSlot(5);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"ZUM error|This is not a valid name"});
  EXPECT_EQ(dialogs_.shown.back().icon, Dialogs::Icon::kCritical);
  EXPECT_EQ(dialogs_.shown.back().buttons, Dialogs::Buttons::kOk);
  EXPECT_EQ(SaveCaption(5), "Free");
  EXPECT_EQ(LoadCaption(5), "Free");
  EXPECT_FALSE(fs::exists(folder_.File("zum5.cfg")));
}

TEST_F(SettingsMenuTest, LoadingAFreeSlotSaysSo) {
  LoadSlot(4);
  ASSERT_EQ(Messages(), std::vector<std::string>{
                            "ZUM warning|No ZUM configuration is saved in "
                            "this slot"});
  EXPECT_EQ(dialogs_.shown[0].icon, Dialogs::Icon::kInformation);
  EXPECT_EQ(dialogs_.shown[0].buttons, Dialogs::Buttons::kOk);
}

TEST_F(SettingsMenuTest, SlotNamedFreeIsFree) {
  WriteFile(folder_.File("zum.cfg"),
            CrLf({"a", "Free", "c", "d", "e", "f", "g", "h", "i", "j"}));
  WriteFile(folder_.File("zum1.cfg"), SettingsFileText(SettingsRecord()));
  Reopen();
  LoadSlot(1);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "ZUM warning|No ZUM configuration is saved in "
                            "this slot"});
  dialogs_.shown.clear();
  dialogs_.inputs.push_back("mine");
  SaveSlot(1);  // no overwrite question
  EXPECT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(SaveCaption(1), "mine");
  EXPECT_EQ(SaveCaption(0), "a");
}

TEST_F(SettingsMenuTest, LoadingIsAskedFirst) {
  dialogs_.inputs.push_back("gate");
  Type("txt_var_1", "0282h");
  SaveSlot(0);
  Type("txt_var_1", "");
  dialogs_.shown.clear();
  dialogs_.answers.push_back(Dialogs::Answer::kNo);
  LoadSlot(0);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].text, kRestore);
  EXPECT_EQ(dialogs_.shown[0].title, "ZUM warning");
  EXPECT_EQ(dialogs_.shown[0].icon, Dialogs::Icon::kExclamation);
  EXPECT_EQ(dialogs_.shown[0].buttons, Dialogs::Buttons::kYesNo);
  EXPECT_EQ(Edit("txt_var_1")->text(), "");
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(0);
  EXPECT_EQ(Edit("txt_var_1")->text(), "0282h");
  // The handler of the variable box ran: the list shows "Beacon".
  EXPECT_EQ(List("cmb_var_1")->currentText(), "Beacon");
}

TEST_F(SettingsMenuTest, LastSaveOnExitBeforeAnyExitIsALoadError) {
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(10);
  std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], kLoadError);
  EXPECT_EQ(dialogs_.shown[1].icon, Dialogs::Icon::kCritical);
}

TEST_F(SettingsMenuTest, UsedSlotWhoseFileHasGoneIsALoadError) {
  dialogs_.inputs.push_back("gate");
  SaveSlot(6);
  fs::remove(folder_.File("zum6.cfg"));
  dialogs_.shown.clear();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(6);
  EXPECT_EQ(Messages().back(), kLoadError);
}

TEST_F(SettingsMenuTest, FileWithoutLine184KeepsTheApplyChoice) {
  SettingsRecord record;
  record.txt_var[3] = "0280h";
  std::vector<std::string> lines = Lines(record);
  lines.pop_back();  // line 184 would select "Apply to animation trigger"
  WriteFile(folder_.File("zum7.cfg"), CrLf(lines));
  WriteFile(folder_.File("zum.cfg"), CrLf({"", "", "", "", "", "", "", "old"}));
  Reopen();
  Option("opt_condapply_1")->setChecked(true);
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(7);
  EXPECT_EQ(Messages().size(), 1u);  // the question only
  EXPECT_EQ(Edit("txt_var_3")->text(), "0280h");
  EXPECT_TRUE(Option("opt_condapply_1")->isChecked());
  EXPECT_FALSE(Option("opt_condapply_0")->isChecked());
}

TEST_F(SettingsMenuTest, Line184SelectsTheApplyChoice) {
  SettingsRecord record;
  record.opt_condapply0 = false;
  WriteFile(folder_.File("zum0.cfg"), SettingsFileText(record));
  WriteFile(folder_.File("zum.cfg"), CrLf({"saved"}));
  Reopen();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(0);
  EXPECT_TRUE(Option("opt_condapply_1")->isChecked());
  record.opt_condapply0 = true;
  WriteFile(folder_.File("zum0.cfg"), SettingsFileText(record));
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(0);
  EXPECT_TRUE(Option("opt_condapply_0")->isChecked());
}

TEST_F(SettingsMenuTest, CorruptFileKeepsTheValuesBeforeTheBadLine) {
  SettingsRecord record;
  record.chk_cond[0] = 1;
  record.txt_var[0] = "033Bh";
  record.txt_var_min[2] = "5";
  record.txt_var[3] = "0280h";       // line 14, after the bad line
  record.InputFile[1] = "gate.asm";  // line 18
  record.opt_kind[1] = ConditionKind::kBoundingBox;  // line 176
  std::vector<std::string> lines = Lines(record);
  lines[12] = "x";  // line 13, chk_cond(3): not a number
  WriteFile(folder_.File("zum8.cfg"), CrLf(lines));
  WriteFile(folder_.File("zum.cfg"),
            CrLf({"", "", "", "", "", "", "", "", "broken"}));
  Reopen();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(8);
  EXPECT_EQ(Messages().back(), kLoadError);
  // Lines 1 to 12 were assigned, and their handlers ran.
  EXPECT_TRUE(Check("chk_cond_0")->isChecked());
  EXPECT_TRUE(Enabled("txt_var_0"));
  EXPECT_EQ(Edit("txt_var_0")->text(), "033Bh");
  EXPECT_EQ(List("cmb_var_0")->currentText(), "Distance to RefPoint");
  EXPECT_EQ(Edit("txt_var_min_2")->text(), "5");
  // Lines 13 on were not.
  EXPECT_EQ(Edit("txt_var_3")->text(), "");
  EXPECT_EQ(form_->CurrentSettings().InputFile[1], "");
  EXPECT_TRUE(Option("opt_con_1")->isChecked());
  EXPECT_TRUE(Shown("txt_var_1"));
}

TEST_F(SettingsMenuTest, ShortFileKeepsTheLinesItHas) {
  SettingsRecord record;
  record.txt_file_out = "out.asm";
  record.InputFile[3] = "third.asm";  // line 24
  record.InputFile[40] = "late.asm";  // line 135
  std::vector<std::string> lines = Lines(record);
  lines.resize(100);
  WriteFile(folder_.File("zum9.cfg"), CrLf(lines));
  WriteFile(folder_.File("zum.cfg"),
            CrLf({"", "", "", "", "", "", "", "", "", "short"}));
  Reopen();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(9);
  EXPECT_EQ(Messages().back(), kLoadError);
  SettingsRecord now = form_->CurrentSettings();
  EXPECT_EQ(now.txt_file_out, "out.asm");
  EXPECT_EQ(now.InputFile[3], "third.asm");
  EXPECT_EQ(now.InputFile[40], "");
}

TEST_F(SettingsMenuTest, LoadingRunsTheEditorsHandlers) {
  SettingsRecord record;
  record.chk_cond = {1, 0, 1, 0};
  record.opt_kind = {ConditionKind::kBoundingBox, ConditionKind::kMask};
  record.txt_box_xmin[0] = "-40";
  record.txt_num_secondanim = "7";
  record.FileRowBase = 200;  // brought back to the last four animations
  WriteFile(folder_.File("zum4.cfg"), SettingsFileText(record));
  WriteFile(folder_.File("zum.cfg"), CrLf({"", "", "", "", "boxes"}));
  Reopen();
  Check("chk_cond_3")->setChecked(true);
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(4);
  EXPECT_EQ(Messages().size(), 1u);
  // Bounding box: the box fields shown and enabled, the additional
  // condition hidden and unticked.
  EXPECT_TRUE(Shown("txt_box_xmin_0"));
  EXPECT_TRUE(Enabled("txt_box_xmin_0"));
  EXPECT_EQ(Edit("txt_box_xmin_0")->text(), "-40");
  EXPECT_FALSE(Shown("txt_var_0"));
  EXPECT_FALSE(Shown("chk_cond_3"));
  EXPECT_FALSE(Check("chk_cond_3")->isChecked());
  // Trigger off, mask: the maximum hidden, the fields disabled.
  EXPECT_FALSE(Enabled("txt_var_1"));
  EXPECT_FALSE(Shown("txt_var_max_1"));
  EXPECT_EQ(Label("Label11")->text(), "Value:");
  EXPECT_TRUE(Enabled("txt_num_secondanim"));
  EXPECT_EQ(form_->FileRowBase(), kMaxAnimations - 2);
}

TEST_F(SettingsMenuTest, GreyedCheckBoxValueLoadsUnticked) {
  SettingsRecord record;
  record.chk_cond[1] = 2;
  record.txt_var[1] = "0282h";
  WriteFile(folder_.File("zum5.cfg"), SettingsFileText(record));
  WriteFile(folder_.File("zum.cfg"), CrLf({"", "", "", "", "", "greyed"}));
  Reopen();
  ASSERT_TRUE(Check("chk_cond_1")->isChecked());
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(5);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_FALSE(Check("chk_cond_1")->isChecked());
  EXPECT_FALSE(Enabled("txt_var_1"));  // its handler ran
  EXPECT_EQ(Edit("txt_var_1")->text(), "0282h");
}

// The example object in a temporary folder, for loads that scan inputs.
class SettingsWithObjectsTest : public SettingsMenuTest {
 protected:
  void SetUp() override {
    fs::path examples = ZUM_EXAMPLES_DIR;
    ASSERT_TRUE(fs::exists(examples / "gate.asm")) << examples;
    fs::copy(examples, objects_.path(), fs::copy_options::recursive);
  }
  std::string Object(const std::string& name) { return objects_.File(name); }
  TempDir objects_;
};

TEST_F(SettingsWithObjectsTest, LoadingRescansTheInputsForTheTooltips) {
  SettingsRecord record;
  record.chk_cond[2] = 1;
  record.txt_num_secondanim = "3";
  record.InputFile[1] = Object("gate.asm");
  record.InputFile[2] = Object("gate2.asm");
  record.InputFile[3] = Object("missing.asm");
  WriteFile(folder_.File("zum1.cfg"), SettingsFileText(record));
  WriteFile(folder_.File("zum.cfg"), CrLf({"", "three"}));
  Reopen();
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(1);
  EXPECT_EQ(Messages().size(), 1u);
  SourceScan expected;
  ASSERT_TRUE(PreScanInputFile(Object("gate2.asm"), &expected).ok());
  EXPECT_GT(form_->PreScan(2).AnimateCount, 0);
  EXPECT_EQ(form_->PreScan(2).AnimateCount, expected.AnimateCount);
  EXPECT_EQ(Edit("txt_file_in_1")->toolTip().toStdString(),
            ScanTooltipText(expected));
  // A file that cannot be scanned shows an empty scan.
  EXPECT_EQ(Edit("txt_file_in_2")->toolTip().toStdString(),
            ScanTooltipText(SourceScan()));
  EXPECT_EQ(Edit("txt_file_in_3")->toolTip(), "");
}

TEST_F(SettingsWithObjectsTest, LoadingOnTheFilePageShowsTheLoadedRows) {
  SettingsRecord record;
  record.chk_cond[1] = 0;
  record.InputFile[1] = Object("gate.asm");
  record.txt_file_out = Object("gate_zum.asm");
  WriteFile(folder_.File("zum2.cfg"), SettingsFileText(record));
  WriteFile(folder_.File("zum.cfg"), CrLf({"", "", "gate"}));
  Reopen();
  Check("chk_cond_1")->setChecked(false);
  WalkTo(Form1::kSourceFilePage);
  Type("txt_file_in_0", "typed.asm");
  dialogs_.answers.push_back(Dialogs::Answer::kYes);
  LoadSlot(2);
  // The row shows the loaded entry, and Next runs on it.
  EXPECT_EQ(Edit("txt_file_in_0")->text().toStdString(), Object("gate.asm"));
  ClickNext();
  EXPECT_EQ(form_->CurrentPage(), Form1::kFinishPage);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(fs::exists(Object("gate_zum_0.asm")));
}

}  // namespace
}  // namespace zum::testing
