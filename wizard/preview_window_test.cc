// The preview window opened from the finish page, in what the window cases
// cannot show as text: the drawing, the cursor under the mouse, playing in
// real time, the mnemonics. The scenario edits, the keyboard and the files
// are cases in testdata/window_cases.txt.

#include "wizard/preview_window.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>

#include "preview/model_names.h"
#include "wizard/testing.h"
#include "wizard/timeline_painting.h"
#include "wizard/timeline_view.h"

namespace zum::testing {
namespace {

class PreviewWindowTest : public WizardTest {
 protected:
  // A run of the example gate, the beacon as the trigger, then Preview.
  void OpenPreview(bool three_gates = false) {
    Run({"txt_var_1=0282h", "txt_var_min_1=1", "txt_var_max_1=1"});
    if (three_gates) {
      Run({"walk 3", "chk_cond_2=on", "txt_var_2=0312h", "txt_num_secondanim=3",
           "next", "files $OBJ/gate.asm|$OBJ/gate2.asm|$OBJ/gate3.asm",
           "click cmd_file_0"});
      for (int k = 0; k < 3; ++k) {
        const std::string row = std::to_string(k);
        const std::string n = std::to_string(k + 1);
        Run({"txt_secondcond_min_" + row + "=" + n,
             "txt_secondcond_max_" + row + "=" + n});
      }
    } else {
      Run({"walk 4", "file $OBJ/gate.asm", "click cmd_file_0"});
    }
    Run({"next", "click cmd_preview"});
    preview_ = form_->findChild<PreviewWindow*>();
    ASSERT_NE(preview_, nullptr);
    ASSERT_TRUE(preview_->isVisible());
    timeline_ = preview_->TEST_Timeline();
    QCoreApplication::sendPostedEvents();  // lays the window out
  }

  // Processes events until DONE holds or five seconds have passed.
  static bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(5);
    }
    return done();
  }

  void Key(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                    key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QCoreApplication::sendEvent(timeline_, &press);
  }

  void MoveMouse(double x) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 40),
                     timeline_->mapToGlobal(QPointF(x, 40)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(timeline_, &move);
  }

  // The one colour of COLORS that the band BAND shows at pass PASS (its
  // words, in black, may cover part of it); black when none or several.
  QColor BandColorAt(const QRectF& band, int pass,
                     const std::vector<QColor>& colors) {
    const QImage image = timeline_->grab().toImage();
    const int x = static_cast<int>(XOfPass(band, pass, PassCount()));
    std::set<QRgb> seen;
    for (int y = static_cast<int>(band.top()) + 2; y < band.bottom() - 2; ++y) {
      const QRgb pixel = image.pixel(x, y);
      for (const QColor& color : colors) {
        if (color.rgb() == pixel) {
          seen.insert(pixel);
        }
      }
    }
    return seen.size() == 1 ? QColor(*seen.begin()) : QColor(Qt::black);
  }

  QColor StateAt(const QRectF& band, int pass) {
    std::vector<QColor> colors;
    for (int state = 0; state < kTriggerStateCount; ++state) {
      colors.push_back(StateColor(state));
    }
    return BandColorAt(band, pass, colors);
  }

  QColor AnimationAt(const QRectF& band, int pass) {
    return BandColorAt(band, pass,
                       {AnimationColor(0), AnimationColor(1), AnimationColor(2),
                        AnimationColor(3)});
  }

  int PassCount() const {
    // The last pass is where End puts the cursor.
    return last_pass_ + 1;
  }

  void FindLastPass() {
    const int at = timeline_->CursorPass();
    Key(Qt::Key_End);
    last_pass_ = timeline_->CursorPass();
    timeline_->SetCursorPass(at);
  }

  PreviewWindow* preview_ = nullptr;
  TimelineView* timeline_ = nullptr;
  int last_pass_ = 0;
};

TEST_F(PreviewWindowTest, PreviewIsShownOnlyAfterARunThatSucceeded) {
  auto* button = Find<QPushButton>("cmd_preview");
  Run({"show 5"});
  EXPECT_TRUE(button->isHidden());
  Run({"show 0"});
  OpenPreview();
  EXPECT_FALSE(button->isHidden());
  EXPECT_EQ(preview_->windowTitle().toStdString(),
            "ZUM preview - gate_zum.asm");
  EXPECT_TRUE(preview_->isWindow());
}

// Alt and a letter reach one control each on the finish page and in the
// preview window.
TEST_F(PreviewWindowTest, MnemonicsDoNotClash) {
  OpenPreview();
  auto mnemonics = [](QWidget* root, std::vector<QString> texts) {
    // Shown or not: Previous shows after a failed run.
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
      if (button->window() == root->window()) {
        texts.push_back(button->text());
      }
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
      if (label->window() == root->window()) {
        texts.push_back(label->text());
      }
    }
    std::multiset<QChar> letters;
    for (const QString& text : texts) {
      const qsizetype at = text.indexOf(QLatin1Char('&'));
      if (at >= 0 && at + 1 < text.size()) {
        letters.insert(text[at + 1].toLower());
      }
    }
    for (QChar letter : letters) {
      EXPECT_EQ(letters.count(letter), 1u)
          << "Alt+" << QString(letter).toStdString() << " in "
          << root->objectName().toStdString();
    }
    return letters.size();
  };
  std::vector<QString> menus;
  for (QAction* menu : form_->menuBar()->actions()) {
    menus.push_back(menu->text());
  }
  EXPECT_EQ(mnemonics(Find<QWidget>("Frame1_5"), menus), 6u);
  EXPECT_EQ(mnemonics(preview_, {}), 8u);
}

TEST_F(PreviewWindowTest, BandsShowTheStateAndTheAnimationOfEachPass) {
  OpenPreview(/*three_gates=*/true);
  FindLastPass();
  // The scenario made from the code: the beacon on from 1 s to 13 s, user
  // variable 1 at 1; the run opens from 5.61 s to 11 s and closes from
  // 16.83 s to 22.22 s.
  const QRectF states = timeline_->TEST_StateBand();
  ASSERT_FALSE(states.isEmpty());
  const std::pair<int, int> expected[] = {
      {9, 0}, {50, 1}, {150, 2}, {207, 3}, {260, 4}, {350, 5}, {420, 0}};
  for (auto [pass, state] : expected) {
    EXPECT_EQ(StateAt(states, pass), StateColor(state))
        << "pass " << pass << " " << TriggerStateWords(state);
  }
  const QRectF animations = timeline_->TEST_AnimationBand();
  ASSERT_FALSE(animations.isEmpty());
  EXPECT_EQ(AnimationAt(animations, 150), AnimationColor(1));

  // User variable 1 at 2 from 8 s: the band follows the edit.
  Run({"select tbl_scenario 0", "click cmd_row_add", "cell tbl_scenario 1 0 8",
       "cell tbl_scenario 1 3 2"});
  EXPECT_EQ(AnimationAt(animations, 140), AnimationColor(1));
  EXPECT_EQ(AnimationAt(animations, 150), AnimationColor(2));
  // 7 is in no animation's range: the first copy's matrix.
  Run({"cell tbl_scenario 1 3 7"});
  EXPECT_EQ(AnimationAt(animations, 150), AnimationColor(0));
  EXPECT_EQ(StateAt(states, 150), StateColor(2));
}

TEST_F(PreviewWindowTest, TheCursorFollowsTheMouse) {
  OpenPreview();
  FindLastPass();
  const QRectF band = timeline_->TEST_StateBand();
  MoveMouse(XOfPass(band, 100, PassCount()));
  EXPECT_EQ(timeline_->CursorPass(), 100);
  EXPECT_TRUE(Find<QLabel>("lbl_values")
                  ->text()
                  .startsWith("At 5.56 s (tick 100), the model gives:"))
      << Find<QLabel>("lbl_values")->text().toStdString();
  MoveMouse(band.right() + 5);  // right of the rows: the last pass
  EXPECT_EQ(timeline_->CursorPass(), last_pass_);
  MoveMouse(band.left());
  EXPECT_EQ(timeline_->CursorPass(), 0);
  MoveMouse(10);  // over the titles: it stays
  EXPECT_EQ(timeline_->CursorPass(), 0);
}

TEST_F(PreviewWindowTest, PlayMovesTheCursorInRealTimeUntilTheEnd) {
  OpenPreview();
  FindLastPass();
  auto* play = Find<QPushButton>("cmd_play");
  Key(Qt::Key_Space);
  EXPECT_TRUE(timeline_->IsPlaying());
  EXPECT_EQ(play->text().toStdString(), "&Pause");
  // The mouse does not move a playing cursor.
  EXPECT_TRUE(WaitUntil([this] { return timeline_->CursorPass() >= 3; }));
  MoveMouse(timeline_->width() - 1);
  EXPECT_LT(timeline_->CursorPass(), last_pass_);
  Key(Qt::Key_Space);
  EXPECT_FALSE(timeline_->IsPlaying());
  EXPECT_EQ(play->text().toStdString(), "&Play");
  const int stopped = timeline_->CursorPass();
  QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
  EXPECT_EQ(timeline_->CursorPass(), stopped);

  // From near the end it stops at the last pass; once more starts over.
  timeline_->SetCursorPass(last_pass_ - 3);
  play->click();
  EXPECT_TRUE(WaitUntil([this] { return !timeline_->IsPlaying(); }));
  EXPECT_EQ(timeline_->CursorPass(), last_pass_);
  EXPECT_EQ(play->text().toStdString(), "&Play");
  play->click();
  EXPECT_TRUE(timeline_->IsPlaying());
  EXPECT_LT(timeline_->CursorPass(), 10);
  // Closing the window stops it.
  preview_->close();
  EXPECT_FALSE(timeline_->IsPlaying());
}

TEST_F(PreviewWindowTest, AnotherRunIsPreviewedFromItsOwnFiles) {
  OpenPreview();
  Run({"next", "walk 4", "txt_file_out=$OBJ/other_zum.asm", "next"});
  EXPECT_FALSE(preview_->isVisible());
  Run({"click cmd_preview"});
  EXPECT_EQ(form_->findChild<PreviewWindow*>(), preview_);  // the same one
  EXPECT_TRUE(preview_->isVisible());
  EXPECT_EQ(preview_->windowTitle().toStdString(),
            "ZUM preview - other_zum.asm");
  EXPECT_TRUE(Find<QLabel>("lbl_output")->text().contains("other_zum.asm"));
}

// The window's pieces in one picture: the timeline draws every state's words
// in its legend and puts the cursor where CursorPass says.
TEST_F(PreviewWindowTest, TheCursorIsDrawnWhereItIs) {
  OpenPreview();
  FindLastPass();
  const QRectF band = timeline_->TEST_StateBand();
  timeline_->SetCursorPass(150);
  const QImage image = timeline_->grab().toImage();
  const int x = static_cast<int>(std::lround(XOfPass(band, 150, PassCount())));
  // The cursor's dark red crosses the band at its x and nowhere else.
  auto reddish = [](QColor c) {
    return c.red() > 120 && c.green() < 90 && c.blue() < 90;
  };
  bool at_cursor = false;
  for (int dx = -1; dx <= 1; ++dx) {
    at_cursor |= reddish(image.pixelColor(x + dx, band.center().y()));
  }
  EXPECT_TRUE(at_cursor);
  EXPECT_FALSE(reddish(image.pixelColor(x + 40, band.center().y())));
}

}  // namespace
}  // namespace zum::testing
