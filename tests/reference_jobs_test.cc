// The reference jobs of data/reference-jobs/JOB/: generated jobs whose
// outcomes were worked out independently of ZUM. Each folder holds the
// inputs, job.cfg (names relative to the folder, the output in out/) and
// expected/outcome.json, which says what zum-batch must do:
//   "compared": exit 0, out/ holds exactly the other files of expected/;
//   "check":    exit 2, the page check's "message" is printed, nothing is
//               written;
//   "failure":  an exit in "exit", a message naming "file" (and, when given,
//               a line within "line_range", one line either side accepted),
//               nothing written.
// No input file may change. The expected files are never edited to make a
// job pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/batch_run.h"
#include "engine/testing.h"
#include "tests/json_value.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::SplitCrLf;
using testing::TempDir;

const fs::path kJobs = fs::path(ZUM_SOURCE_DIR) / "tests/data/reference-jobs";

// The files below FOLDER (relative names) and their bytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).generic_string()] =
          ReadFile(entry.path().string());
    }
  }
  return files;
}

// EXPECTED as zum-batch writes it on this system: on Windows the include
// line names the companion with backslashes, as the job's relative output
// name is written there (the expected files hold the Linux form).
std::string OnThisSystem(std::string expected) {
#ifdef _WIN32
  for (size_t at = expected.find("\ninclude "); at != std::string::npos;
       at = expected.find("\ninclude ", at + 1)) {
    for (size_t i = at + 9; i < expected.size() && expected[i] != '\r'; ++i) {
      if (expected[i] == '/') {
        expected[i] = '\\';
      }
    }
  }
#endif
  return expected;
}

// Empty when equal; otherwise the first line where ACTUAL and EXPECTED
// differ, split at CR LF as the outputs are written.
std::string FirstDifference(const std::string& actual,
                            const std::string& expected) {
  if (actual == expected) {
    return "";
  }
  const std::vector<std::string> a = SplitCrLf(actual);
  const std::vector<std::string> e = SplitCrLf(expected);
  size_t i = 0;
  while (i < a.size() && i < e.size() && a[i] == e[i]) {
    ++i;
  }
  std::ostringstream text;
  text << "line " << i + 1
       << "\n  expected: " << (i < e.size() ? e[i] : "<end of file>")
       << "\n  actual:   " << (i < a.size() ? a[i] : "<end of file>");
  if (i == a.size() && i == e.size()) {
    text << " (the line ends differ)";
  }
  return text.str();
}

// Whether MESSAGE holds "FILE:N:" with N in FIRST - 1 .. LAST + 1, FILE
// being a path that ends in NAME.
bool NamesLineOf(const std::string& message, const std::string& name,
                 long first, long last) {
  for (size_t at = message.find(name + ":"); at != std::string::npos;
       at = message.find(name + ":", at + 1)) {
    const size_t digits = at + name.size() + 1;
    char* end = nullptr;
    const long line = std::strtol(message.c_str() + digits, &end, 10);
    if (end != message.c_str() + digits && *end == ':' && line >= first - 1 &&
        line <= last + 1) {
      return true;
    }
  }
  return false;
}

class ReferenceJobsTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceJobsTest, OutcomeAsExpected) {
  const fs::path job = kJobs / GetParam();
  const fs::path expected = job / "expected";
  JsonValue want;
  std::string json_err;
  ASSERT_TRUE(ParseJson(ReadFile((expected / "outcome.json").string()), &want,
                        &json_err))
      << (expected / "outcome.json").string() << ": " << json_err;
  const std::string outcome = want["outcome"].text;
  ASSERT_TRUE(outcome == "compared" || outcome == "check" ||
              outcome == "failure")
      << "unknown outcome '" << outcome << "'";

  TempDir dir;
  for (const auto& entry : fs::directory_iterator(job)) {
    if (entry.path().filename() != "expected") {
      fs::copy(entry.path(), dir.path() / entry.path().filename(),
               fs::copy_options::recursive);
    }
  }
  fs::create_directory(dir.path() / "out");
  const std::map<std::string, std::string> before = Snapshot(dir.path());

  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  std::ostringstream out, err;
  const int status = RunBatch({"--quiet", "job.cfg"}, out, err, false);
  fs::current_path(previous);
  const std::string printed = err.str() + "\n" + out.str();

  const std::map<std::string, std::string> after = Snapshot(dir.path());
  std::vector<std::string> written;
  for (const auto& [name, bytes] : after) {
    auto old = before.find(name);
    if (old == before.end()) {
      written.push_back(name);
    } else {
      EXPECT_EQ(bytes, old->second) << "the input " << name << " changed";
    }
  }
  EXPECT_EQ(after.size(), before.size() + written.size())
      << "an input file was removed";

  if (outcome == "compared") {
    ASSERT_EQ(status, kBatchSucceeded) << printed;
    std::vector<std::string> want_written;
    for (const auto& entry : fs::directory_iterator(expected)) {
      const std::string name = entry.path().filename().string();
      if (name == "outcome.json") {
        continue;
      }
      want_written.push_back("out/" + name);
      const std::string diff =
          FirstDifference(ReadFile(dir.File("out/" + name)),
                          OnThisSystem(ReadFile(entry.path().string())));
      EXPECT_EQ(diff, "") << "out/" << name << " differs at " << diff;
    }
    std::sort(want_written.begin(), want_written.end());
    EXPECT_EQ(written, want_written);
    return;
  }
  EXPECT_EQ(written, std::vector<std::string>()) << "although the run fails";
  if (outcome == "check") {
    EXPECT_EQ(status, kBatchRefused) << printed;
    EXPECT_NE(printed.find(want["message"].text), std::string::npos)
        << "the page check's message '" << want["message"].text
        << "' is not printed: " << printed;
    return;
  }
  std::vector<long> exits;
  for (const JsonValue& e : want["exit"].Items()) {
    exits.push_back(static_cast<long>(e.number));
  }
  EXPECT_NE(std::find(exits.begin(), exits.end(), status), exits.end())
      << "exit " << status << ": " << printed;
  const std::string file = want["file"].text;
  ASSERT_FALSE(file.empty()) << "a failure names no file";
  if (want["line"].kind == JsonValue::kNull) {
    EXPECT_NE(printed.find(file), std::string::npos)
        << "the message does not name " << file << ": " << printed;
  } else {
    const std::vector<JsonValue> range = want["line_range"].Items();
    ASSERT_EQ(range.size(), 2u) << "line_range";
    EXPECT_TRUE(NamesLineOf(printed, file, static_cast<long>(range[0].number),
                            static_cast<long>(range[1].number)))
        << "the message does not give " << file << " line "
        << want["line"].number << ": " << printed;
  }
}

// Every folder is one job; an empty or missing folder fails loudly.
std::vector<std::string> Jobs() {
  std::vector<std::string> jobs;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(kJobs, ec)) {
    jobs.push_back(entry.path().filename().string());
  }
  std::sort(jobs.begin(), jobs.end());
  return jobs;
}

INSTANTIATE_TEST_SUITE_P(Jobs, ReferenceJobsTest, ::testing::ValuesIn(Jobs()));

TEST(ReferenceJobsFolderTest, HoldsTheJobs) {
  EXPECT_GE(Jobs().size(), 90u) << kJobs.string();
}

}  // namespace
}  // namespace zum
