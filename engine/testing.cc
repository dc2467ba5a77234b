#include "engine/testing.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>

namespace zum::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ =
      std::filesystem::temp_directory_path() /
      ("zum-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
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

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text.append(line);
    text.append("\r\n");
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

std::vector<std::string> KeyframeTableLines(
    std::string_view label, int kind,
    const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> lines = {std::string(label) + " label word",
                                    "   dw    " + std::to_string(kind),
                                    "   real4 -1.0", "   real4 16 dup (0.0)",
                                    "   dw    " + std::to_string(rows.size())};
  for (const auto& row : rows) {
    std::string line = "   real4 ";
    for (size_t i = 0; i < row.size(); ++i) {
      line += (i == 0 ? "" : ", ") + row[i];
    }
    lines.push_back(line);
  }
  return lines;
}

void Append(std::vector<std::string>* all,
            const std::vector<std::string>& lines) {
  all->insert(all->end(), lines.begin(), lines.end());
}

}  // namespace zum::testing
