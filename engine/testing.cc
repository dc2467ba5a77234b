#include "engine/testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

#include "engine/utf8_path.h"

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
  return Utf8Text(path_ / Utf8Path(name));
}

std::vector<std::string> TempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(Utf8Text(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

void WriteFile(const std::string& path, std::string_view content) {
  std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(Utf8Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line).append("\r\n");
  }
  return text;
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text.append(line).append("\r\n");
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

CaseSection* TestCase::Find(std::string_view name) {
  for (CaseSection& section : sections) {
    if (section.name == name) {
      return &section;
    }
  }
  return nullptr;
}

std::vector<CaseRow> ReadCaseRows(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in.is_open()) << path;
  std::vector<CaseRow> rows;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const size_t arrow = line.find(" => ");
    EXPECT_NE(arrow, std::string::npos) << path << ":" << number;
    rows.push_back({number, line.substr(0, arrow),
                    arrow == std::string::npos ? "" : line.substr(arrow + 4)});
  }
  return rows;
}

CaseFile ReadCaseFile(const std::string& path) {
  CaseFile file;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with("=== ")) {
      file.cases.push_back({line.substr(4), {}});
    } else if (line.starts_with("--- ") && !file.cases.empty()) {
      file.cases.back().sections.push_back({line.substr(4), {}});
    } else if (file.cases.empty()) {
      file.comment.push_back(line);
    } else if (!file.cases.back().sections.empty()) {
      file.cases.back().sections.back().lines.push_back(line);
    }
  }
  return file;
}

void WriteCaseFile(const std::string& path, const CaseFile& file) {
  std::string text;
  for (const std::string& line : file.comment) {
    text += line + "\n";
  }
  for (const TestCase& c : file.cases) {
    text += "=== " + c.name + "\n";
    for (const CaseSection& section : c.sections) {
      text += "--- " + section.name + "\n";
      for (const std::string& line : section.lines) {
        text += line + "\n";
      }
    }
  }
  WriteFile(path, text);
}

std::vector<std::string> ExpandRepeats(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].starts_with("@repeat ")) {
      out.push_back(lines[i]);
      continue;
    }
    const int count = std::stoi(lines[i].substr(8));
    size_t end = i + 1;
    while (end < lines.size() && lines[end] != "@end") {
      ++end;
    }
    for (int k = 0; k < count; ++k) {
      for (size_t j = i + 1; j < end; ++j) {
        std::string line = lines[j];
        for (auto [key, value] : {std::pair{"{k}", k}, {"{k+1}", k + 1}}) {
          for (size_t p; (p = line.find(key)) != std::string::npos;) {
            line.replace(p, std::string_view(key).size(),
                         std::to_string(value));
          }
        }
        out.push_back(line);
      }
    }
    i = end;
  }
  return out;
}

}  // namespace zum::testing
