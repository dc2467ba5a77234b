#ifndef ZUM_SETTINGS_TESTING_H_
#define ZUM_SETTINGS_TESTING_H_

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/status.h"
#include "engine/testing.h"
#include "settings/settings_record.h"

// Helpers shared by the settings and zum-batch tests. Used by tests only.
namespace zum::testing {

// A companion "_0.asm" file whose scan gives TRANSFORMS transform commands,
// ANIMATES animate commands and one translation table per entry of FRAMES,
// the table's last key being that entry. It has no RIFF chunk, so a run
// copies it unchanged. Labels begin with LABEL_BASE.
std::string CompanionText(int transforms, int animates,
                          std::initializer_list<int> frames,
                          std::string_view label_base = "gate");

// The rows of the case table settings/testdata/NAME (see ReadCaseRows).
std::vector<CaseRow> ReadCases(std::string_view name);

// The lines of settings/testdata/typical.cfg as read (in UTF-8: the file
// was written in Windows-1252, as older tools wrote settings; each text line
// holds a value
// of its own; the inputs are gate1.asm .. gate50.asm, three of them in use)
// with EDITS applied: "KEY=[TEXT] ...", KEY a line number or the line's name
// (SettingsLineName), TEXT the new line exactly; "cut=[N]" keeps lines 1..N.
std::vector<std::string> TypicalSettingsWith(std::string_view edits);

// The lines that RECORD writes differently from typical.cfg, as
// "LINE=[TEXT] ...", or "same".
std::string ChangedTypicalLines(const SettingsRecord& record);

// Writes TypicalSettingsWith(EDITS) to zum3.cfg and loads it into *RECORD.
Status LoadTypicalSettings(std::string_view edits, SettingsRecord* record);

// A fresh temporary folder that is the current folder for the object's
// lifetime, so that tables name files as a user would ("gate1.asm").
class TempWorkFolder {
 public:
  TempWorkFolder();
  ~TempWorkFolder();

 private:
  TempDir dir_;
  std::filesystem::path old_;
};

}  // namespace zum::testing

#endif  // ZUM_SETTINGS_TESTING_H_
