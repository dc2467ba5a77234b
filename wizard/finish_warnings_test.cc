// The finish page's list of the run's warnings: the caption with the count,
// the warnings kept, how many more there are, hidden without any.

#include <QCoreApplication>
#include <QLabel>
#include <QTextEdit>

#include "wizard/finish_page.h"
#include "wizard/testing.h"

namespace zum::testing {
namespace {

class FinishWarningsTest : public ::testing::Test {
 protected:
  FinishWarningsTest()
      : page_(&dialogs_, &variables_, QString::fromStdString(folder_.File("")),
              [] { return std::string("out.asm"); }) {
    page_.resize(860, 540);
    page_.show();
  }

  QLabel* Caption() { return page_.findChild<QLabel*>("lbl_run_warnings"); }
  QTextEdit* List() { return page_.findChild<QTextEdit*>("txt_run_warnings"); }

  TempDir folder_;
  ScriptedDialogs dialogs_;
  VariableTable variables_;
  FinishPage page_;
};

TEST_F(FinishWarningsTest, Issue22CountInTheCaptionAndHowManyMoreThanKept) {
  RunWarnings warnings;
  for (size_t i = 1; i <= kMaxWarningsKept + 5; ++i) {
    warnings.Add("door_0.asm", static_cast<long>(i), "value 1 'x' read as 0");
  }
  page_.ShowRunWarnings(warnings);
  EXPECT_FALSE(Caption()->isHidden());
  EXPECT_FALSE(List()->isHidden());
  EXPECT_EQ(Caption()->text(), "Warnings (205)");
  const QStringList lines = List()->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(kMaxWarningsKept + 1));
  EXPECT_EQ(lines.front(), "door_0.asm:1: value 1 'x' read as 0");
  EXPECT_EQ(lines[kMaxWarningsKept - 1],
            "door_0.asm:200: value 1 'x' read as 0");
  EXPECT_EQ(lines.back(), "and 5 more");
  // At most six lines high; the rest scrolls.
  QCoreApplication::processEvents();
  EXPECT_GT(List()->height(), List()->fontMetrics().lineSpacing() * 5);
  EXPECT_LE(List()->height(),
            List()->fontMetrics().lineSpacing() * 6 + 2 * List()->frameWidth());

  // A run without warnings hides both again.
  page_.ShowRunWarnings(RunWarnings());
  EXPECT_TRUE(Caption()->isHidden());
  EXPECT_TRUE(List()->isHidden());
  EXPECT_EQ(Caption()->text(), "");
  EXPECT_EQ(List()->toPlainText(), "");
}

TEST_F(FinishWarningsTest, Issue22EveryWarningKeptIsListedWithoutMore) {
  RunWarnings warnings;
  warnings.Add("a_0.asm", 3, "empty line read as keyframe row 2 of 3");
  warnings.Add("a.asm", 1, "'; include x' holds \"include\"");
  page_.ShowRunWarnings(warnings);
  EXPECT_EQ(Caption()->text(), "Warnings (2)");
  EXPECT_EQ(List()->toPlainText(),
            "a_0.asm:3: empty line read as keyframe row 2 of 3\n"
            "a.asm:1: '; include x' holds \"include\"");
}

}  // namespace
}  // namespace zum::testing
