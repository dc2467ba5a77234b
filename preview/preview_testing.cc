#include "preview/preview_testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace zum::testing {
namespace {

namespace fs = std::filesystem;
const fs::path kData = fs::path(ZUM_SOURCE_DIR) / "tests/data";

void ReplaceAll(std::string* text, const std::string& old_text,
                const std::string& new_text) {
  size_t at = 0;
  int count = 0;
  while ((at = text->find(old_text, at)) != std::string::npos) {
    text->replace(at, old_text.size(), new_text);
    at += new_text.size();
    ++count;
  }
  EXPECT_GT(count, 0) << "the edit finds no '" << old_text << "'";
}

// TEXT with every "\\n" made a CR LF line break.
std::string LineBreaks(std::string text) {
  for (size_t at; (at = text.find("\\n")) != std::string::npos;) {
    text.replace(at, 2, "\r\n");
  }
  return text;
}

}  // namespace

std::string StageOutput(const std::string& source,
                        const std::vector<std::string>& edits,
                        const TempDir& dir) {
  const fs::path folder = kData / source;
  const bool golden = source.starts_with("golden/");
  const fs::path files = golden ? folder : folder / "expected";
  std::string main, companion;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(files, ec)) {
    std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".asm") {
      continue;
    }
    if (golden) {
      name = name.substr(std::string("expected_").size());
    }
    const std::string target = dir.File(name);
    std::string bytes = ReadFile(entry.path().string());
    if (name.ends_with("_0.asm")) {
      companion = target;
      for (const std::string& edit : edits) {
        const size_t arrow = edit.find(" => ");
        EXPECT_NE(arrow, std::string::npos) << "edit without ' => ': " << edit;
        ReplaceAll(&bytes, LineBreaks(edit.substr(0, arrow)),
                   LineBreaks(edit.substr(arrow + 4)));
      }
    } else {
      main = target;
    }
    WriteFile(target, bytes);
  }
  EXPECT_FALSE(main.empty() || companion.empty())
      << "no output pair in " << files.string();
  return main;
}

std::vector<std::string> ComparedOutputs() {
  std::vector<std::string> jobs;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(kData / "golden", ec)) {
    jobs.push_back("golden/" + entry.path().filename().string());
  }
  for (const auto& entry :
       fs::directory_iterator(kData / "reference-jobs", ec)) {
    const std::string outcome =
        ReadFile((entry.path() / "expected/outcome.json").string());
    if (outcome.find("\"compared\"") != std::string::npos) {
      jobs.push_back("reference-jobs/" + entry.path().filename().string());
    }
  }
  std::sort(jobs.begin(), jobs.end());
  return jobs;
}

std::string PreviewTestData(const std::string& name) {
  return (fs::path(ZUM_SOURCE_DIR) / "preview/testdata" / name).string();
}

}  // namespace zum::testing
