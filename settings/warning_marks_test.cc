#include "settings/warning_marks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/testing.h"

namespace zum {
namespace {

TEST(WarningMarkTest, Cases) {
  const std::map<std::string, MarkedBox> boxes = {
      {"pasted", MarkedBox::kPasted}, {"xmin", MarkedBox::kBoxXMin},
      {"xmax", MarkedBox::kBoxXMax},  {"ymin", MarkedBox::kBoxYMin},
      {"ymax", MarkedBox::kBoxYMax},  {"zmin", MarkedBox::kBoxZMin},
      {"zmax", MarkedBox::kBoxZMax},  {"rotation", MarkedBox::kRotation}};
  for (const testing::CaseRow& c :
       testing::ReadCases("warning_mark_cases.txt")) {
    const std::string& in = c.input;
    const size_t blank = in.find(' ');
    const size_t open = in.find('[');
    ASSERT_TRUE(blank != std::string::npos && open != std::string::npos &&
                in.back() == ']')
        << "warning_mark_cases.txt:" << c.line;
    const std::string role = in.substr(blank + 1, open - blank - 2);
    std::string tip =
        WarningMarkTip(boxes.at(in.substr(0, blank)),
                       role == "trigger" ? ConditionRole::kTrigger
                                         : ConditionRole::kAnimationCondition,
                       in.substr(open + 1, in.size() - open - 2));
    EXPECT_EQ(tip.empty() ? "none" : tip, c.expected)
        << "warning_mark_cases.txt:" << c.line << ": " << in;
  }
}

}  // namespace
}  // namespace zum
