#ifndef ZUM_SETTINGS_RELATIVE_NAMES_H_
#define ZUM_SETTINGS_RELATIVE_NAMES_H_

#include <string>
#include <string_view>

#include "engine/job.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

// What the file names in a settings file mean: a relative name is taken from
// the settings file's folder, so that a project folder with its settings file
// can be moved or shared; and the separators a name is shown and written
// with.
namespace zum {

// Which system's names: POSIX ('/' only) or Windows ('\' and '/', drive
// letters, "\\server\share").
enum class PathStyle { kPosix, kWindows };
#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::kWindows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::kPosix;
#endif

// NAME as STYLE writes it: on Windows every '/' becomes '\'; a POSIX name
// stays as it is ('\' is a letter of a file name there).
std::string NativeSeparators(std::string_view name,
                             PathStyle style = kNativePathStyle);

// True when NAME names its file without a folder to start from: POSIX
// "/..."; Windows "C:\...", "\\server\share\..." and "\..." (the current
// drive's root). Windows' "C:gate.asm" counts too: it names a drive's own
// current folder, not one that a settings file could stand in for.
bool IsFullName(std::string_view name, PathStyle style = kNativePathStyle);

// The file that NAME, written in a settings file whose folder is FOLDER (a
// full name), stands for: empty and full names as they are; a relative one
// joined to FOLDER. On Windows the result has native separators and no "."
// or ".." parts ("C:\p\sub\..\models\gate.asm" is "C:\p\models\gate.asm"),
// as Windows itself reads it; POSIX keeps ".." (after a link it leads
// elsewhere) and drops only "./" parts.
std::string ResolveRelativeName(std::string_view folder, std::string_view name,
                                PathStyle style = kNativePathStyle);

// NAME as a settings file in FOLDER stores it: the rest of NAME when NAME
// lies inside FOLDER or below it ("gate.asm", "sub\gate.asm"), else NAME
// itself. On Windows either separator matches and letters match in either
// case.
std::string NameRelativeToFolder(std::string_view folder, std::string_view name,
                                 PathStyle style = kNativePathStyle);

// The folder whose names the settings file PATH holds: PATH's folder, made
// full from the current folder when PATH is relative.
std::string SettingsFolder(const std::string& path);

// The file names of RECORD (the output file and each input file), read
// from a settings file in FOLDER, resolved (ResolveRelativeName).
void ResolveRecordNames(const std::string& folder, SettingsRecord* record);

// JOB's input and output names, as the settings file in FOLDER gives them,
// resolved (ResolveRelativeName). A relative output name stays what the main
// output's include line names the companion by (JobSettings::IncludeName),
// with native separators.
void ResolveJobNames(const std::string& folder, JobSettings* job);

// RECORD as a settings file in FOLDER stores it: its file names relative to
// FOLDER where they lie inside it (NameRelativeToFolder).
SettingsRecord RecordForFolder(const std::string& folder,
                               SettingsRecord record);

}  // namespace zum

#endif  // ZUM_SETTINGS_RELATIVE_NAMES_H_
