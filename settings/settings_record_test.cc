#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "settings/testing.h"

namespace zum {
namespace {

// Loads typical.cfg with the edits before "|", runs the rules after it (see
// record_rules_cases.txt) and describes the record.
std::string RunRules(const std::string& input) {
  const size_t bar = input.find('|');
  SettingsRecord record;
  Status status = testing::LoadTypicalSettings(input.substr(0, bar), &record);
  if (!status.ok()) {
    return status.ToString();
  }
  std::istringstream steps(bar == std::string::npos ? "" : input.substr(bar));
  for (std::string step; steps >> step;) {
    const ConditionKind kinds[] = {ConditionKind::kBetween,
                                   ConditionKind::kMask,
                                   ConditionKind::kBoundingBox};
    const std::string names[] = {"between", "mask", "box"};
    for (int k = 0; k < 3; ++k) {
      if (step == names[k] + "0" || step == names[k] + "1") {
        record.SelectKind(step.back() - '0', kinds[k]);
      }
    }
    if (step == "enter") {
      record.CountOneAnimationWhenOff();
    } else if (step.rfind("raise=", 0) == 0) {
      record.RaiseAnimationCount(std::stoi(step.substr(6)));
    } else if (step.rfind("name=", 0) == 0) {
      record.NameOutputAfter(step.substr(5));
    } else if (step.rfind("choose=", 0) == 0) {
      // choose=A:F, the file F chosen for animation A in the first row;
      // choose=A:F:row in another row.
      std::istringstream parts(step.substr(7));
      std::string animation, file, row;
      std::getline(parts, animation, ':');
      std::getline(parts, file, ':');
      std::getline(parts, row);
      record.ChooseInputFile(std::stoi(animation), file, row.empty());
    } else if (step == "tick2" || step == "untick2") {
      record.TickSecondary(step == "tick2");
    } else if (step.rfind("turnon=", 0) == 0) {
      record.TurnSecondaryOnFor(std::stoi(step.substr(7)));
    } else if (step == "taken") {
      SettingsRecord window;
      window.opt_condapply0 = true;
      window.TakeLoaded(record);
      record = window;
    }
  }
  return testing::ChangedTypicalLines(record) +
         " count:" + record.AnimationCount() +
         " shown:" + std::to_string(record.AnimationCountShown());
}

TEST(SettingsRecordTest, Rules) {
  testing::TempWorkFolder folder;
  for (const testing::CaseRow& c :
       testing::ReadCases("record_rules_cases.txt")) {
    EXPECT_EQ(RunRules(c.input), c.expected)
        << "record_rules_cases.txt:" << c.line << ": " << c.input;
  }
}

// Every line is told in words of its own, with none of the code's names.
TEST(SettingsRecordTest, EveryLineHasAMeaningOfItsOwn) {
  std::set<std::string> meanings;
  for (int line = 1; line <= kSettingsLines; ++line) {
    const std::string meaning = SettingsLineMeaning(line);
    EXPECT_EQ(meaning.rfind("the ", 0) == 0 || meaning.rfind("what ", 0) == 0,
              true)
        << line << ": " << meaning;
    EXPECT_EQ(meaning.find_first_of("_()"), std::string::npos)
        << line << ": " << meaning;
    EXPECT_TRUE(meanings.insert(meaning).second) << line << ": " << meaning;
  }
  EXPECT_EQ(SettingsLineMeaning(11),
            "the additional animation condition's minimum value");
  EXPECT_EQ(SettingsLineMeaning(21), "the input file of animation 2");
  EXPECT_EQ(SettingsLineMeaning(182),
            "the animation trigger's box length maximum");
}

}  // namespace
}  // namespace zum
