#include "preview/scenario.h"

#include <gtest/gtest.h>

#include "preview/preview_testing.h"

namespace zum {
namespace {

using testing::CaseRow;
using testing::PreviewTestData;
using testing::ReadCaseRows;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(ScenarioTest, LinesReadAsTheTableSays) {
  const std::vector<CaseRow> rows =
      ReadCaseRows(PreviewTestData("scenario_lines.txt"));
  ASSERT_GE(rows.size(), 20u);
  for (const CaseRow& row : rows) {
    Scenario scenario;
    Status status = ReadScenarioLine(row.input, "s", 7, &scenario);
    std::string got = status.ok() ? ScenarioText(scenario) : status.message();
    if (!got.empty() && got.back() == '\n') {
      got.pop_back();
    }
    EXPECT_EQ(got, row.expected) << "line " << row.line << ": " << row.input;
  }
}

TEST(ScenarioTest, LengthDefaultsToFiveSecondsAfterTheLastChange) {
  Scenario scenario;
  EXPECT_EQ(scenario.Length(), 10);
  EXPECT_EQ(scenario.PassCount(), 181);
  ASSERT_TRUE(ReadScenarioLine("20 0282h 1", "s", 1, &scenario).ok());
  EXPECT_EQ(scenario.Length(), 25);
  scenario.seconds = 1;
  EXPECT_EQ(scenario.PassCount(), 19);
}

TEST(ScenarioTest, FileRoundTripsAndNamesItsBadLine) {
  TempDir dir;
  const std::string path = dir.File("gate.scenario");
  WriteFile(path, "# beacon\r\nseconds 20\r\n1 0282h 1\r\n12 0282h 0\r\n");
  Scenario scenario;
  ASSERT_TRUE(ReadScenarioFile(path, &scenario).ok());
  EXPECT_EQ(ScenarioText(scenario), "seconds 20\n1 0282h 1\n12 0282h 0\n");
  EXPECT_EQ(scenario.changes[1].line, 4);

  const std::string copy = dir.File("copy.scenario");
  ASSERT_TRUE(WriteScenarioFile(copy, scenario).ok());
  EXPECT_EQ(ReadFile(copy), "seconds 20\r\n1 0282h 1\r\n12 0282h 0\r\n");
  EXPECT_EQ(dir.Names(),
            (std::vector<std::string>{"copy.scenario", "gate.scenario"}));

  WriteFile(path, "1 0282h 1\n2 0282h x\n");
  Status status = ReadScenarioFile(path, &scenario);
  EXPECT_EQ(status.message(),
            path + ":2: the value 'x' is no 16-bit number (-32768 to 65535)");
  status = ReadScenarioFile(dir.File("missing.scenario"), &scenario);
  EXPECT_TRUE(status.message().starts_with(dir.File("missing.scenario") +
                                           ": cannot open for reading"))
      << status.message();
}

}  // namespace
}  // namespace zum
