// The window as it opens: captions, lists, page buttons, slot names.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "compiler/dos_outputs.h"
#include "wizard/testing.h"

namespace zum::testing {
namespace {

using StartupTest = WizardTest;

TEST_F(StartupTest, OpensOnTheWelcomePageWithTheVersion) {
  EXPECT_EQ(form_->windowTitle(), "ZUM");
  EXPECT_EQ(form_->CurrentPage(), Form1::kWelcomePage);
  EXPECT_EQ(Label("Label3")->text(), QString("ZUM v") + ZUM_VERSION_TEXT);
  EXPECT_EQ(Label("Label2")->text(), "ZUM");
  EXPECT_FALSE(Label("Image1")->pixmap().isNull());
}

TEST_F(StartupTest, WindowShowsTheApplicationIcon) {
  ASSERT_FALSE(form_->windowIcon().isNull());
  EXPECT_FALSE(form_->windowIcon().pixmap(48, 48).isNull());
}

TEST_F(StartupTest, OnlyTheWelcomeNextIsEnabled) {
  EXPECT_TRUE(Enabled("cmd_next_0"));
  EXPECT_FALSE(Shown("cmd_prev_0"));
  EXPECT_FALSE(Shown("cmd_prev_5"));
  for (int page = 1; page < Form1::kPageCount; ++page) {
    QString p = QString::number(page);
    EXPECT_FALSE(Enabled("cmd_next_" + p)) << page;
    EXPECT_FALSE(Enabled("cmd_prev_" + p)) << page;
  }
}

TEST_F(StartupTest, ThreeListsOfTheTwentyFiveVariables) {
  EXPECT_EQ(form_->variables().VariableCount(), 25);
  for (int i = 0; i < 3; ++i) {
    QComboBox* list = List("cmb_var_" + QString::number(i));
    ASSERT_EQ(list->count(), 25) << i;
    EXPECT_EQ(list->itemText(0), "Aircraft altitude MSL");
    EXPECT_EQ(list->itemText(24), "Wind heading");
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), "Select variable");
  }
}

TEST_F(StartupTest, EditorsStartInTheirDesignState) {
  // Page 1: both conditions off, between, additional box usable.
  EXPECT_FALSE(Check("chk_cond_0")->isChecked());
  EXPECT_TRUE(Option("opt_con_0")->isChecked());
  for (const char* name :
       {"txt_var_0", "cmd_copyvar_0", "cmb_var_0", "txt_var_min_0",
        "txt_var_max_0", "txt_var_3", "cmd_copyvar_3", "txt_var_min_2",
        "txt_var_max_2", "opt_con_0", "opt_mask_0", "opt_box_0"}) {
    EXPECT_FALSE(Enabled(name)) << name;
  }
  EXPECT_TRUE(Enabled("chk_cond_3"));
  EXPECT_TRUE(Option("opt_condapply_0")->isChecked());
  // Page 2: the trigger is on.
  EXPECT_TRUE(Check("chk_cond_1")->isChecked());
  for (const char* name : {"txt_var_1", "cmd_copyvar_1", "cmb_var_1",
                           "txt_var_min_1", "txt_var_max_1"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  // Box fields hidden on both editors.
  for (int i = 0; i < 2; ++i) {
    for (const char* base : {"txt_box_xmin_", "txt_box_zmax_", "txt_rot_",
                             "Label4_", "Label31_"}) {
      EXPECT_FALSE(Shown(base + QString::number(i))) << base << i;
    }
  }
  // Page 3.
  EXPECT_FALSE(Check("chk_cond_2")->isChecked());
  for (const char* name :
       {"txt_var_2", "cmd_copyvar_2", "cmb_var_2", "txt_num_secondanim"}) {
    EXPECT_FALSE(Enabled(name)) << name;
  }
  EXPECT_EQ(Button("cmd_compile")->text(), "Compile to &BGL");
  EXPECT_EQ(Button("cmd_next_5")->text(), "&Restart ZUM");
}

TEST_F(StartupTest, CaptionsOfEveryPage) {
  const std::pair<const char*, const char*> captions[] = {
      {"Label1", "Welcome to"},
      {"Label5", "for Fs2004"},
      {"Label9", "Please click next to continue."},
      {"Label13",
       "With the animation condition you can set a condition on the total "
       "animation. This can for example be used to only show the animation "
       "when you are closer than a certain distance."},
      {"Label15",
       "The animation trigger is the condition that will start the "
       "animation. When this condition is no longer valid the reverse "
       "animation will be started."},
      {"Label16",
       "The secondary condition can be used to select a different animation "
       "depending on the value of the variable. This can for example be used "
       "to get different gate animations for different aircraft types."},
      {"Label20",
       "Select the source files to be processed by ZUM and the output file "
       "to save the result in. Never select the _0.asm files!"},
      {"Label21",
       "Your animation has been processed and the source files have been "
       "saved on the indicated location."},
      {"Label6", "Variable:"},
      {"Label7", "Minimum value:"},
      {"Label8", "Maximum value:"},
      {"Label24", "Minimum value:"},
      {"Label23", "Maximum value:"},
      {"Label12", "Variable:"},
      {"Label11", "Minimum value:"},
      {"Label10", "Maximum value:"},
      {"Label26", "Number ofanimations (max 50):"},
      {"Label14", "Input file:"},
      {"Label17", "minimum"},
      {"Label18", "maximum"},
      {"Label19", "Secondairy condition"},
      {"Label4_0", "Min"},
      {"Label27_1", "Max"},
      {"Label28_0", "<- width ->"},
      {"Label29_1", "<- height ->"},
      {"Label30_0", "<- length ->"},
      {"Label31_1", "Rotation"},
  };
  for (const auto& [name, text] : captions) {
    EXPECT_EQ(Label(name)->text(), text) << name;
  }
  const std::pair<const char*, const char*> buttons[] = {
      {"chk_cond_0", "Enable &animation condition"},
      {"chk_cond_1", "Enable animation &trigger"},
      {"chk_cond_2", "Enable &secondary condition"},
      {"chk_cond_3", "Enable a&dditional animation condition"},
      {"cmd_copyvar_0", "<"},
      {"cmd_copyvar_1", "<"},
      {"cmd_copyvar_2", "<"},
      {"cmd_copyvar_3", ">"},
      {"opt_con_1", "Condition (between)"},
      {"opt_mask_1", "Condition (mask)"},
      {"opt_box_0", "Bounding box"},
      {"opt_condapply_0", "Apply to animation trigger"},
      {"opt_condapply_1", "Apply to animation"},
      {"cmd_file_2", "..."},
      {"cmd_file_out", "..."},
      {"cmd_clear", "&Clear all fields"},
      {"cmd_next_0", "&Next ->"},
      {"cmd_prev_4", "<- &Previous"},
  };
  for (const auto& [name, text] : buttons) {
    EXPECT_EQ(Find<QAbstractButton>(name)->text(), text) << name;
  }
}

TEST_F(StartupTest, EveryControlArrayHasItsIndexes) {
  const std::pair<const char*, int> arrays[] = {
      {"Frame1", 6},
      {"cmd_next", 6},
      {"cmd_prev", 6},
      {"chk_cond", 4},
      {"txt_var", 4},
      {"cmb_var", 3},
      {"cmd_copyvar", 4},
      {"opt_con", 2},
      {"opt_mask", 2},
      {"opt_box", 2},
      {"txt_var_min", 3},
      {"txt_var_max", 3},
      {"txt_box_xmin", 2},
      {"txt_box_xmax", 2},
      {"txt_box_ymin", 2},
      {"txt_box_ymax", 2},
      {"txt_box_zmin", 2},
      {"txt_box_zmax", 2},
      {"txt_rot", 2},
      {"Label4", 2},
      {"Label27", 2},
      {"Label28", 2},
      {"Label29", 2},
      {"Label30", 2},
      {"Label31", 2},
      {"opt_condapply", 2},
      {"lbl_file_count", 4},
      {"txt_file_in", 4},
      {"cmd_file", 4},
      {"txt_secondcond_min", 4},
      {"txt_secondcond_max", 4},
  };
  for (const auto& [name, count] : arrays) {
    for (int i = 0; i < count; ++i) {
      EXPECT_NE(Find<QWidget>(QString("%1_%2").arg(name).arg(i)), nullptr);
    }
    EXPECT_EQ(form_->findChild<QWidget*>(QString("%1_%2").arg(name).arg(count)),
              nullptr)
        << name;
  }
  for (const char* name :
       {"Frame2", "txt_num_secondanim", "cmd_file_up", "cmd_file_down",
        "txt_file_out", "cmd_file_out", "pbar", "cmd_clear", "cmd_compile",
        "txt_compile_log", "Label3", "Label6", "Label14", "Label19"}) {
    EXPECT_NE(Find<QWidget>(name), nullptr);
  }
}

TEST_F(StartupTest, SettingsMenusWithFreeSlots) {
  EXPECT_EQ(Find<QMenu>("mSave")->title(), "&Save settings");
  EXPECT_EQ(Find<QMenu>("mLoad")->title(), "&Load settings");
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(Find<QAction>("mdata_" + QString::number(k))->text(), "Free");
    EXPECT_EQ(Find<QAction>("mdata2_" + QString::number(k))->text(), "Free");
  }
  EXPECT_EQ(Find<QAction>("mdata2_10")->text(), "Last save on exit");
}

TEST_F(StartupTest, SlotNamesFromTheSlotNameFile) {
  WriteFile(folder_.File("zum.cfg"),
            CrLf({"gate", "Free", "door", "hangar doors", "Free", "Free",
                  "Free", "Free", "Free", "last"}));
  form_ = std::make_unique<Form1>(
      &dialogs_, QString::fromStdString(folder_.path().string()));
  EXPECT_EQ(Find<QAction>("mdata_3")->text(), "hangar doors");
  EXPECT_EQ(Find<QAction>("mdata2_3")->text(), "hangar doors");
  EXPECT_EQ(Find<QAction>("mdata2_9")->text(), "last");
  EXPECT_EQ(Find<QAction>("mdata2_10")->text(), "Last save on exit");
}

TEST_F(StartupTest, ShortSlotNameFileKeepsTheOtherSlotsFree) {
  WriteFile(folder_.File("zum.cfg"), CrLf({"gate", "door"}));
  form_ = std::make_unique<Form1>(
      &dialogs_, QString::fromStdString(folder_.path().string()));
  EXPECT_EQ(Find<QAction>("mdata_1")->text(), "door");
  EXPECT_EQ(Find<QAction>("mdata_2")->text(), "Free");
  EXPECT_EQ(Find<QAction>("mdata2_9")->text(), "Free");
}

TEST_F(StartupTest, RunnerShowsItsMessagesThroughTheDialogs) {
  DOSOutputs* runner = form_->TEST_objDOS();
  ASSERT_NE(runner, nullptr);
  EXPECT_EQ(runner->ExecuteCommand(), "");
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].text, "Command Line empty");
  EXPECT_EQ(dialogs_.shown[0].title, "ZUM");
  EXPECT_EQ(dialogs_.shown[0].icon, Dialogs::Icon::kCritical);
  EXPECT_EQ(dialogs_.shown[0].buttons, Dialogs::Buttons::kOk);
}

TEST_F(StartupTest, RunnerOutputFeedsTheCompileLog) {
  auto* log = Find<QPlainTextEdit>("txt_compile_log");
  log->setPlainText("before ");
  form_->TEST_objDOS()->ExecuteCommand("echo compiled");
  EXPECT_EQ(log->toPlainText(), "before compiled\n");
  EXPECT_EQ(log->textCursor().position(), log->toPlainText().size());
  EXPECT_TRUE(dialogs_.shown.empty());
}

}  // namespace
}  // namespace zum::testing
