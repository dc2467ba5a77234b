#include "engine/source_scanner.h"

#include <memory>
#include <optional>
#include <string>

#include "engine/asm_lines.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"

namespace zum {

std::string TableLabelBase(std::string_view line, bool rotation) {
  std::string_view t = TrimBlanks(line);
  size_t tag = t.find(rotation ? "_quat_" : "_trans_");
  return std::string(t.substr(0, tag == std::string_view::npos ? 0 : tag));
}

Status ScanSourceFile(const std::string& path, SourceScan* scan, FileSystem* fs,
                      FileInfo* seen) {
  *scan = SourceScan();
  if (seen != nullptr) {
    int error = 0;
    if (!fs->Stat(path, seen, &error)) {
      *seen = FileInfo();
    }
  }
  LineReader in(fs);
  ZUM_RETURN_IF_ERROR(in.OpenNonEmpty(path));
  // The table is large; one per scan is enough and lives on the heap.
  auto table = std::make_unique<KeyframeTable>();
  int tables = 0;
  std::string_view line;
  while (in.NextView(&line)) {
    if (Contains(line, "BGL_TRANSFORM_INDIRECT")) {
      if (!Add16(scan->TransformCount, 1, &scan->TransformCount)) {
        return in.ErrorHere("too many BGL_TRANSFORM_INDIRECT lines");
      }
      continue;
    }
    if (Contains(line, "BGL_ANIMATE_INDIRECT")) {
      if (!Add16(scan->AnimateCount, 1, &scan->AnimateCount)) {
        return in.ErrorHere("too many BGL_ANIMATE_INDIRECT lines");
      }
      continue;
    }
    const std::optional<KeyframeKind> kind = ScannedTableKind(line);
    if (!kind) {
      continue;
    }
    if (tables == kMaxTablesPerFile) {
      return in.ErrorHere(
          "keyframe table number " + std::to_string(tables + 1) + "; at most " +
          std::to_string(kMaxTablesPerFile) + " fit in one file");
    }
    ++tables;
    scan->LabelBase = TableLabelBase(line, *kind == KeyframeKind::kRotation);
    // The shape needs only the last key; the run reads every number later.
    ZUM_RETURN_IF_ERROR(
        ReadKeyframeTable(in, *kind, table.get(), TableRead::kLastKey));
    std::string err;
    if (!RoundToInt16(table->Key[table->RowCount], &scan->Frames[tables],
                      &err)) {
      return in.ErrorHere("frame count of the keyframe table: " + err);
    }
  }
  return in.status();
}

}  // namespace zum
