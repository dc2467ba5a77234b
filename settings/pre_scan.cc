#include "settings/pre_scan.h"

#include "engine/asm_lines.h"
#include "engine/number_rules.h"
#include "engine/source_scanner.h"

namespace zum {

Status PreScanInputFile(const std::string& input_file, SourceScan* scan,
                        FileSystem* fs, FileInfo* seen) {
  *scan = SourceScan();
  std::string companion;
  std::string err;
  if (!IncludedFileName(input_file, &companion, &err)) {
    return Status::Error(err);
  }
  Status status = ScanSourceFile(companion, scan, fs, seen);
  if (!status.ok()) {
    // No half-filled scan reaches a tooltip, a comparison or a run.
    *scan = SourceScan();
    if (seen != nullptr) {
      *seen = FileInfo();
    }
  }
  return status;
}

std::string ScanTooltipText(const SourceScan& scan) {
  std::string text = "TRAN tables: " + IntText(scan.TransformCount) + "||" +
                     "ANIM tables: " + IntText(scan.AnimateCount) + "||" +
                     "Num frames: ";
  // Frames holds at most kMaxTablesPerFile entries.
  int count = scan.AnimateCount < kMaxTablesPerFile ? scan.AnimateCount
                                                    : kMaxTablesPerFile;
  for (int j = 1; j <= count; ++j) {
    text += IntText(scan.Frames[j]);
    text += ' ';
  }
  return text;
}

}  // namespace zum
