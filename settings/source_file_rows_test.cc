#include "settings/source_file_rows.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/testing.h"

namespace zum {
namespace {

using Column = SourceFileRows::Column;

// "a,b,c" as {"a", "b", "c"}; "" as no names at all.
std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> names;
  std::istringstream in(text);
  for (std::string name; std::getline(in, name, ',');) {
    names.push_back(name);
  }
  return names;
}

// Runs the steps of a case row (see the table's header) and describes the
// rows as the table does.
std::string RunSteps(const std::string& steps) {
  SettingsRecord record;
  SourceFileRows rows(&record);
  int n = 7;
  std::string results;  // of fill, sort and companion steps
  std::istringstream in(steps);
  for (std::string step; in >> step;) {
    const size_t eq = step.find('=');
    const std::string name = step.substr(0, eq);
    const std::string text = eq == std::string::npos ? "" : step.substr(eq + 1);
    if (step == "up" || step == "down") {
      rows.Scroll(step == "up" ? -1 : 1);
    } else if (step == "first") {
      rows.ShowFirstRows();
    } else if (name == "fill0" || name == "fill2") {
      results += " filled:" + std::to_string(rows.FillInputFiles(
                                  name.back() - '0', Split(text)));
    } else if (name == "sort") {
      std::vector<std::string> files = Split(text);
      SourceFileRows::SortFileNames(&files);
      results += " sorted:";
      for (const std::string& file : files) {
        results += file + (&file == &files.back() ? "" : ",");
      }
    } else if (name == "companion") {
      results += std::string(" companion:") +
                 (SourceFileRows::IsCompanionName(text) ? "yes" : "no");
    } else if (name == "n") {
      n = std::stoi(text);
    } else if (name == "count") {
      rows.SetRowCount(std::stoi(text));
    } else if (name == "show") {
      results += " row:" + std::to_string(rows.ShowAnimation(std::stoi(text)));
    } else if (name == "hint") {
      results += " hint:" + SourceFileRows::CompanionHint(text);
    } else if (name == "base") {
      rows.SetRowBase(static_cast<int16_t>(std::stoi(text)));
    } else if (name.rfind("in", 0) == 0 || name.rfind("min", 0) == 0 ||
               name.rfind("max", 0) == 0) {
      const Column column = name[0] == 'i'   ? Column::kInputFile
                            : name[1] == 'i' ? Column::kSecondaryMin
                                             : Column::kSecondaryMax;
      rows.SetRowEntry(column, name.back() - '0', text);
    } else if (name.find('(') != std::string::npos) {
      // An entry of the record's lists, e.g. "SecondaryMin(5)".
      const Column column = name.rfind("InputFile", 0) == 0 ? Column::kInputFile
                            : name.rfind("SecondaryMin", 0) == 0
                                ? Column::kSecondaryMin
                                : Column::kSecondaryMax;
      rows.SetEntry(column, std::stoi(name.substr(name.find('(') + 1)), text);
    } else if (step == "clear") {
      rows.ClearRows();
    } else {
      ADD_FAILURE() << "unknown step " << step;
    }
  }
  std::string out = std::to_string(rows.row_base()) + " " +
                    std::to_string(rows.AnimationOfRow(0)) + ".." +
                    std::to_string(rows.AnimationOfRow(rows.row_count() - 1));
  int shown = 1;
  while (shown < rows.row_count() && SourceFileRows::RowShown(shown, n)) {
    ++shown;
  }
  out += std::string(" up:") + (rows.CanScrollUp() ? "on" : "off") +
         " down:" + (rows.CanScrollDown(n) ? "on" : "off") +
         " rows:" + std::to_string(shown) +
         " arrows:" + (rows.ScrollButtonsShown(n) ? "shown" : "hidden");
  out += results;
  EXPECT_EQ(record.FileRowBase, rows.row_base());
  for (int a = 1; a <= kMaxAnimations; ++a) {
    for (auto [name, list] : {std::pair{"in", &record.InputFile},
                              std::pair{"min", &record.SecondaryMin},
                              std::pair{"max", &record.SecondaryMax}}) {
      if (!(*list)[a].empty()) {
        out += " " + std::string(name) + "(" + std::to_string(a) +
               ")=" + (*list)[a];
      }
    }
  }
  return out;
}

TEST(SourceFileRowsTest, Cases) {
  for (const testing::CaseRow& c :
       testing::ReadCases("source_file_rows_cases.txt")) {
    EXPECT_EQ(RunSteps(c.input), c.expected)
        << "source_file_rows_cases.txt:" << c.line << ": " << c.input;
  }
}

}  // namespace
}  // namespace zum
