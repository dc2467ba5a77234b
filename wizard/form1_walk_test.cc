// A whole walk over the example gate: its outputs equal zum-batch's for the
// same settings, and after saving, closing, reopening and loading, the
// window shows the same controls and a second run writes the same bytes.

#include <filesystem>
#include <sstream>

#include <QProgressBar>
#include <QSignalSpy>
#include <QTextEdit>

#include "app/batch_run.h"
#include "settings/settings_file.h"
#include "wizard/testing.h"

namespace fs = std::filesystem;

namespace zum::testing {
namespace {

using WalkTest = WizardTest;

TEST_F(WalkTest, ExampleWalkAgreesWithZumBatchAndComesBackAfterLoading) {
  // Shown within 250 m (and the additional condition below 3000 ft), the
  // trigger on beacon 1 as a mask, three animations chosen by user variable 1.
  Run({"walk 1",
       "chk_cond_0=on",
       "cmb_var_0=#12",
       "click cmd_copyvar_0",
       "txt_var_min_0=0",
       "txt_var_max_0=250",
       "chk_cond_3=on",
       "txt_var_3=0280h",
       "txt_var_min_2=0",
       "txt_var_max_2=3000",
       "opt_condapply_1=on",
       "next",
       "opt_mask_1=on",
       "cmb_var_1=#1",
       "click cmd_copyvar_1",
       "txt_var_min_1=1",
       "next",
       "chk_cond_2=on",
       "cmb_var_2=#7",
       "click cmd_copyvar_2",
       "txt_num_secondanim=3",
       "next"});
  const char* names[] = {"gate.asm", "gate2.asm", "gate3.asm"};
  for (int k = 0; k < 3; ++k) {
    std::string r = std::to_string(k), n = std::to_string(k + 1);
    Run({"file $OBJ/" + std::string(names[k]), "click cmd_file_" + r,
         "txt_secondcond_min_" + r + "=" + n,
         "txt_secondcond_max_" + r + "=" + n});
  }
  auto run_and_take_outputs = [this] {
    QSignalSpy progress(Find<QProgressBar>("pbar"),
                        &QProgressBar::valueChanged);
    Step("next");
    EXPECT_EQ(form_->CurrentPage(), Form1::kFinishPage)
        << ::testing::PrintToString(Messages());
    // The bar advanced step by step while the run went on.
    EXPECT_GE(progress.count(), 3);
    for (int i = 1; i < progress.count(); ++i) {
      EXPECT_GE(progress[i][0].toInt(), progress[i - 1][0].toInt());
    }
    EXPECT_GE(progress.constLast()[0].toInt(), 80);
    std::string outputs = ReadFile(objects_.File("gate_zum.asm")) + "|" +
                          ReadFile(objects_.File("gate_zum_0.asm"));
    fs::remove(objects_.File("gate_zum.asm"));
    fs::remove(objects_.File("gate_zum_0.asm"));
    return outputs;
  };
  const std::string outputs = run_and_take_outputs();
  ASSERT_GT(outputs.size(), 1000u);
  EXPECT_TRUE(Messages().empty());
  // The finish page tells the job in words, after the two files' lines.
  const QString summary = Find<QTextEdit>("txt_run_summary")->toPlainText();
  EXPECT_EQ(summary.section('\n', 2).toStdString(),
            "Plays forward when Beacon (0282h) has any bit of 1 set, and "
            "backwards when that stops holding.\n"
            "After the trigger starts holding, the forward run starts within "
            "0.06 to 5.44 s (it waits for frames 0..3 of a 101-frame cycle) "
            "and lasts about 5.4 s.\n"
            "Only while Distance to RefPoint (033Bh) is between 0 and 250, and "
            "while Aircraft altitude MSL (0280h) is between 0 and 3000 "
            "(applied to the animation). Otherwise animation 1 is shown at its "
            "first frame.\n"
            "Animation 1 of 3 is shown while User variable 1 (0312h) is "
            "between 1 and 1.\n"
            "Animation 2 of 3 is shown while User variable 1 (0312h) is "
            "between 2 and 2.\n"
            "Animation 3 of 3 is shown while User variable 1 (0312h) is "
            "between 3 and 3.\n"
            "When none of these holds, animation 1 is shown at its first "
            "frame.");

  // Restart, save, close, reopen, load: the second run writes the same
  // bytes and leaves every control as the first did.
  Step("next");
  const Snapshot before = TakeSnapshot();
  Run({"reload", "walk 4"});
  EXPECT_EQ(run_and_take_outputs(), outputs);
  Step("next");
  EXPECT_EQ(ControlsDiff(before, TakeSnapshot()), "");

  const std::string settings = folder_.File("walk.cfg");
  ASSERT_TRUE(WriteSettingsFile(settings, form_->CurrentSettings()).ok());
  std::ostringstream out, err;
  ASSERT_EQ(RunBatch({"--quiet", settings}, out, err, false), kBatchSucceeded)
      << err.str();
  EXPECT_EQ(ReadFile(objects_.File("gate_zum.asm")) + "|" +
                ReadFile(objects_.File("gate_zum_0.asm")),
            outputs);
}

}  // namespace
}  // namespace zum::testing
