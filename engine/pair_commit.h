#ifndef ZUM_ENGINE_PAIR_COMMIT_H_
#define ZUM_ENGINE_PAIR_COMMIT_H_

#include "engine/file_system.h"
#include "engine/line_io.h"
#include "engine/status.h"

namespace zum {

// Refuses to replace NAME (as given, links followed) when it is anything
// but a regular file or missing: "NAME: is a directory", "NAME: not a
// regular file" (a FIFO, a device), "NAME: is read-only".
Status CheckReplaceable(const std::string& name, FileSystem* fs);

// Puts the temporary files of COMPANION and MAIN, both opened with
// OpenReplacing and written, in their targets' places, all or nothing:
// both targets are checked first (CheckReplaceable), the companion is
// replaced first while its earlier file is kept aside under a temporary
// name, and when the main file cannot be replaced the earlier companion is
// put back (or the new one removed where there was none). On success both
// folders are synced.
//
// Errors name the file that could not be replaced; only when putting the
// companion back fails too does the message say that the companion was
// changed, and where its earlier file is. On any error the writers still
// hold what is theirs to abandon.
Status CommitPair(LineWriter& companion, LineWriter& main, FileSystem* fs);

}  // namespace zum

#endif  // ZUM_ENGINE_PAIR_COMMIT_H_
