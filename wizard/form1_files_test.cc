// The source file page: rows over the animations, browse buttons, pre-scan
// tooltips and the page check.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "settings/testing.h"
#include "wizard/testing.h"

namespace zum::testing {
namespace {

class SourceFilePageTest : public WizardTest {
 protected:
  // Writes NAME.asm and its companion NAME_0.asm into the folder; returns
  // the main file's path.
  QString MakeObject(const std::string& name, int transforms, int animates,
                     std::initializer_list<int> frames) {
    std::string main = folder_.File(name + ".asm");
    WriteFile(main, CrLf({"include " + name + "_0.asm"}));
    WriteFile(folder_.File(name + "_0.asm"),
              CompanionText(transforms, animates, frames));
    return QString::fromStdString(main);
  }

  // Walks to the source file page without trigger; ANIMATIONS > 0 turns the
  // secondary condition on with that many animations.
  void ToFilePage(int animations) {
    Check("chk_cond_1")->setChecked(false);
    if (animations > 0) {
      Check("chk_cond_2")->setChecked(true);
      Type("txt_var_2", "0312h");
      Type("txt_num_secondanim", QString::number(animations));
    }
    WalkTo(Form1::kSourceFilePage);
  }

  // Chooses FILE with the browse button of ROW.
  void Choose(int row, const QString& file) {
    dialogs_.files.push_back(file);
    Click("cmd_file_" + QString::number(row));
  }

  bool RowShown(int k) {
    QString r = QString::number(k);
    bool shown = Shown("txt_file_in_" + r);
    for (const char* base : {"cmd_file_", "lbl_file_count_",
                             "txt_secondcond_min_", "txt_secondcond_max_"}) {
      EXPECT_EQ(Shown(base + r), shown) << base << k;
    }
    return shown;
  }

  std::vector<std::string> RowCaptions() {
    std::vector<std::string> captions;
    for (int k = 0; k < 4; ++k) {
      captions.push_back(
          Label("lbl_file_count_" + QString::number(k))->text().toStdString());
    }
    return captions;
  }
};

TEST_F(SourceFilePageTest, SingleRowWithoutSecondaryCondition) {
  Type("txt_num_secondanim", "7");
  ToFilePage(0);
  EXPECT_EQ(Edit("txt_num_secondanim")->text(), "1");
  EXPECT_EQ(Label("Label14")->text(), "Select input file:");
  EXPECT_TRUE(Shown("txt_file_in_0"));
  EXPECT_TRUE(Shown("cmd_file_0"));
  for (const char* name :
       {"lbl_file_count_0", "txt_secondcond_min_0", "txt_secondcond_max_0",
        "Label17", "Label18", "Label19", "cmd_file_up", "cmd_file_down"}) {
    EXPECT_FALSE(Shown(name)) << name;
  }
  for (int k = 1; k < 4; ++k) {
    EXPECT_FALSE(Shown("txt_file_in_" + QString::number(k))) << k;
  }
  EXPECT_EQ(Button("cmd_compile")->text(), "Compile MDL");
}

TEST_F(SourceFilePageTest, ThreeAnimationsShowThreeRows) {
  ToFilePage(3);
  EXPECT_EQ(Label("Label14")->text(), "Select input files:");
  EXPECT_TRUE(RowShown(0));
  EXPECT_TRUE(RowShown(1));
  EXPECT_TRUE(RowShown(2));
  EXPECT_FALSE(RowShown(3));
  EXPECT_FALSE(Shown("cmd_file_up"));
  EXPECT_FALSE(Shown("cmd_file_down"));
  EXPECT_TRUE(Shown("Label19"));
}

TEST_F(SourceFilePageTest, SevenAnimationsScrollWithinTheList) {
  ToFilePage(7);
  for (int k = 0; k < 4; ++k) {
    EXPECT_TRUE(RowShown(k)) << k;
  }
  EXPECT_TRUE(Shown("cmd_file_up"));
  EXPECT_FALSE(Enabled("cmd_file_up"));
  EXPECT_TRUE(Enabled("cmd_file_down"));
  Click("cmd_file_down");
  EXPECT_EQ(RowCaptions(), (std::vector<std::string>{"2", "3", "4", "5"}));
  EXPECT_TRUE(Enabled("cmd_file_up"));
  Click("cmd_file_down");
  Click("cmd_file_down");
  EXPECT_EQ(form_->FileRowBase(), 5);
  EXPECT_EQ(RowCaptions(), (std::vector<std::string>{"4", "5", "6", "7"}));
  EXPECT_FALSE(Enabled("cmd_file_down"));
}

TEST_F(SourceFilePageTest, ScrollingKeepsWhatWasTyped) {
  ToFilePage(6);
  Type("txt_file_in_0", "first.asm");
  Type("txt_secondcond_min_0", "10");
  Type("txt_secondcond_max_3", "44");
  Click("cmd_file_down");
  EXPECT_EQ(Edit("txt_secondcond_max_2")->text(), "44");
  Type("txt_file_in_3", "fifth.asm");
  Click("cmd_file_down");
  Click("cmd_file_up");
  Click("cmd_file_up");
  EXPECT_EQ(Edit("txt_file_in_0")->text(), "first.asm");
  EXPECT_EQ(Edit("txt_secondcond_min_0")->text(), "10");
  SettingsRecord record = form_->CurrentSettings();
  EXPECT_EQ(record.InputFile[5], "fifth.asm");
  EXPECT_EQ(record.SecondaryMax[4], "44");
}

TEST_F(SourceFilePageTest, ChoosingInRowZeroNamesTheOutput) {
  QString door = MakeObject("door", 2, 3, {50, 50, 50});
  ToFilePage(0);
  Choose(0, door);
  const ShownDialog& dialog = dialogs_.shown.back();
  EXPECT_EQ(dialog.kind, ShownDialog::Kind::kOpenFile);
  EXPECT_EQ(dialog.title, "Select ASM file");
  EXPECT_EQ(dialog.filters,
            QStringList({"ASM file (*.asm)", "All files (*.*)"}));
  EXPECT_EQ(Edit("txt_file_in_0")->text(), door);
  QString expected = door;
  expected.chop(4);
  EXPECT_EQ(Edit("txt_file_out")->text(), expected + "_zum.asm");
  EXPECT_EQ(Edit("txt_file_in_0")->toolTip(),
            "TRAN tables: 2||ANIM tables: 3||Num frames: 50 50 50 ");
  EXPECT_EQ(form_->PreScan(1).AnimateCount, 3);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SourceFilePageTest, EveryAsmOfThePathIsReplaced) {
  ToFilePage(0);
  Choose(0, "D:\\objects.asm\\door.asm");
  EXPECT_EQ(Edit("txt_file_out")->text(), "D:\\objects_zum.asm\\door_zum.asm");
  // The file is not there: the user hears which file and why.
  ASSERT_EQ(Messages().size(), 1u);
  const ShownDialog& shown = dialogs_.shown.back();
  EXPECT_EQ(shown.title, "ZUM error");
  EXPECT_EQ(shown.icon, Dialogs::Icon::kCritical);
  EXPECT_TRUE(shown.text.contains("D:\\objects.asm\\door.asm"));
  EXPECT_TRUE(shown.text.contains("D:\\objects.asm\\door_0.asm"));
  EXPECT_TRUE(shown.text.contains("cannot open"));
}

TEST_F(SourceFilePageTest, ChoosingACompanionFileSaysSo) {
  MakeObject("gate", 1, 1, {30});
  ToFilePage(0);
  Choose(0, QString::fromStdString(folder_.File("gate_0.asm")));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(dialogs_.shown.back().text.contains("gate_0_0.asm"));
  EXPECT_TRUE(dialogs_.shown.back().text.contains("choose the main .asm file"));
  EXPECT_EQ(Edit("txt_file_in_0")->toolTip(),
            "TRAN tables: 0||ANIM tables: 0||Num frames: ");
}

TEST_F(SourceFilePageTest, OtherRowsLeaveTheOutputAlone) {
  QString gate2 = MakeObject("gate2", 1, 1, {30});
  ToFilePage(3);
  Type("txt_file_out", "out.asm");
  Choose(1, gate2);
  EXPECT_EQ(Edit("txt_file_out")->text(), "out.asm");
  EXPECT_EQ(form_->CurrentSettings().InputFile[2], gate2.toStdString());
}

TEST_F(SourceFilePageTest, ScrolledRowZeroStoresItsAnimation) {
  QString gate = MakeObject("gate", 1, 2, {30, 30});
  ToFilePage(5);
  Click("cmd_file_down");
  EXPECT_EQ(Label("lbl_file_count_0")->text(), "2");
  Choose(0, gate);
  SettingsRecord record = form_->CurrentSettings();
  EXPECT_EQ(record.InputFile[2], gate.toStdString());
  EXPECT_EQ(record.InputFile[1], "");
  EXPECT_TRUE(Edit("txt_file_out")->text().endsWith("gate_zum.asm"));
  EXPECT_EQ(form_->PreScan(2).AnimateCount, 2);
}

TEST_F(SourceFilePageTest, CancelledOutputDialogEmptiesTheBox) {
  ToFilePage(0);
  Type("txt_file_out", "keep.asm");
  dialogs_.files.push_back("");
  Click("cmd_file_out");
  EXPECT_EQ(Edit("txt_file_out")->text(), "");
}

TEST_F(SourceFilePageTest, CancelledInputDialogChangesNothing) {
  ToFilePage(0);
  Type("txt_file_in_0", "keep.asm");
  dialogs_.files.push_back("");
  Click("cmd_file_0");
  EXPECT_EQ(Edit("txt_file_in_0")->text(), "keep.asm");
  EXPECT_EQ(Edit("txt_file_out")->text(), "");
}

// The page check, through Next.

TEST_F(SourceFilePageTest, EmptyOutputHasTheShortTitle) {
  ToFilePage(0);
  Type("txt_file_in_0", "gate.asm");
  ClickNext();
  EXPECT_EQ(form_->CurrentPage(), Form1::kSourceFilePage);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "ZUM err|Please enter a valid output file"});
  EXPECT_EQ(dialogs_.shown.back().icon, Dialogs::Icon::kCritical);
}

TEST_F(SourceFilePageTest, MissingRangeOfALaterAnimationWins) {
  ToFilePage(3);
  for (int k = 0; k < 3; ++k) {
    QString r = QString::number(k);
    Type("txt_file_in_" + r, "gate.asm");
    Type("txt_secondcond_min_" + r, k == 2 ? "" : "1");
    Type("txt_secondcond_max_" + r, "1");
  }
  ClickNext();
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "ZUM error|Please enter as many minimum/maximum values as you "
                "have selected secondairy conditions"});
}

TEST_F(SourceFilePageTest, DifferentFrameCountsAreRefused) {
  QString a = MakeObject("a", 1, 1, {50});
  QString b = MakeObject("b", 1, 1, {60});
  ToFilePage(2);
  Choose(0, a);
  Choose(1, b);
  Type("txt_secondcond_min_0", "1");
  Type("txt_secondcond_max_0", "1");
  Type("txt_secondcond_min_1", "2");
  Type("txt_secondcond_max_1", "2");
  ClickNext();
  EXPECT_EQ(form_->CurrentPage(), Form1::kSourceFilePage);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "ZUM error|The number of frames or animation tables does not "
                "match, please check the tooltips of the text boxes"});
  EXPECT_EQ(Edit("txt_file_in_1")->toolTip(),
            "TRAN tables: 1||ANIM tables: 1||Num frames: 60 ");
}

TEST_F(SourceFilePageTest, UnscannableInputNamesFileAndReason) {
  ToFilePage(0);
  Type("txt_file_in_0", QString::fromStdString(folder_.File("none.asm")));
  Type("txt_file_out", QString::fromStdString(folder_.File("out.asm")));
  ClickNext();
  EXPECT_EQ(form_->CurrentPage(), Form1::kSourceFilePage);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  QString text = dialogs_.shown.back().text;
  EXPECT_TRUE(text.startsWith("Please enter a valid input file\n\n"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("none_0.asm")) << text.toStdString();
}

}  // namespace
}  // namespace zum::testing
