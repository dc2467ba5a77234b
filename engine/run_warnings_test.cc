#include "engine/run_warnings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/number_rules.h"
#include "engine/testing.h"

namespace zum {
namespace {

TEST(RunWarningsTest, KeepsTheFirstWarningsAndCountsTheRest) {
  RunWarnings warnings;
  EXPECT_TRUE(warnings.empty());
  for (size_t i = 1; i <= kMaxWarningsKept + 5; ++i) {
    warnings.Add("door_0.asm", static_cast<long>(i), "value 1 'x' read as 0");
  }
  EXPECT_FALSE(warnings.empty());
  EXPECT_EQ(warnings.total(), static_cast<long>(kMaxWarningsKept + 5));
  ASSERT_EQ(warnings.kept().size(), kMaxWarningsKept);
  EXPECT_EQ(warnings.kept().front(), "door_0.asm:1: value 1 'x' read as 0");
  EXPECT_EQ(warnings.kept().back(),
            "door_0.asm:" + std::to_string(kMaxWarningsKept) +
                ": value 1 'x' read as 0");
}

TEST(RunWarningsTest, NamesTheLineAReaderReturnedLast) {
  testing::TempDir dir;
  testing::WriteFile(dir.File("a.asm"), testing::CrLf({"one", "two"}));
  LineReader in;
  ASSERT_TRUE(in.Open(dir.File("a.asm")).ok());
  std::string line;
  ASSERT_TRUE(in.Next(&line) && in.Next(&line));
  RunWarnings warnings;
  warnings.AddHere(in, "what was read");
  EXPECT_EQ(warnings.kept(),
            std::vector<std::string>{dir.File("a.asm") + ":2: what was read"});
  // A long name is shortened as in errors.
  RunWarnings long_name;
  long_name.Add(std::string(300, 'n'), 7, "x");
  EXPECT_EQ(long_name.kept()[0], ShortName(std::string(300, 'n')) + ":7: x");
}

TEST(RunWarningsTest, ReadValueTextIsTheShortestTextOfTheFloat) {
  EXPECT_EQ(ReadValueText(5.0f), "5");
  EXPECT_EQ(ReadValueText(0.1f), "0.1");
  EXPECT_EQ(ReadValueText(-2.25f), "-2.25");
  EXPECT_EQ(ReadValueText(0.0f), "0");
  EXPECT_EQ(ReadValueText(1e30f), "1e+30");
}

// "TEXT => WARNING" for the value 2 (empty: no warning).
TEST(RunWarningsTest, RoundedNumberWarningOnlyWhenTheNumberChanges) {
  const std::string what = "matrix number";
  EXPECT_EQ(RoundedNumberWarning(what, "2", 2), "");
  EXPECT_EQ(RoundedNumberWarning(what, " +2.0 ", 2), "");
  EXPECT_EQ(RoundedNumberWarning(what, "02", 2), "");
  EXPECT_EQ(RoundedNumberWarning(what, "0.2e1", 2), "");
  EXPECT_EQ(RoundedNumberWarning(what, " 2.5", 2),
            "matrix number '2.5' read as 2");
  EXPECT_EQ(RoundedNumberWarning(what, "1.5", 2),
            "matrix number '1.5' read as 2");
  EXPECT_EQ(RoundedNumberWarning(what, "-0.4", 0),
            "matrix number '-0.4' read as 0");
  // Texts that are no numbers are errors elsewhere, not warnings.
  EXPECT_EQ(RoundedNumberWarning(what, "x", 0), "");
}

TEST(LeadingNumberTest, TellsWhetherTheNumberIsTheWholeText) {
  struct Case {
    const char* text;
    double value;
    bool whole;
  };
  for (const Case& c :
       {Case{"5", 5, true}, Case{"  -2.25", -2.25, true},
        Case{"1e3", 1000, true}, Case{".5", 0.5, true}, Case{"5x.0", 5, false},
        Case{"abc", 0, false}, Case{"", 0, false}, Case{"   ", 0, false},
        Case{".", 0, false}, Case{"6.0e", 6, false}, Case{"\t1.0", 0, false},
        Case{"1.0\t", 1, false}, Case{"1.0 ", 1, false}}) {
    bool whole = !c.whole;
    EXPECT_EQ(LeadingNumber(c.text, &whole), c.value) << "'" << c.text << "'";
    EXPECT_EQ(whole, c.whole) << "'" << c.text << "'";
    EXPECT_EQ(LeadingNumber(c.text), c.value) << "'" << c.text << "'";
  }
}

}  // namespace
}  // namespace zum
