// Whole-program runs of zum-batch over saved settings, compared byte for
// byte with reviewed outputs kept in data/golden/CASE/. What zum-batch
// prints on standard error (its warnings) must be expected_warnings.txt, or
// nothing where there is none. A job whose folder holds same_outputs_as,
// naming another job, must write that job's expected files byte for byte:
// its warnings tell of texts that the rules read as the other job's.
// Set ZUM_UPDATE_GOLDEN=1 to rewrite the expected files after a deliberate
// change, then review the difference line by line before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/batch_run.h"
#include "engine/asm_lines.h"
#include "engine/testing.h"
#include "settings/relative_names.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const fs::path kSource = ZUM_SOURCE_DIR;

// Copies every .asm file of FOLDER into TARGET.
void CopyInputs(const fs::path& folder, const fs::path& target) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".asm") {
      fs::copy_file(entry.path(), target / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    }
  }
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, OutputsMatchTheReviewedFiles) {
  const fs::path golden = kSource / "tests/data/golden" / GetParam();
  TempDir dir;
  CopyInputs(kSource / "examples", dir.path());
  CopyInputs(kSource / "tests/data/inputs", dir.path());
  fs::copy_file(golden / "job.cfg", dir.path() / "job.cfg");

  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  std::ostringstream out, err;
  int status = RunBatch({"--quiet", "job.cfg"}, out, err, false);
  fs::current_path(previous);
  ASSERT_EQ(status, 0) << err.str();
  // Relative names are the settings file's folder's: the warnings name the
  // files in full, and the expected file names them inside that folder.
  std::string warnings = err.str();
  const std::string folder = NativeSeparators(dir.File(""));
  for (size_t at; (at = warnings.find(folder)) != std::string::npos;) {
    warnings.erase(at, folder.size());
  }
  const bool update = std::getenv("ZUM_UPDATE_GOLDEN") != nullptr;
  const fs::path warnings_path = golden / "expected_warnings.txt";
  if (update && !warnings.empty()) {
    WriteFile(warnings_path.string(), warnings);
  }
  EXPECT_EQ(warnings, ReadFile(warnings_path.string()));

  // The outputs are named by the settings file's output line.
  std::vector<std::string> settings =
      testing::SplitCrLf(ReadFile(dir.File("job.cfg")));
  ASSERT_GE(settings.size(), 16u);
  const std::string output = settings[15];
  std::string companion, name_err;
  ASSERT_TRUE(IncludedFileName(output, &companion, &name_err)) << name_err;

  const fs::path same_as = golden / "same_outputs_as";
  const std::string other =
      fs::exists(same_as) ? testing::SplitCrLf(ReadFile(same_as.string())).at(0)
                          : std::string();
  for (const std::string& name : {output, companion}) {
    if (!other.empty()) {
      const fs::path expected_path = golden / ("expected_" + name);
      EXPECT_EQ(ReadFile(expected_path.string()),
                ReadFile((kSource / "tests/data/golden" / other /
                          ("expected_" + name))
                             .string()))
          << expected_path.string() << " differs from " << other << "'s";
    }
    const std::string actual = ReadFile(dir.File(name));
    const std::string expected_path = (golden / ("expected_" + name)).string();
    if (update) {
      WriteFile(expected_path, actual);
    }
    const std::string expected = ReadFile(expected_path);
    ASSERT_FALSE(expected.empty()) << expected_path << " is missing";
    if (actual != expected) {
      // Name the first line that differs rather than dumping megabytes.
      std::vector<std::string> a = testing::SplitCrLf(actual);
      std::vector<std::string> e = testing::SplitCrLf(expected);
      size_t line = 0;
      while (line < a.size() && line < e.size() && a[line] == e[line]) {
        ++line;
      }
      FAIL() << name << " differs from " << expected_path << " at line "
             << line + 1
             << ":\n  actual:   " << (line < a.size() ? a[line] : "<end>")
             << "\n  expected: " << (line < e.size() ? e[line] : "<end>");
    }
  }
}

// Every folder of data/golden is one job.
std::vector<std::string> Jobs() {
  std::vector<std::string> jobs;
  for (const auto& entry :
       fs::directory_iterator(kSource / "tests/data/golden")) {
    jobs.push_back(entry.path().filename().string());
  }
  std::sort(jobs.begin(), jobs.end());
  return jobs;
}

INSTANTIATE_TEST_SUITE_P(Jobs, GoldenTest, ::testing::ValuesIn(Jobs()));

}  // namespace
}  // namespace zum
