#include "settings/testing.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace zum::testing {

TempDir::TempDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "zum_settings_XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) {
    path_ = pattern;
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (!path_.empty()) {
    std::filesystem::remove_all(path_, ignored);
  }
}

std::string TempDir::File(std::string_view name) const {
  return (path_ / std::string(name)).string();
}

void WriteFile(const std::string& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> SplitCrLf(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string CompanionText(int transforms, int animates,
                          std::initializer_list<int> frames,
                          std::string_view label_base) {
  std::vector<std::string> lines;
  std::string base(label_base);
  int part = 0;
  for (int frame : frames) {
    ++part;
    lines.push_back(base + "_trans_" + std::to_string(part) + " label word");
    lines.push_back("    dw 1");
    lines.push_back("    dw 0");
    lines.push_back("    dw 0");
    lines.push_back("    dw 2");
    lines.push_back("    real4 0.0, 0.0, 0.0, 0.0");
    lines.push_back("    real4 " + std::to_string(frame) + ".0, 1.0, 2.0, 3.0");
  }
  for (int i = 0; i < transforms; ++i) {
    lines.push_back("    BGL_TRANSFORM_INDIRECT");
  }
  for (int i = 0; i < animates; ++i) {
    lines.push_back("    BGL_ANIMATE_INDIRECT");
  }
  return CrLf(lines);
}

}  // namespace zum::testing
