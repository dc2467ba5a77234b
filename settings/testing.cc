#include "settings/testing.h"

#include <gtest/gtest.h>

#include "engine/text_encoding.h"
#include "settings/settings_file.h"

namespace zum::testing {

std::string CompanionText(int transforms, int animates,
                          std::initializer_list<int> frames,
                          std::string_view label_base) {
  std::vector<std::string> lines;
  std::string base(label_base);
  int part = 0;
  for (int frame : frames) {
    ++part;
    lines.push_back(base + "_trans_" + std::to_string(part) + " label word");
    lines.push_back("    dw 1");
    lines.push_back("    dw 0");
    lines.push_back("    dw 0");
    lines.push_back("    dw 2");
    lines.push_back("    real4 0.0, 0.0, 0.0, 0.0");
    lines.push_back("    real4 " + std::to_string(frame) + ".0, 1.0, 2.0, 3.0");
  }
  for (int i = 0; i < transforms; ++i) {
    lines.push_back("    BGL_TRANSFORM_INDIRECT");
  }
  for (int i = 0; i < animates; ++i) {
    lines.push_back("    BGL_ANIMATE_INDIRECT");
  }
  return CrLf(lines);
}

std::vector<CaseRow> ReadCases(std::string_view name) {
  return ReadCaseRows(ZUM_SETTINGS_TESTDATA "/" + std::string(name));
}

std::vector<std::string> TypicalSettingsWith(std::string_view edits) {
  std::vector<std::string> lines = SplitCrLf(
      SettingsTextToUtf8(ReadFile(ZUM_SETTINGS_TESTDATA "/typical.cfg")));
  for (size_t at = edits.find("=["); at != std::string_view::npos;
       at = edits.find("=[", at + 1)) {
    size_t key_start = edits.rfind(' ', at);
    key_start = key_start == std::string_view::npos ? 0 : key_start + 1;
    const std::string key(edits.substr(key_start, at - key_start));
    const size_t close = edits.find(']', at);
    const std::string text(edits.substr(at + 2, close - at - 2));
    int line = std::atoi(key.c_str());
    for (int named = 1; line == 0 && named <= kSettingsLines; ++named) {
      line = SettingsLineName(named) == key ? named : 0;
    }
    if (key == "cut") {
      lines.resize(std::stoul(text));
    } else if (line < 1 || line > static_cast<int>(lines.size()) + 1) {
      ADD_FAILURE() << "no line " << key << " in " << edits;
    } else {
      lines.resize(std::max<size_t>(lines.size(), line));
      lines[line - 1] = text;
    }
  }
  return lines;
}

std::string ChangedTypicalLines(const SettingsRecord& record) {
  const std::vector<std::string> typical = TypicalSettingsWith("");
  const std::vector<std::string> written = SplitCrLf(SettingsFileText(record));
  std::string changed;
  for (int i = 0; i < kSettingsLines; ++i) {
    if (written.at(i) != typical.at(i)) {
      changed += (changed.empty() ? "" : " ") + std::to_string(i + 1) + "=[" +
                 written[i] + "]";
    }
  }
  return changed.empty() ? "same" : changed;
}

Status LoadTypicalSettings(std::string_view edits, SettingsRecord* record) {
  WriteFile("zum3.cfg", CrLf(TypicalSettingsWith(edits)));
  return LoadSettingsFile("zum3.cfg", record);
}

TempWorkFolder::TempWorkFolder() : old_(std::filesystem::current_path()) {
  std::filesystem::current_path(dir_.path());
}

TempWorkFolder::~TempWorkFolder() {
  std::filesystem::current_path(old_);
}

}  // namespace zum::testing
