#ifndef ZUM_SETTINGS_SETTINGS_FILE_H_
#define ZUM_SETTINGS_SETTINGS_FILE_H_

#include <cstdint>
#include <string>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"
#include "settings/settings_record.h"

// The settings file: 183 or 184 lines, one value each, every line ended by
// CR LF. Text lines hold a control's text exactly; number lines hold a
// 16-bit integer as " 1 " (a blank or "-", the digits, one blank); kind lines
// one character. The line order is that of SettingsLineSlot().
namespace zum {

// Reads the settings file PATH whole into *RECORD, or nothing: *RECORD
// changes only when every line read. opt_condapply0 is empty when the file
// has no line 184 (it is optional and never an error; lines after it are
// ignored); a check-box value is read as written (0, 1 or 2).
//
// Errors say in the author's words where and what: "zum3.cfg, line 13, the
// additional animation condition's check box: expected a whole number,
// found 'x'", for a file that cannot be opened or read, that ends before
// line 183, a number line that is not a 16-bit whole number, a check-box
// value other than 0, 1 or 2, and a text line longer than a text box holds
// (kMaxBoxLength characters, counted by BoxLength).
//
// The file is read as UTF-8 when it is valid UTF-8, else in the ANSI code
// page (OpenSettingsText); the texts come out in UTF-8. File names come as
// they stand (relative_names.h tells what a relative one means).
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
// save leaves an earlier file as it was. Errors name PATH and the reason; a
// text holding a line break (HoldsLineBreak) is refused with its line, and
// nothing is written.
Status WriteSettingsFile(const std::string& path, const SettingsRecord& record,
                         FileSystem* fs = RealFileSystem());

}  // namespace zum

#endif  // ZUM_SETTINGS_SETTINGS_FILE_H_
