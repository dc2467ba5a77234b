#include "wizard/timeline_painting.h"

#include <gtest/gtest.h>

#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "preview/model_names.h"

namespace zum {
namespace {

// A white picture 200 x 100 to paint on, without antialiasing.
class PaintingTest : public ::testing::Test {
 protected:
  PaintingTest() : image_(200, 100, QImage::Format_RGB32) {
    image_.fill(Qt::white);
  }

  // The rows of column X that are not white.
  std::vector<int> InkInColumn(int x) const {
    std::vector<int> rows;
    for (int y = 0; y < image_.height(); ++y) {
      if (image_.pixel(x, y) != qRgb(255, 255, 255)) {
        rows.push_back(y);
      }
    }
    return rows;
  }

  QImage image_;
};

TEST(XOfPassTest, PassesSpreadOverTheWidth) {
  const QRectF rect(10, 0, 100, 10);
  EXPECT_DOUBLE_EQ(XOfPass(rect, 0, 11), 10);
  EXPECT_DOUBLE_EQ(XOfPass(rect, 5, 11), 60);
  EXPECT_DOUBLE_EQ(XOfPass(rect, 10, 11), 110);
  EXPECT_DOUBLE_EQ(XOfPass(rect, 3, 1), 10);  // one pass: at the left
}

TEST_F(PaintingTest, BandFillsEachSpanWithItsColour) {
  {
    QPainter painter(&image_);
    // Pass p of 11 lies at x = 20 p: a span reaches to the next one's
    // first pass, the last one to the right edge.
    PaintBand(&painter, QRectF(0, 0, 200, 20),
              {{0, 5, 0}, {5, 8, 1}, {8, 11, 2}}, 11, StateColor,
              [](int) { return QString(); });
  }
  EXPECT_EQ(image_.pixelColor(50, 10), StateColor(0));
  EXPECT_EQ(image_.pixelColor(102, 10), StateColor(1));
  EXPECT_EQ(image_.pixelColor(158, 10), StateColor(1));
  EXPECT_EQ(image_.pixelColor(162, 10), StateColor(2));
  EXPECT_EQ(image_.pixelColor(197, 10), StateColor(2));
  EXPECT_EQ(image_.pixelColor(50, 50), QColor(Qt::white));
}

TEST_F(PaintingTest, SeriesIsALineWithGapsForNaN) {
  {
    QPainter painter(&image_);
    // 0 at the bottom, 10 at the top of a rectangle 0..98 high.
    PaintSeries(&painter, QRectF(0, 0, 200, 98),
                {0, 0, 10, 10, NAN, NAN, 5, 5, 5}, 0, 10, QPen(Qt::black, 1));
  }
  const double step = 200.0 / 8;  // nine passes over 200 pixels
  EXPECT_EQ(InkInColumn(static_cast<int>(0.5 * step)),
            std::vector<int>{98});  // pass 0 to 1 along the bottom
  const std::vector<int> top = InkInColumn(static_cast<int>(2.5 * step));
  ASSERT_FALSE(top.empty());
  EXPECT_LE(top.back(), 1);
  // Between passes 3 and 6 nothing is drawn.
  EXPECT_TRUE(InkInColumn(static_cast<int>(4.5 * step)).empty());
  const std::vector<int> middle = InkInColumn(static_cast<int>(7 * step));
  ASSERT_FALSE(middle.empty());
  EXPECT_NEAR(middle.front(), 49, 1);
}

TEST_F(PaintingTest, ManyPassesShowEachColumnsLowestAndHighest) {
  // 2000 passes over 200 columns: a saw between 0 and 10 within each
  // column draws every column from bottom to top.
  std::vector<float> saw(2000);
  for (size_t p = 0; p < saw.size(); ++p) {
    saw[p] = static_cast<float>(p % 10);
  }
  {
    QPainter painter(&image_);
    PaintSeries(&painter, QRectF(0, 0, 200, 100), saw, 0, 9,
                QPen(Qt::black, 1));
  }
  const std::vector<int> ink = InkInColumn(100);
  ASSERT_FALSE(ink.empty());
  EXPECT_LE(ink.front(), 1);
  EXPECT_GE(ink.back(), 98);
}

TEST_F(PaintingTest, LegendNamesSixStatesInLinesAsWideAsItsRoom) {
  QPainter painter(&image_);
  const QFontMetricsF metrics(painter.font());
  const double wide = PaintStateLegend(nullptr, QRectF(0, 0, 5000, 0), metrics);
  const double narrow =
      PaintStateLegend(nullptr, QRectF(0, 0, 150, 0), metrics);
  EXPECT_NEAR(wide, metrics.height() + 2, 0.01);  // one line
  // One state a line when each is about as wide as the room.
  EXPECT_NEAR(narrow, kTriggerStateCount * (metrics.height() + 2), 0.01);
  EXPECT_EQ(PaintStateLegend(&painter, QRectF(0, 0, 5000, 0), metrics), wide);
}

}  // namespace
}  // namespace zum
