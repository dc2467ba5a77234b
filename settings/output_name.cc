#include "settings/output_name.h"

#include <cctype>
#include <string_view>

#include "engine/line_io.h"

namespace zum {
namespace {

bool HasAsmExtension(std::string_view file_name) {
  constexpr std::string_view kExtension = ".asm";
  if (file_name.size() <= kExtension.size()) {
    return false;
  }
  const std::string_view end = file_name.substr(file_name.size() - 4);
  for (size_t i = 0; i < kExtension.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(end[i])) != kExtension[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ProposedOutputName(const std::string& input) {
  const std::string_view file_name =
      std::string_view(input).substr(FileNameStart(input));
  if (!HasAsmExtension(file_name)) {
    return input + "_zum.asm";
  }
  const size_t dot = input.size() - 4;
  return input.substr(0, dot) + "_zum" + input.substr(dot);
}

}  // namespace zum
