// Issue 22: the source file page uses its height: a taller window shows more
// rows, a shorter one fewer, down to four, and the window can still be made
// as small as before.

#include <QApplication>
#include <QLineEdit>

#include "settings/source_file_rows.h"
#include "wizard/testing.h"

namespace zum::testing {
namespace {

class SourceFilePageTest : public WizardTest {
 protected:
  // The rows of the source file page shown now.
  int RowsShown() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    int shown = 0;
    for (int k = 0; k < SourceFileRows::kMaxRowCount; ++k) {
      shown +=
          Find<QLineEdit>(QStringLiteral("txt_file_in_%1").arg(k))->isVisible();
    }
    return shown;
  }
};

TEST_F(SourceFilePageTest, Issue22ATallerWindowShowsMoreRows) {
  form_->TEST_SetMostFileRows(SourceFileRows::kMaxRowCount);
  Run({"chk_cond_1=off", "chk_cond_2=on", "txt_var_2=0312h",
       "txt_num_secondanim=20", "walk 4"});
  const QSize minimum = form_->minimumSizeHint();
  form_->resize(860, minimum.height());
  const int fewest = RowsShown();
  EXPECT_EQ(fewest, SourceFileRows::kMinRowCount);

  form_->resize(860, minimum.height() + 200);
  const int more = RowsShown();
  EXPECT_GT(more, fewest);
  ExpectNoOverlap();
  // The rows are numbered on, and the last one is within the page.
  auto* last = Find<QLineEdit>(QStringLiteral("txt_file_in_%1").arg(more - 1));
  QWidget* page = Find<QWidget>("Frame1_4");
  EXPECT_LE(last->mapTo(page, QPoint(0, last->height())).y(), page->height());
  Step("click cmd_file_down");
  EXPECT_EQ(Find<QLineEdit>("txt_file_in_0")->isVisible(), true);

  form_->resize(860, 2000);
  EXPECT_EQ(RowsShown(), SourceFileRows::kMaxRowCount);
  // Shown rows never keep the window from shrinking.
  EXPECT_EQ(form_->minimumSizeHint().height(), minimum.height());
  form_->resize(860, minimum.height());
  EXPECT_EQ(RowsShown(), fewest);
}

}  // namespace
}  // namespace zum::testing
