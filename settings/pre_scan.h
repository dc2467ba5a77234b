#ifndef ZUM_SETTINGS_PRE_SCAN_H_
#define ZUM_SETTINGS_PRE_SCAN_H_

#include <string>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"

// The scan of a chosen input file that the source file page shows in a
// tooltip and compares between animations.
namespace zum {

// Scans the companion "_0.asm" file of the main file INPUT_FILE into *SCAN.
// On failure *SCAN is empty and the error says why, naming the companion
// file (and line): it is missing or unreadable, malformed, or INPUT_FILE is
// too short to derive its name.
// The file is read through FS. With SEEN, the companion's state when the
// scan began is kept there (see ScanSourceFile).
Status PreScanInputFile(const std::string& input_file, SourceScan* scan,
                        FileSystem* fs = RealFileSystem(),
                        FileInfo* seen = nullptr);

// The tooltip of a file row: "TRAN tables: 2||ANIM tables: 3||Num frames: "
// followed by Frames(1..AnimateCount), each with one blank after it.
std::string ScanTooltipText(const SourceScan& scan);

}  // namespace zum

#endif  // ZUM_SETTINGS_PRE_SCAN_H_
