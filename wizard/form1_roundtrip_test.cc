// Save, close, reopen, load: every control comes back as it was, and the
// run writes the same bytes.

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
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "wizard/testing.h"

namespace fs = std::filesystem;

namespace zum::testing {
namespace {

// Every named control's state: shown, enabled, text, tooltip, ticked.
std::map<std::string, std::string> ControlStates(Form1* form) {
  std::map<std::string, std::string> states;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) {
      continue;
    }
    QString state = QStringLiteral("hidden=%1 enabled=%2 tip=%3")
                        .arg(w->isHidden())
                        .arg(w->isEnabled())
                        .arg(w->toolTip());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      state += " text=" + edit->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      state += QStringLiteral(" text=%1 checked=%2")
                   .arg(button->text())
                   .arg(button->isChecked());
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      state += " text=" + label->text();
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
      state += QStringLiteral(" index=%1 text=%2")
                   .arg(list->currentIndex())
                   .arg(list->currentText());
    } else if (auto* log = qobject_cast<QPlainTextEdit*>(w)) {
      state += " text=" + log->toPlainText();
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
      state += QStringLiteral(" value=%1").arg(bar->value());
    }
    states[w->objectName().toStdString()] = state.toStdString();
  }
  return states;
}

// Names the controls whose states differ.
std::string Differences(const std::map<std::string, std::string>& a,
                        const std::map<std::string, std::string>& b) {
  std::string out;
  for (const auto& [name, state] : a) {
    auto other = b.find(name);
    if (other == b.end() || other->second != state) {
      out += name + ": " + state + "  vs  " +
             (other == b.end() ? "missing" : other->second) + "\n";
    }
  }
  return out;
}

class RoundTripTest : public WizardTest {
 protected:
  void SetUp() override {
    fs::path examples = ZUM_EXAMPLES_DIR;
    ASSERT_TRUE(fs::exists(examples / "gate.asm")) << examples;
    fs::copy(examples, objects_.path(), fs::copy_options::recursive);
  }
  QString Object(const std::string& name) {
    return QString::fromStdString(objects_.File(name));
  }
  QAction* Action(const QString& name) { return Find<QAction>(name); }
  // Saves into slot 2 as "gate", closes without the exit save and opens
  // the program again over the same folder.
  void SaveCloseReopen() {
    dialogs_.inputs.push_back("gate");
    Action("mdata_2")->trigger();
    dialogs_.answers.push_back(Dialogs::Answer::kNo);
    ASSERT_TRUE(form_->close());
    form_.reset();
    form_ = std::make_unique<Form1>(
        &dialogs_, QString::fromStdString(folder_.path().string()));
    form_->show();
    ASSERT_EQ(Action("mdata2_2")->text(), "gate");
    dialogs_.answers.push_back(Dialogs::Answer::kYes);
    Action("mdata2_2")->trigger();
  }
  // Next on the file page and the two output files' bytes, which are then
  // removed.
  std::string RunAndTakeOutputs() {
    ClickNext();
    EXPECT_EQ(form_->CurrentPage(), Form1::kFinishPage);
    std::string outputs = ReadFile(objects_.File("gate_zum.asm")) + "|" +
                          ReadFile(objects_.File("gate_zum_0.asm"));
    fs::remove(objects_.File("gate_zum.asm"));
    fs::remove(objects_.File("gate_zum_0.asm"));
    return outputs;
  }

  TempDir objects_;
};

TEST_F(RoundTripTest, ExampleWalkComesBackWithTheSameOutputs) {
  WalkTo(Form1::kConditionPage);
  Check("chk_cond_0")->setChecked(true);
  List("cmb_var_0")->setCurrentIndex(12);  // "Distance to RefPoint"
  Click("cmd_copyvar_0");
  Type("txt_var_min_0", "0");
  Type("txt_var_max_0", "250");
  Check("chk_cond_3")->setChecked(true);
  Type("txt_var_3", "0280h");
  Type("txt_var_min_2", "0");
  Type("txt_var_max_2", "3000");
  Option("opt_condapply_1")->setChecked(true);
  ClickNext();
  Option("opt_mask_1")->setChecked(true);
  List("cmb_var_1")->setCurrentIndex(1);  // "Beacon"
  Click("cmd_copyvar_1");
  Type("txt_var_min_1", "1");
  ClickNext();
  Check("chk_cond_2")->setChecked(true);
  Type("txt_var_2", "0312h");
  Type("txt_num_secondanim", "3");
  ClickNext();
  const char* names[] = {"gate.asm", "gate2.asm", "gate3.asm"};
  for (int k = 0; k < 3; ++k) {
    QString r = QString::number(k);
    dialogs_.files.push_back(Object(names[k]));
    Click("cmd_file_" + r);
    Type("txt_secondcond_min_" + r, QString::number(k + 1));
    Type("txt_secondcond_max_" + r, QString::number(k + 1));
  }
  const std::string outputs = RunAndTakeOutputs();
  ASSERT_NE(outputs.size(), 1u);
  ClickNext();  // restart
  const auto before = ControlStates(form_.get());
  const std::string settings = SettingsFileText(form_->CurrentSettings());

  SaveCloseReopen();
  EXPECT_EQ(SettingsFileText(form_->CurrentSettings()), settings);
  WalkTo(Form1::kSourceFilePage);
  EXPECT_EQ(RunAndTakeOutputs(), outputs);
  ClickNext();  // restart
  EXPECT_EQ(Differences(before, ControlStates(form_.get())), "");
  // Only the closing and the restoring question were asked.
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "ZUM warning|Do you want to save the current settings for "
                "later use?",
                "ZUM warning|This will restore all last settings, do you want "
                "to continue?"}));
}

// Editor states that no run needs: each comes back, enabled and shown as
// it was, on a window that never saw them.
struct EditorCase {
  const char* kind0;
  bool cond0;
  bool additional;
  const char* kind1;
  bool trigger;
  bool secondary;
};

class EditorRoundTripTest : public RoundTripTest,
                            public ::testing::WithParamInterface<EditorCase> {};

TEST_P(EditorRoundTripTest, EveryControlComesBack) {
  const EditorCase& c = GetParam();
  Check("chk_cond_0")->setChecked(c.cond0);
  Check("chk_cond_3")->setChecked(c.additional);
  Option(QString(c.kind0) + "_0")->setChecked(true);
  Check("chk_cond_1")->setChecked(c.trigger);
  Option(QString(c.kind1) + "_1")->setChecked(true);
  Check("chk_cond_2")->setChecked(c.secondary);
  const char* boxes[] = {"txt_box_xmin_", "txt_box_xmax_", "txt_box_ymin_",
                         "txt_box_ymax_", "txt_box_zmin_", "txt_box_zmax_",
                         "txt_rot_"};
  for (int i = 0; i < 2; ++i) {
    for (int b = 0; b < 7; ++b) {
      Type(boxes[b] + QString::number(i), QString::number(b * 10 + i));
    }
    Type("txt_var_" + QString::number(i), i == 0 ? "0346h" : "odd text");
  }
  Type("txt_var_2", "0C74h");
  Type("txt_num_secondanim", "12");
  Type("txt_file_out", "  padded out.asm ");
  const auto before = ControlStates(form_.get());
  SaveCloseReopen();
  EXPECT_EQ(Differences(before, ControlStates(form_.get())), "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EditorRoundTripTest,
    ::testing::Values(
        EditorCase{"opt_con", true, true, "opt_con", true, true},
        EditorCase{"opt_mask", true, true, "opt_box", false, false},
        EditorCase{"opt_box", true, false, "opt_mask", true, true},
        EditorCase{"opt_box", false, false, "opt_box", true, false},
        EditorCase{"opt_mask", false, false, "opt_con", false, true}));

}  // namespace
}  // namespace zum::testing
