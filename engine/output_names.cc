#include "engine/output_names.h"

#include "engine/asm_lines.h"

namespace zum {

std::vector<std::string> OutputFiles(const std::string& output) {
  std::vector<std::string> files;
  if (output.empty() || output.find('\0') != std::string::npos) {
    return files;
  }
  files.push_back(output);
  std::string companion;
  // A name too short for a companion is the run's to refuse.
  std::string err;
  if (IncludedFileName(output, &companion, &err)) {
    files.push_back(companion);
  }
  return files;
}

}  // namespace zum
