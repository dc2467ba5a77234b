#ifndef ZUM_SETTINGS_SETTINGS_TEXT_H_
#define ZUM_SETTINGS_SETTINGS_TEXT_H_

#include <cstddef>
#include <string>

#include "engine/line_io.h"
#include "engine/status.h"

namespace zum {

// More than any settings file, slot-name file or recent list holds (184
// lines of the longest Windows paths).
inline constexpr size_t kMaxSettingsFileSize = 8 << 20;

// What OpenSettingsText does with a file longer than its limit.
enum class LongFile {
  kRefused,  // "PATH: larger than N bytes, more than a settings file holds"
  kCut,      // only the first bytes are read (for a list read in part)
};

// Opens the settings file PATH (or the slot names, or the recent list) for
// reading by lines in UTF-8: the file, up to LIMIT bytes, is read through
// IN's file system and decoded by SettingsTextToUtf8 (UTF-8 when valid,
// else the ANSI code page). Errors are IN's (the file cannot be opened or
// read), and a longer file when LONG_FILE is kRefused.
Status OpenSettingsText(const std::string& path, LineReader* in,
                        size_t limit = kMaxSettingsFileSize,
                        LongFile long_file = LongFile::kRefused);

}  // namespace zum

#endif  // ZUM_SETTINGS_SETTINGS_TEXT_H_
