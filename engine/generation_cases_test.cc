// Whole generation runs over small input files kept as data in
// tests/data/engine/MODULE.cases, one case file per section writer. A case
// has a "job" section (KEY=VALUE lines, see ParseJob), its input files (every
// other section names a file of the run's folder; a main file that no
// section gives is written as an include line of its companion), and either
// the "error" that the run must report, in full, with "$" for the folder, or
// the outputs it must write ("expect NAME" sections, byte for byte with CR LF
// line ends) and optionally the progress shares it reports ("progress").
// After an error, the folder is as it was: the inputs are unchanged, no
// output was written and no temporary file is left.
//
// The run's warnings are the lines of the "warnings" section, with "$" for
// the folder; a case without one warns nothing. A section "without NAME"
// gives input NAME without the causes of the warnings: run with it instead,
// the job must warn nothing and write the same bytes, which shows that the
// warnings tell of what the rules read alike.
//
// With ZUM_UPDATE_CASES=1 the empty expected sections are filled with
// today's results, and a "warnings" section is added where the run warns,
// for review before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/generation_run.h"
#include "engine/output_names.h"
#include "engine/parallel_work.h"
#include "engine/testing.h"

namespace zum::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields;
  std::stringstream in(text);
  for (std::string field; std::getline(in, field, '|');) {
    fields.push_back(field);
  }
  fields.resize(8);
  return fields;
}

// "between|VAR|MIN|MAX", "mask|VAR|MASK|MAX" or
// "box|XMIN|XMAX|YMIN|YMAX|ZMIN|ZMAX|ROTATION".
ConditionSpec Condition(const std::string& text) {
  const std::vector<std::string> f = Fields(text);
  ConditionSpec c;
  if (f[0] == "box") {
    c = {ConditionKind::kBoundingBox,
         "",
         "",
         "",
         f[1],
         f[2],
         f[3],
         f[4],
         f[5],
         f[6],
         f[7]};
  } else {
    c.Kind = f[0] == "mask" ? ConditionKind::kMask : ConditionKind::kBetween;
    c.Variable = f[1];
    c.Minimum = f[2];
    c.Maximum = f[3];
  }
  return c;
}

// Keys: condition, additional, trigger (a condition as above, or "off", the
// default for the trigger; "unticked CONDITION" fills in a condition without
// enabling it), applies ("animation" or "trigger"), secondary (its variable),
// animations, rangeA ("MIN|MAX" of animation A), inputA, output (file names
// in the folder; an empty output names none).
JobSettings ParseJob(const CaseSection* section, const TempDir& dir) {
  JobSettings job;
  job.TriggerEnabled = false;
  job.OutputFile = dir.File("out.asm");
  const std::vector<std::string> none;
  for (const std::string& line : section ? section->lines : none) {
    const std::string key = line.substr(0, line.find('='));
    const std::string value = line.substr(key.size() + 1);
    // A condition "unticked ..." is filled in but not enabled.
    const bool ticked = !value.starts_with("unticked ");
    const ConditionSpec condition = Condition(value.substr(ticked ? 0 : 9));
    if (key == "condition") {
      job.AnimationConditionEnabled = ticked;
      job.AnimationCondition = condition;
    } else if (key == "additional") {
      job.AdditionalConditionEnabled = ticked;
      job.AdditionalCondition = condition;
    } else if (key == "trigger") {
      job.TriggerEnabled = value != "off";
      job.Trigger = condition;
    } else if (key == "applies") {
      job.AdditionalAppliesTo = value == "animation"
                                    ? AppliesTo::kAnimation
                                    : AppliesTo::kAnimationTrigger;
    } else if (key == "secondary") {
      job.SecondaryEnabled = true;
      job.SecondaryVariable = value;
    } else if (key == "animations") {
      job.AnimationCount = value;
    } else if (key == "output") {
      job.OutputFile = value.empty() ? "" : dir.File(value);
    } else if (key.starts_with("range")) {
      const std::vector<std::string> f = Fields(value);
      job.SecondaryMin[std::stoi(key.substr(5))] = f[0];
      job.SecondaryMax[std::stoi(key.substr(5))] = f[1];
    } else if (key.starts_with("input")) {
      job.InputFile[std::stoi(key.substr(5))] = dir.File(value);
    } else {
      ADD_FAILURE() << "unknown job key " << key;
    }
  }
  return job;
}

bool IsInput(const std::string& section) {
  return section != "job" && section != "error" && section != "progress" &&
         section != "warnings" && !section.starts_with("expect ") &&
         !section.starts_with("without ");
}

// The files of the folder and their bytes.
std::map<std::string, std::string> Snapshot(const TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    if (entry.is_regular_file()) {
      files[entry.path().string()] = ReadFile(entry.path().string());
    }
  }
  return files;
}

// TEXT with the folder's path and the separator after it written "$/".
std::string Masked(std::string text, const TempDir& dir) {
  const std::string folder = dir.path().string();
  for (size_t p; (p = text.find(folder)) != std::string::npos;) {
    text.replace(p, folder.size() + 1, "$/");
  }
  return text;
}

// Writes the case's input files into DIR, each "without NAME" section in
// place of NAME when WITHOUT is set, and returns the job over them.
JobSettings WriteCaseFolder(TestCase& c, const TempDir& dir, bool without) {
  JobSettings job = ParseJob(c.Find("job"), dir);
  for (const CaseSection& s : c.sections) {
    if (IsInput(s.name)) {
      const CaseSection* other =
          without ? c.Find("without " + s.name) : nullptr;
      fs::create_directories(fs::path(dir.File(s.name)).parent_path());
      WriteFile(dir.File(s.name),
                CrLf(ExpandRepeats((other ? other : &s)->lines)));
    }
  }
  // Animations without files of their own get animation 1's.
  for (int a = 1; a <= kMaxAnimations; ++a) {
    if (a == 1 ||
        (job.SecondaryEnabled && a <= std::atoi(job.AnimationCount.c_str()))) {
      const std::string name = "anim" + std::to_string(a);
      if (job.InputFile[a].empty()) {
        job.InputFile[a] = dir.File(name + ".asm");
      }
      if (!fs::exists(job.InputFile[a]) &&
          fs::path(job.InputFile[a]).filename() == name + ".asm") {
        WriteFile(job.InputFile[a], CrLf({"include " + name + "_0.asm"}));
        if (a > 1 && !fs::exists(dir.File(name + "_0.asm"))) {
          fs::copy_file(dir.File("anim1_0.asm"), dir.File(name + "_0.asm"));
        }
      }
    }
  }
  return job;
}

// The warnings of RESULT, "$" for the folder.
std::vector<std::string> MaskedWarnings(const RunResult& result,
                                        const TempDir& dir) {
  std::vector<std::string> lines;
  for (const std::string& warning : result.warnings.kept()) {
    lines.push_back(Masked(warning, dir));
  }
  return lines;
}

// The bytes of the files that JOB writes into DIR, "$" for the folder.
std::vector<std::string> Outputs(const JobSettings& job, const TempDir& dir) {
  std::vector<std::string> outputs;
  for (const std::string& name : OutputFiles(job.OutputFile)) {
    outputs.push_back(Masked(ReadFile(name), dir));
  }
  return outputs;
}

// The run over the case's inputs without the warnings' causes warns
// nothing and writes what the run of JOB with them wrote into DIR.
void ExpectSameOutputsWithoutCauses(TestCase& c, const JobSettings& job,
                                    const TempDir& dir) {
  TempDir clean;
  const JobSettings clean_job = WriteCaseFolder(c, clean, true);
  RunResult result;
  EXPECT_EQ(RunGeneration(clean_job, RunOptions(), &result).ToString(), "OK");
  EXPECT_EQ(MaskedWarnings(result, clean), std::vector<std::string>())
      << "the inputs without the causes still warn";
  const std::vector<std::string> written = Outputs(job, dir);
  EXPECT_FALSE(written.empty() || written[0].empty());
  EXPECT_EQ(Outputs(clean_job, clean), written)
      << "the inputs without the causes write other bytes";
}

void RunCase(TestCase& c, bool update) {
  TempDir dir;
  const JobSettings job = WriteCaseFolder(c, dir, false);
  const std::map<std::string, std::string> before = Snapshot(dir);
  std::string progress;
  RunOptions options;
  options.progress = [&](double share) {
    std::ostringstream text;
    text << (progress.empty() ? "" : " ") << share;
    progress += text.str();
  };
  RunResult result;
  const Status status = RunGeneration(job, options, &result);
  const std::string message = Masked(status.ToString(), dir);
  const std::vector<std::string> warnings = MaskedWarnings(result, dir);
  for (CaseSection& s : c.sections) {
    if (update && s.lines.empty()) {
      if (s.name == "error") {
        s.lines = {message};
      } else if (s.name == "progress") {
        s.lines = {progress};
      } else if (s.name == "warnings") {
        s.lines = warnings;
      } else if (s.name.starts_with("expect ")) {
        s.lines = SplitCrLf(Masked(ReadFile(dir.File(s.name.substr(7))), dir));
      }
    }
  }
  if (update && !warnings.empty() && c.Find("warnings") == nullptr) {
    c.sections.push_back({"warnings", warnings});
  }
  const CaseSection* expected_warnings = c.Find("warnings");
  EXPECT_EQ(warnings, expected_warnings ? expected_warnings->lines
                                        : std::vector<std::string>());
  EXPECT_EQ(result.warnings.total(), static_cast<long>(warnings.size()));
  bool without = false;
  for (const CaseSection& s : c.sections) {
    without = without || s.name.starts_with("without ");
  }
  if (without) {
    ExpectSameOutputsWithoutCauses(c, job, dir);
  }
  if (const CaseSection* error = c.Find("error")) {
    EXPECT_EQ(message, error->lines.at(0));
    EXPECT_EQ(Snapshot(dir), before)
        << "an input changed or a file was left behind";
  } else {
    EXPECT_EQ(message, "OK");
  }
  for (const CaseSection& s : c.sections) {
    if (s.name.starts_with("expect ")) {
      EXPECT_EQ(Masked(ReadFile(dir.File(s.name.substr(7))), dir),
                CrLf(s.lines))
          << s.name;
    } else if (s.name == "progress") {
      EXPECT_EQ(progress, s.lines.at(0));
    }
  }
}

class GenerationCasesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GenerationCasesTest, EveryCaseOfTheFile) {
  const std::string path = std::string(ZUM_SOURCE_DIR) + "/tests/data/engine/" +
                           GetParam() + ".cases";
  CaseFile file = ReadCaseFile(path);
  ASSERT_FALSE(file.cases.empty()) << path;
  const bool update = std::getenv("ZUM_UPDATE_CASES") != nullptr;
  for (TestCase& c : file.cases) {
    SCOPED_TRACE(c.name);
    RunCase(c, update);
  }
  if (update) {
    WriteCaseFile(path, file);
  }
}

// What one run of a case gives: its message, warnings (the total too) and
// the bytes of its outputs, "$" for the folder.
struct RunOutcome {
  std::string message;
  std::vector<std::string> warnings;
  long total_warnings = 0;
  std::vector<std::string> outputs;

  bool operator==(const RunOutcome&) const = default;
};

RunOutcome RunWithThreads(TestCase& c, int threads) {
  TempDir dir;
  const JobSettings job = WriteCaseFolder(c, dir, false);
  RunOptions options;
  options.threads = threads;
  RunResult result;
  RunOutcome outcome;
  outcome.message =
      Masked(RunGeneration(job, options, &result).ToString(), dir);
  outcome.warnings = MaskedWarnings(result, dir);
  outcome.total_warnings = result.warnings.total();
  if (outcome.message == "OK") {
    outcome.outputs = Outputs(job, dir);
  }
  return outcome;
}

// Runs on several threads give what a run on one thread gives: the same
// bytes, the same warnings in the same order and the same first error.
TEST_P(GenerationCasesTest, ManyThreadsGiveWhatOneThreadGives) {
  const std::string path = std::string(ZUM_SOURCE_DIR) + "/tests/data/engine/" +
                           GetParam() + ".cases";
  CaseFile file = ReadCaseFile(path);
  ASSERT_FALSE(file.cases.empty()) << path;
  for (TestCase& c : file.cases) {
    SCOPED_TRACE(c.name);
    const RunOutcome one = RunWithThreads(c, 1);
    const RunOutcome many = RunWithThreads(c, kMaxRunThreads);
    EXPECT_EQ(many.message, one.message);
    EXPECT_EQ(many.warnings, one.warnings);
    EXPECT_EQ(many.total_warnings, one.total_warnings);
    EXPECT_TRUE(many.outputs == one.outputs);
  }
}

INSTANTIATE_TEST_SUITE_P(Modules, GenerationCasesTest,
                         ::testing::Values("generation_run",
                                           "animation_commands", "scene_graph",
                                           "bgl_code", "trigger_state_machine",
                                           "animation_parameters", "warnings"));

}  // namespace
}  // namespace zum::testing
