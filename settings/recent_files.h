#ifndef ZUM_SETTINGS_RECENT_FILES_H_
#define ZUM_SETTINGS_RECENT_FILES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/status.h"

// The settings files most recently opened or saved by name, most recent
// first, kept as a text file of one path a line.
namespace zum {

inline constexpr int kRecentFilesCapacity = 5;
// The longest entry taken: a path of the longest kind Windows allows.
inline constexpr size_t kMaxRecentEntry = 32 * 1024;

// The list in LIST_FILE: its non-empty lines, at most kRecentFilesCapacity
// of them, read from at most the first few lines and kilobytes that such a
// list takes. A missing or unreadable file, or one with a line over
// kMaxRecentEntry bytes, is an empty list.
std::vector<std::string> ReadRecentFiles(const std::string& list_file,
                                         FileSystem* fs = RealFileSystem());

// Puts PATH first in *LIST, removes any other entry naming the same file
// (see SameFile) and keeps at most kRecentFilesCapacity entries.
void PutFirst(const std::string& path, std::vector<std::string>* list,
              FileSystem* fs = RealFileSystem());

// Writes LIST to LIST_FILE, replacing the file only once it is complete.
// Errors name LIST_FILE and the reason; an entry holding a line break is
// refused and nothing is written.
Status WriteRecentFiles(const std::string& list_file,
                        const std::vector<std::string>& list,
                        FileSystem* fs = RealFileSystem());

}  // namespace zum

#endif  // ZUM_SETTINGS_RECENT_FILES_H_
