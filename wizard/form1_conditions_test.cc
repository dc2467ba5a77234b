// The condition editors of pages 1 to 3 and their page checks.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "wizard/testing.h"

namespace zum::testing {
namespace {

class ConditionEditorTest : public WizardTest {
 protected:
  // The message box a refused Next showed, as "title|text"; checks the
  // icon and the button and that the page stayed.
  std::string NextRefused() {
    int page = form_->CurrentPage();
    size_t before = dialogs_.shown.size();
    ClickNext();
    EXPECT_EQ(form_->CurrentPage(), page);
    if (dialogs_.shown.size() != before + 1) {
      ADD_FAILURE() << "expected one message box";
      return "";
    }
    const ShownDialog& d = dialogs_.shown.back();
    EXPECT_EQ(d.icon, Dialogs::Icon::kCritical);
    EXPECT_EQ(d.buttons, Dialogs::Buttons::kOk);
    return (d.title + "|" + d.text).toStdString();
  }
  void NextAccepted() {
    int page = form_->CurrentPage();
    size_t before = dialogs_.shown.size();
    ClickNext();
    EXPECT_EQ(form_->CurrentPage(), page + 1);
    EXPECT_EQ(dialogs_.shown.size(), before);
  }
};

TEST_F(ConditionEditorTest, AdditionalConditionAloneEnablesTheSharedList) {
  Check("chk_cond_3")->setChecked(true);
  EXPECT_TRUE(Enabled("cmb_var_0"));
  EXPECT_TRUE(Enabled("txt_var_3"));
  EXPECT_TRUE(Enabled("txt_var_min_2"));
  EXPECT_FALSE(Enabled("txt_var_0"));
  Check("chk_cond_3")->setChecked(false);
  EXPECT_FALSE(Enabled("cmb_var_0"));
  EXPECT_FALSE(Enabled("txt_var_max_2"));
}

TEST_F(ConditionEditorTest, SharedListFollowsTheAnimationCondition) {
  Check("chk_cond_0")->setChecked(true);
  Check("chk_cond_3")->setChecked(true);
  Check("chk_cond_3")->setChecked(false);
  EXPECT_TRUE(Enabled("cmb_var_0"));
  Check("chk_cond_3")->setChecked(true);
  Check("chk_cond_0")->setChecked(false);
  EXPECT_FALSE(Enabled("cmb_var_0"));
  EXPECT_TRUE(Enabled("cmd_copyvar_3"));
  EXPECT_TRUE(Enabled("txt_var_3"));
}

TEST_F(ConditionEditorTest, BoundingBoxTakesTheAdditionalConditionAway) {
  Check("chk_cond_0")->setChecked(true);
  Check("chk_cond_3")->setChecked(true);
  Option("opt_box_0")->setChecked(true);
  EXPECT_FALSE(Check("chk_cond_3")->isChecked());
  EXPECT_FALSE(Enabled("txt_var_3"));
  for (const char* name :
       {"chk_cond_3", "txt_var_3", "txt_var_min_2", "txt_var_max_2",
        "cmd_copyvar_3", "Label23", "Label24", "Label7", "Label8", "txt_var_0",
        "cmb_var_0", "txt_var_min_0", "txt_var_max_0", "cmd_copyvar_0"}) {
    EXPECT_FALSE(Shown(name)) << name;
  }
  for (const char* name : {"txt_box_xmin_0", "txt_box_xmax_0", "txt_box_ymin_0",
                           "txt_box_ymax_0", "txt_box_zmin_0", "txt_box_zmax_0",
                           "txt_rot_0", "Label4_0", "Label27_0", "Label28_0",
                           "Label29_0", "Label30_0", "Label31_0", "Label6"}) {
    EXPECT_TRUE(Shown(name)) << name;
  }
  Option("opt_con_0")->setChecked(true);
  EXPECT_TRUE(Shown("chk_cond_3"));
  EXPECT_FALSE(Check("chk_cond_3")->isChecked());
  EXPECT_TRUE(Shown("txt_var_max_2"));
  EXPECT_FALSE(Shown("txt_rot_0"));
}

TEST_F(ConditionEditorTest, MaskModeRelabelsBothConditionsOfPageOne) {
  Option("opt_mask_0")->setChecked(true);
  EXPECT_EQ(Label("Label7")->text(), "Value:");
  EXPECT_EQ(Label("Label24")->text(), "Value:");
  EXPECT_FALSE(Shown("txt_var_max_0"));
  EXPECT_FALSE(Shown("txt_var_max_2"));
  EXPECT_FALSE(Shown("Label8"));
  EXPECT_FALSE(Shown("Label23"));
  EXPECT_TRUE(Shown("txt_var_min_2"));
  // The trigger keeps its labels.
  EXPECT_EQ(Label("Label11")->text(), "Minimum value:");
  EXPECT_TRUE(Shown("Label10"));
  Option("opt_con_0")->setChecked(true);
  EXPECT_EQ(Label("Label7")->text(), "Minimum value:");
  EXPECT_EQ(Label("Label24")->text(), "Minimum value:");
}

TEST_F(ConditionEditorTest, TriggerMaskRelabelsOnlyTheTrigger) {
  Option("opt_mask_1")->setChecked(true);
  EXPECT_EQ(Label("Label11")->text(), "Value:");
  EXPECT_FALSE(Shown("Label10"));
  EXPECT_FALSE(Shown("txt_var_max_1"));
  EXPECT_EQ(Label("Label7")->text(), "Minimum value:");
  Option("opt_box_1")->setChecked(true);
  EXPECT_FALSE(Shown("Label11"));
  EXPECT_FALSE(Shown("Label12"));
  EXPECT_TRUE(Shown("txt_box_ymax_1"));
  // The additional condition belongs to page 1 and stays.
  EXPECT_TRUE(Shown("chk_cond_3"));
}

TEST_F(ConditionEditorTest, UncheckingDisablesWithoutHiding) {
  Option("opt_box_1")->setChecked(true);
  Check("chk_cond_1")->setChecked(false);
  EXPECT_TRUE(Option("opt_box_1")->isChecked());
  EXPECT_TRUE(Shown("txt_box_xmin_1"));
  EXPECT_FALSE(Enabled("txt_box_xmin_1"));
  EXPECT_FALSE(Enabled("opt_con_1"));
  EXPECT_FALSE(Shown("txt_var_1"));
  EXPECT_FALSE(Enabled("txt_var_1"));
}

TEST_F(ConditionEditorTest, SelectingTheSelectedKindRunsItsHandler) {
  // Hide a field behind the handler's back; selecting "between" again must
  // show it, although Qt emits nothing for an already selected button.
  Option("opt_con_0")->setChecked(true);
  Find<QWidget>("txt_var_max_2")->setVisible(false);
  form_->SelectKind(0, ConditionKind::kBetween);
  EXPECT_TRUE(Shown("txt_var_max_2"));
  form_->SelectKind(0, ConditionKind::kMask);
  EXPECT_TRUE(Option("opt_mask_0")->isChecked());
  EXPECT_FALSE(Shown("txt_var_max_2"));
}

TEST_F(ConditionEditorTest, CopyButtonWritesTheOffsetOfTheSelectedRow) {
  List("cmb_var_1")->setCurrentIndex(24);  // "Wind heading"
  Click("cmd_copyvar_1");
  EXPECT_EQ(Edit("txt_var_1")->text(), "0C74h");
  EXPECT_EQ(List("cmb_var_1")->currentText(), "Wind heading");
}

TEST_F(ConditionEditorTest, CopyWithoutSelectionChangesNothing) {
  Type("txt_var_1", "typed");
  Click("cmd_copyvar_1");
  EXPECT_EQ(Edit("txt_var_1")->text(), "typed");
}

TEST_F(ConditionEditorTest, TypedOffsetSelectsItsRow) {
  Check("chk_cond_2")->setChecked(true);
  Type("txt_var_2", "0280h");
  EXPECT_EQ(List("cmb_var_2")->currentIndex(), 0);
  Type("txt_var_2", "05FCh");
  EXPECT_EQ(List("cmb_var_2")->currentIndex(), 19);
  Type("txt_var_2", "0280H");
  EXPECT_EQ(List("cmb_var_2")->currentIndex(), 19);
  Type("txt_var_2", "280h");
  EXPECT_EQ(List("cmb_var_2")->currentIndex(), 19);
  EXPECT_EQ(Edit("txt_var_2")->text(), "280h");
}

TEST_F(ConditionEditorTest, AdditionalConditionSharesTheListOfPageOne) {
  Check("chk_cond_3")->setChecked(true);
  List("cmb_var_0")->setCurrentIndex(18);  // "Year"
  Click("cmd_copyvar_3");
  EXPECT_EQ(Edit("txt_var_3")->text(), "038Ch");
  EXPECT_EQ(Edit("txt_var_0")->text(), "");
  Type("txt_var_3", "0282h");
  EXPECT_EQ(List("cmb_var_0")->currentIndex(), 1);
}

// Page checks of pages 1 to 3, through Next.

TEST_F(ConditionEditorTest, PageOneWithBothConditionsOffPasses) {
  WalkTo(Form1::kConditionPage);
  NextAccepted();
}

TEST_F(ConditionEditorTest, PageOneAdditionalVariableMissing) {
  WalkTo(Form1::kConditionPage);
  Check("chk_cond_0")->setChecked(true);
  Type("txt_var_0", "0280h");
  Type("txt_var_min_0", "0");
  Type("txt_var_max_0", "100");
  Check("chk_cond_3")->setChecked(true);
  EXPECT_EQ(NextRefused(), "ZUM error|Please enter a valid variable");
}

TEST_F(ConditionEditorTest, PageOneAdditionalProblemReplacesTheFirst) {
  WalkTo(Form1::kConditionPage);
  Check("chk_cond_0")->setChecked(true);
  Type("txt_var_0", "0280h");
  Type("txt_var_min_0", "0");
  Check("chk_cond_3")->setChecked(true);
  EXPECT_EQ(NextRefused(), "ZUM error|Please enter a valid variable");
  Type("txt_var_3", "0282h");
  Type("txt_var_min_2", "1");
  Type("txt_var_max_2", "1");
  EXPECT_EQ(NextRefused(),
            "ZUM error|Please enter a valid minimum/maximum value");
}

TEST_F(ConditionEditorTest, AdditionalConditionIsCheckedAlone) {
  WalkTo(Form1::kConditionPage);
  Check("chk_cond_3")->setChecked(true);
  Type("txt_var_3", "0280h");
  EXPECT_EQ(NextRefused(),
            "ZUM error|Please enter a valid minimum/maximum value");
}

TEST_F(ConditionEditorTest, MaskModeNeedsNoMaximum) {
  WalkTo(Form1::kConditionPage);
  Check("chk_cond_0")->setChecked(true);
  Option("opt_mask_0")->setChecked(true);
  Type("txt_var_0", " ");  // a blank is not empty
  Type("txt_var_min_0", "4");
  NextAccepted();
}

TEST_F(ConditionEditorTest, BoundingBoxExtentsMustBeNumbers) {
  WalkTo(Form1::kConditionPage);
  Check("chk_cond_0")->setChecked(true);
  Option("opt_box_0")->setChecked(true);
  for (const char* name : {"txt_box_xmin_0", "txt_box_xmax_0", "txt_box_ymin_0",
                           "txt_box_ymax_0", "txt_box_zmin_0"}) {
    Type(name, "1");
  }
  Type("txt_box_zmax_0", "abc");
  EXPECT_EQ(NextRefused(),
            "ZUM error|Please enter correct values for the bounding box");
  Type("txt_box_zmax_0", "2.5");
  NextAccepted();  // an empty rotation passes
}

TEST_F(ConditionEditorTest, PageTwoChecksOnlyACheckedTrigger) {
  WalkTo(Form1::kTriggerPage);
  EXPECT_EQ(NextRefused(), "ZUM error|Please enter a valid variable");
  Check("chk_cond_1")->setChecked(false);
  NextAccepted();
}

TEST_F(ConditionEditorTest, PageThreeNumberOfAnimations) {
  Check("chk_cond_1")->setChecked(false);
  WalkTo(Form1::kSecondaryPage);
  Check("chk_cond_2")->setChecked(true);
  EXPECT_EQ(NextRefused(), "ZUM error|Please enter a valid variable");
  Type("txt_var_2", "0312h");
  const char* kSecondary =
      "ZUM error|Please enter a valid number of secondairy conditions";
  for (const char* bad : {"", "abc", "51", "50.6", "100000"}) {
    Type("txt_num_secondanim", bad);
    EXPECT_EQ(NextRefused(), kSecondary) << bad;
  }
  Type("txt_num_secondanim", "50.5");
  NextAccepted();
}

}  // namespace
}  // namespace zum::testing
