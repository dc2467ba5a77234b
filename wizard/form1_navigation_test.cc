// Walking the pages: entering the source file page, Previous, clearing,
// the run with its progress and errors, restart, and a whole walk over the
// example object compared with zum-batch.

#include <filesystem>
#include <sstream>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "app/batch_run.h"
#include "settings/settings_file.h"
#include "wizard/testing.h"

namespace fs = std::filesystem;

namespace zum::testing {
namespace {

class NavigationTest : public WizardTest {
 protected:
  // Secondary condition on with ANIMATIONS animations, trigger off.
  void ToFilePage(int animations) {
    Check("chk_cond_1")->setChecked(false);
    Check("chk_cond_2")->setChecked(true);
    Type("txt_var_2", "0312h");
    Type("txt_num_secondanim", QString::number(animations));
    WalkTo(Form1::kSourceFilePage);
  }
  void FillRows(const QString& prefix) {
    for (int k = 0; k < 4; ++k) {
      Type("txt_file_in_" + QString::number(k),
           prefix + QString::number(form_->FileRowBase() + k - 1));
    }
  }
  std::string Row(int k) {
    return Edit("txt_file_in_" + QString::number(k))->text().toStdString();
  }
};

TEST_F(NavigationTest, PreviousGoesBackOnePageWithoutCheck) {
  WalkTo(Form1::kTriggerPage);  // the trigger's empty variable is refused
  ClickPrev();
  EXPECT_EQ(form_->CurrentPage(), Form1::kConditionPage);
  EXPECT_TRUE(Enabled("cmd_next_1"));
  EXPECT_FALSE(Enabled("cmd_next_2"));
  EXPECT_FALSE(Enabled("cmd_prev_2"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(NavigationTest, PreviousFromTheFilePageKeepsTheRows) {
  ToFilePage(8);
  FillRows("anim");
  Click("cmd_file_down");
  ClickPrev();
  EXPECT_EQ(form_->CurrentPage(), Form1::kSecondaryPage);
  EXPECT_EQ(form_->FileRowBase(), 3);
  EXPECT_EQ(Row(0), "anim2");
  EXPECT_EQ(Label("lbl_file_count_0")->text(), "2");
}

TEST_F(NavigationTest, EnteringAgainShowsTheFirstFourAnimations) {
  ToFilePage(8);
  FillRows("anim");
  Click("cmd_file_down");
  Click("cmd_file_down");
  ClickPrev();
  ClickNext();
  EXPECT_EQ(form_->FileRowBase(), 2);
  EXPECT_EQ(Row(0), "anim1");
  EXPECT_EQ(Row(3), "anim4");
  EXPECT_EQ(Label("lbl_file_count_3")->text(), "4");
  EXPECT_FALSE(Enabled("cmd_file_up"));
}

TEST_F(NavigationTest, ClearEmptiesOnlyTheAnimationsShown) {
  ToFilePage(8);
  FillRows("anim");
  for (int step = 0; step < 4; ++step) {
    Click("cmd_file_down");
  }
  FillRows("anim");
  Type("txt_secondcond_min_1", "6");
  Type("txt_file_out", "out.asm");
  Click("cmd_clear");
  SettingsRecord record = form_->CurrentSettings();
  for (int a = 1; a <= 4; ++a) {
    EXPECT_EQ(record.InputFile[a], "anim" + std::to_string(a)) << a;
  }
  for (int a = 5; a <= 8; ++a) {
    EXPECT_EQ(record.InputFile[a], "") << a;
  }
  EXPECT_EQ(record.SecondaryMin[6], "");
  EXPECT_EQ(record.txt_file_out, "");
}

// The example object in a temporary folder.
class ExampleWalkTest : public WizardTest {
 protected:
  void SetUp() override {
    fs::path examples = ZUM_EXAMPLES_DIR;
    ASSERT_TRUE(fs::exists(examples / "gate.asm")) << examples;
    fs::copy(examples, objects_.path(), fs::copy_options::recursive);
  }
  QString Object(const std::string& name) {
    return QString::fromStdString(objects_.File(name));
  }

  // Pages 1 to 3 as a scenery author fills them for the example gate:
  // shown within 250 m, the trigger on beacon 1, three animations chosen
  // by user variable 1.
  void FillConditionPages() {
    WalkTo(Form1::kConditionPage);
    Check("chk_cond_0")->setChecked(true);
    List("cmb_var_0")->setCurrentIndex(12);  // "Distance to RefPoint"
    Click("cmd_copyvar_0");
    Type("txt_var_min_0", "0");
    Type("txt_var_max_0", "250");
    ClickNext();
    List("cmb_var_1")->setCurrentIndex(1);  // "Beacon"
    Click("cmd_copyvar_1");
    Type("txt_var_min_1", "1");
    Type("txt_var_max_1", "1");
    ClickNext();
    Check("chk_cond_2")->setChecked(true);
    List("cmb_var_2")->setCurrentIndex(7);  // "User variable 1"
    Click("cmd_copyvar_2");
    Type("txt_num_secondanim", "3");
    ClickNext();
    ASSERT_EQ(form_->CurrentPage(), Form1::kSourceFilePage);
  }

  void ChooseFiles() {
    const char* names[] = {"gate.asm", "gate2.asm", "gate3.asm"};
    for (int k = 0; k < 3; ++k) {
      QString r = QString::number(k);
      dialogs_.files.push_back(Object(names[k]));
      Click("cmd_file_" + r);
      Type("txt_secondcond_min_" + r, QString::number(k + 1));
      Type("txt_secondcond_max_" + r, QString::number(k + 1));
    }
  }

  TempDir objects_;
};

TEST_F(ExampleWalkTest, WholeWalkWritesWhatZumBatchWrites) {
  FillConditionPages();
  ChooseFiles();
  EXPECT_EQ(Edit("txt_file_out")->text(), Object("gate_zum.asm"));
  QSignalSpy progress(Find<QProgressBar>("pbar"), &QProgressBar::valueChanged);
  ClickNext();
  ASSERT_EQ(form_->CurrentPage(), Form1::kFinishPage);
  EXPECT_TRUE(Messages().empty());
  // The bar advanced step by step while the run went on.
  ASSERT_GE(progress.count(), 3);
  int last = 0;
  for (const QList<QVariant>& value : progress) {
    EXPECT_GE(value.at(0).toInt(), last);
    last = value.at(0).toInt();
  }
  EXPECT_GE(last, 80);
  EXPECT_LE(last, 100);

  std::string main_out = ReadFile(objects_.File("gate_zum.asm"));
  std::string companion_out = ReadFile(objects_.File("gate_zum_0.asm"));
  ASSERT_FALSE(main_out.empty());
  ASSERT_FALSE(companion_out.empty());
  fs::remove(objects_.File("gate_zum.asm"));
  fs::remove(objects_.File("gate_zum_0.asm"));

  std::string settings = folder_.File("walk.cfg");
  ASSERT_TRUE(WriteSettingsFile(settings, form_->CurrentSettings()).ok());
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunBatch({"--quiet", settings}, out, err, false), kBatchSucceeded)
      << err.str();
  EXPECT_EQ(ReadFile(objects_.File("gate_zum.asm")), main_out);
  EXPECT_EQ(ReadFile(objects_.File("gate_zum_0.asm")), companion_out);
}

TEST_F(ExampleWalkTest, RestartKeepsEverythingEntered) {
  FillConditionPages();
  ChooseFiles();
  ClickNext();
  ASSERT_EQ(form_->CurrentPage(), Form1::kFinishPage);
  Find<QPlainTextEdit>("txt_compile_log")->setPlainText("old log");
  EXPECT_FALSE(Enabled("cmd_next_4"));
  ClickNext();
  EXPECT_EQ(form_->CurrentPage(), Form1::kWelcomePage);
  EXPECT_EQ(Find<QPlainTextEdit>("txt_compile_log")->toPlainText(), "");
  EXPECT_EQ(Find<QProgressBar>("pbar")->value(), 0);
  EXPECT_FALSE(Enabled("cmd_next_5"));
  EXPECT_EQ(Edit("txt_var_1")->text(), "0282h");
  EXPECT_EQ(Edit("txt_num_secondanim")->text(), "3");
  EXPECT_EQ(Edit("txt_file_out")->text(), Object("gate_zum.asm"));
  // A second walk runs again with the same values.
  WalkTo(Form1::kFinishPage);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ExampleWalkTest, FailedRunIsReportedBeforeTheFinishPage) {
  // The companion input ends inside its drawing code: the pre-scan is
  // content, the run is not.
  std::string companion = ReadFile(objects_.File("gate_0.asm"));
  size_t cut = companion.rfind("BGL_END");
  ASSERT_NE(cut, std::string::npos);
  WriteFile(objects_.File("gate_0.asm"), companion.substr(0, cut));
  FillConditionPages();
  Check("chk_cond_2")->setChecked(false);
  ClickPrev();
  ClickNext();
  dialogs_.files.push_back(Object("gate.asm"));
  Click("cmd_file_0");
  ClickNext();
  EXPECT_EQ(form_->CurrentPage(), Form1::kFinishPage);
  ASSERT_EQ(Messages().size(), 1u);
  const ShownDialog& shown = dialogs_.shown.back();
  EXPECT_EQ(shown.title, "ZUM error");
  EXPECT_EQ(shown.icon, Dialogs::Icon::kCritical);
  EXPECT_TRUE(shown.text.startsWith(Object("gate_0.asm") + ":"))
      << shown.text.toStdString();
}

}  // namespace
}  // namespace zum::testing
