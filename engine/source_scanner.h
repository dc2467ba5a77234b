#ifndef ZUM_ENGINE_SOURCE_SCANNER_H_
#define ZUM_ENGINE_SOURCE_SCANNER_H_

#include <string>
#include <string_view>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"

namespace zum {

// Scans the companion file PATH for its shape: the transform and animate
// command counts, the frame count of each labelled keyframe table (the last
// key rounded half to even) and the label prefix of the last table. The file
// is closed on every path out. Errors name the file (and line): a missing
// file, more than 50 tables, a malformed table. The file is read through FS.
// With SEEN, the file's state is taken just before it is opened (type
// kMissing when it cannot be), for a KnownScan.
Status ScanSourceFile(const std::string& path, SourceScan* scan,
                      FileSystem* fs = RealFileSystem(),
                      FileInfo* seen = nullptr);

// A scan that succeeded, with the state of its file when the scan began. A
// run given it for a file still in that state (FileInfo::SameVersion) takes
// it instead of scanning the file again.
struct KnownScan {
  FileInfo seen;
  SourceScan scan;
};

// The label prefix of a keyframe table's label line: the trimmed line up to
// the first "_quat_" (ROTATION) or "_trans_" (otherwise); possibly empty.
std::string TableLabelBase(std::string_view line, bool rotation);

}  // namespace zum

#endif  // ZUM_ENGINE_SOURCE_SCANNER_H_
