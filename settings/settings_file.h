#ifndef ZUM_SETTINGS_SETTINGS_FILE_H_
#define ZUM_SETTINGS_SETTINGS_FILE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"
#include "settings/settings_record.h"

// The settings file: 183 or 184 lines, one value each, every line ended by
// CR LF. Text lines hold a control's text exactly; number lines hold a
// 16-bit integer as " 1 " (a blank or "-", the digits, one blank); kind lines
// one character. The line order is that of SettingsLineSlot().
namespace zum {

// One value read from a settings file, in the form its control takes it.
struct SettingsValue {
  int line = 0;  // 1..184
  SettingsSlot slot;
  // kText: the line as read, without its line end.
  std::string text;
  // kCheckBox: 0, 1 or 2; kNumber: FileRowBase; kApplyTo: the index of the
  // opt_condapply button to select (0 "Apply to animation trigger", 1 "Apply
  // to animation").
  int16_t number = 0;
  // kKind: the kind button to select.
  ConditionKind kind = ConditionKind::kBetween;
};

// Reads the settings file PATH and appends its values to *VALUES in file
// order, so that a caller can assign them one by one. Stops at the first bad
// line: *VALUES then holds the values of the lines before it. Errors name the
// file and, where a line is to blame, the line ("zum3.cfg:17: ..."): the file
// cannot be opened or read, it ends before line 183, a number line is not a
// 16-bit whole number, a check-box value is not 0, 1 or 2. Line 184 is
// optional and never an error; lines after it are ignored.
//
// The file is read as UTF-8 when it is valid UTF-8, else in the ANSI code
// page (OpenSettingsText); the texts come out in UTF-8. File names come as
// they stand (relative_names.h tells what a relative one means).
Status ReadSettingsFile(const std::string& path,
                        std::vector<SettingsValue>* values,
                        FileSystem* fs = RealFileSystem());

// Stores VALUE into its field of *RECORD.
void ApplySettingsValue(const SettingsValue& value, SettingsRecord* record);

// Reads PATH into *RECORD: every value read is applied, also those before a
// bad line (as the window keeps them). Fields the file does not set keep
// their values.
Status LoadSettingsFile(const std::string& path, SettingsRecord* record,
                        FileSystem* fs = RealFileSystem());

// The number line of VALUE without its line end: " 1 ", "-32768 ".
std::string NumberLineText(int16_t value);

// Line LINE (1..184) of RECORD's file, without its line end. An empty
// opt_condapply0 is written as the window's default, " 1 ".
std::string SettingsLineText(const SettingsRecord& record, int line);

// The whole file of RECORD: 184 lines, each ended by CR LF.
std::string SettingsFileText(const SettingsRecord& record);

// Creates or replaces PATH with SettingsFileText(RECORD), in UTF-8 (the
// record's texts as they are) without a byte order mark. The file is
// written beside PATH and takes its place only when complete, so a failed
// save leaves an earlier file as it was. Errors name PATH and the reason.
Status WriteSettingsFile(const std::string& path, const SettingsRecord& record,
                         FileSystem* fs = RealFileSystem());

}  // namespace zum

#endif  // ZUM_SETTINGS_SETTINGS_FILE_H_
