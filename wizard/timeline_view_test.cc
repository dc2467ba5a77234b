#include "wizard/timeline_view.h"

#include <gtest/gtest.h>

#include "preview/default_scenario.h"
#include "preview/preview_testing.h"

namespace zum {
namespace {

// The view alone, over the example gate's run of the scenario made from
// its code. The window's tests (preview_window_test.cc) drive it in place.
class TimelineViewTest : public ::testing::Test {
 protected:
  TimelineViewTest() {
    const Status status = LoadPreviewProgram(
        testing::StageOutput("golden/example_gate", {}, dir_), &program_);
    EXPECT_TRUE(status.ok()) << status.message();
    EXPECT_TRUE(RunScenario(program_, DefaultScenario(program_), &run_).ok());
    series_ = BuildRunSeries(program_, run_);
  }

  testing::TempDir dir_;
  PreviewProgram program_;
  PreviewRun run_;
  RunSeries series_;
};

TEST_F(TimelineViewTest, RowsMoveDownWhenANarrowLegendTakesMoreLines) {
  TimelineView view;
  view.resize(1400, 200);
  view.show();
  view.ShowRun(&program_, &run_, &series_);
  const int wide = view.minimumHeight();
  EXPECT_GE(view.height(), wide);
  view.resize(320, view.height());
  EXPECT_GT(view.minimumHeight(), wide);
  EXPECT_GE(view.height(), view.minimumHeight());
  view.resize(1400, view.height());
  EXPECT_EQ(view.minimumHeight(), wide);
}

TEST_F(TimelineViewTest, TheCursorStaysWithinTheRun) {
  TimelineView view;
  view.ShowRun(&program_, &run_, &series_);
  view.SetCursorPass(100000);
  EXPECT_EQ(view.CursorPass(), run_.PassCount() - 1);
  view.SetCursorPass(-5);
  EXPECT_EQ(view.CursorPass(), 0);
  // A shorter run keeps the cursor within it.
  view.SetCursorPass(run_.PassCount() - 1);
  PreviewRun shorter;
  Scenario ten_seconds;
  ten_seconds.seconds = 10;
  ASSERT_TRUE(RunScenario(program_, ten_seconds, &shorter).ok());
  const RunSeries series = BuildRunSeries(program_, shorter);
  view.ShowRun(&program_, &shorter, &series);
  EXPECT_EQ(view.CursorPass(), shorter.PassCount() - 1);
  EXPECT_FALSE(view.IsPlaying());
}

}  // namespace
}  // namespace zum
