// zum-preview as a user runs it: the words, the CSV, the exit statuses.
#include "app/preview_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "preview/preview_testing.h"

namespace zum {
namespace {

using testing::StageOutput;
using testing::TempDir;
using testing::WriteFile;

struct Result {
  int status;
  std::string out, err;
};

Result Preview(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunPreviewCommand(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(PreviewCommandTest, TellsTheExampleInWords) {
  TempDir dir;
  const std::string main = StageOutput("golden/example_gate", {}, dir);
  const std::string scenario = dir.File("beacon.scenario");
  WriteFile(scenario, "# the beacon\n1 0282h 1\n7 0282h 0\nseconds 20\n");
  const Result result = Preview({"--scenario", scenario, main});
  EXPECT_EQ(result.status, kPreviewSucceeded) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "Findings (the preview's model of the simulator):\n"
            "- After the trigger starts holding, the forward run starts within "
            "0.06 to 5.44 s (it waits for frames 0..3 of a 101-frame cycle) "
            "and lasts about 5.4 s.\n"
            "- At 7.0 s the trigger stopped holding during the forward run; "
            "the object first reaches its end pose (11.0 s), then closes.\n"
            "\n"
            "Scenario " +
                scenario +
                ":\n"
                "  1 0282h 1\n"
                "  7 0282h 0\n"
                "  seconds 20\n"
                "\n"
                "Timeline:\n"
                "  0.00 s at rest at the start\n"
                "  1.00 s trigger holds: waiting for frame 0..3\n"
                "  5.61 s forward run starts\n"
                "  11.00 s trigger stops holding: waiting for frame 0..3\n"
                "  11.22 s reverse run starts\n"
                "  16.61 s start pose reached\n");
}

TEST(PreviewCommandTest, DefaultScenarioAndFindingsOfTheSecondaryExample) {
  TempDir dir;
  const Result result =
      Preview({StageOutput("golden/example_gate_secondary", {}, dir)});
  EXPECT_EQ(result.status, kPreviewSucceeded) << result.err;
  EXPECT_NE(result.out.find("- Animation 1 is shown from 0.0 s to 24.2 s "
                            "(User variable 1 = 1).\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Scenario (made from the code):\n"
                            "  0 0312h 1\n"
                            "  0 0282h 0\n"
                            "  1 0282h 1\n"
                            "  13 0282h 0\n"
                            "  seconds 24.22\n"),
            std::string::npos)
      << result.out;
}

TEST(PreviewCommandTest, GatingConditionsAreNamedFromTheVariableTable) {
  TempDir dir;
  const std::string scenario = dir.File("gates.scenario");
  WriteFile(scenario,
            "0 033Bh 100\n0 028Ch 2\n1 0282h 1\n3 033Bh 2000\n4 033Bh 100\n");
  const Result result =
      Preview({"--scenario", scenario,
               StageOutput("golden/conditions_on_trigger", {}, dir)});
  EXPECT_EQ(result.status, kPreviewSucceeded) << result.err;
  for (const char* line :
       {"- While Distance to RefPoint is outside 0..1500 the object rests at "
        "its start pose.\n",
        "- While Time of day is outside 1..3 the object rests at its start "
        "pose.\n",
        "- At 3.0 s a gating condition failed while the object was waiting "
        "for the cycle to reach frame 0..3: the state went back to rest at "
        "the start at once, in whatever pose the object was.\n",
        "  3.00 s a gating condition fails: back at rest at the start at "
        "once\n"}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line << "\nnot in\n"
                                                        << result.out;
  }
}

TEST(PreviewCommandTest, CsvHasOneLinePerPass) {
  TempDir dir;
  const std::string main = StageOutput("golden/example_gate", {}, dir);
  const std::string scenario = dir.File("s.scenario");
  WriteFile(scenario, "0 0282h 1\nseconds 6\n");
  const Result result = Preview({"--csv", "--scenario", scenario, main});
  ASSERT_EQ(result.status, kPreviewSucceeded) << result.err;
  std::vector<std::string> lines;
  std::istringstream in(result.out);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  ASSERT_EQ(lines.size(), 1u + 6 * 18 + 1);
  EXPECT_TRUE(lines[0].starts_with(
      "time,tick,state,frame,matrix_0,matrix_1,matrix_2,matrix_3,matrix_0_x,"
      "matrix_0_y,matrix_0_z,matrix_0_angle,matrix_0_axis_x,"))
      << lines[0];
  // Pass 0: the trigger holds at once; every part at its start pose.
  EXPECT_EQ(lines[1],
            "0.000,0,1,0,0,1,2,3,,,,,,,,0.000,0.000,0.000,,,,,,,,0.00,0.000,"
            "0.000,0.000,,,,0.00,0.000,0.000,0.000");
  // Pass 51 (tick 51): forward since tick 1, frame 51: part 1 half way.
  EXPECT_EQ(lines[52],
            "2.833,51,2,51,4,5,6,7,,,,,,,,0.000,1.530,0.235,,,,,,,,45.93,"
            "0.000,1.000,0.000,,,,91.80,1.000,0.000,0.000");
}

TEST(PreviewCommandTest, CsvWithoutATriggerLeavesTheStateEmpty) {
  TempDir dir;
  const Result result =
      Preview({"--csv", StageOutput("golden/trigger_off", {}, dir)});
  ASSERT_EQ(result.status, kPreviewSucceeded) << result.err;
  std::istringstream in(result.out);
  std::string header, first, second;
  std::getline(in, header);
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_TRUE(header.starts_with("time,tick,state,frame,matrix_0,")) << header;
  // The forward copies (variant 2 of 2: matrices C + m) from the start.
  EXPECT_TRUE(first.starts_with("0.000,0,,0,4,5,6,7,")) << first;
  EXPECT_TRUE(second.starts_with("0.056,1,,1,4,5,6,7,")) << second;
}

TEST(PreviewCommandTest, FailuresNameTheFileAndLine) {
  TempDir dir;
  const std::string main = StageOutput(
      "golden/example_gate",
      {"BGL_SET_MATRIX_INDIRECT 15 => BGL_SET_MATRIX_INDIRECT 16"}, dir);
  Result result = Preview({main});
  EXPECT_EQ(result.status, kPreviewFailed);
  EXPECT_EQ(result.err, dir.File("gate_zum_0.asm") +
                            ":584: the drawing code selects matrix 16, which "
                            "no command of the animation command chunk "
                            "computes\n");
  EXPECT_EQ(result.out, "");

  const std::string good = StageOutput("golden/trigger_off", {}, dir);
  const std::string scenario = dir.File("bad.scenario");
  WriteFile(scenario, "1 0282h 1\n2 0282 1\n");
  result = Preview({"--scenario", scenario, good});
  EXPECT_EQ(result.status, kPreviewFailed);
  EXPECT_EQ(result.err, scenario +
                            ":2: expected a variable offset such as 0282h or "
                            "viewer, found '0282'\n");

  result = Preview({dir.File("missing.asm")});
  EXPECT_EQ(result.status, kPreviewFailed);
  EXPECT_TRUE(result.err.starts_with(dir.File("missing.asm") +
                                     ": cannot open for reading"))
      << result.err;
}

TEST(PreviewCommandTest, BadUsageExitsWithTwo) {
  struct Row {
    std::vector<std::string> args;
    std::string message;
  } rows[] = {
      {{}, "no output file given"},
      {{"a.asm", "b.asm"}, "expected one output file, got 2"},
      {{"--scenario"}, "--scenario needs a file"},
      {{"--fast", "a.asm"}, "unknown option '--fast'"},
  };
  for (const Row& row : rows) {
    const Result result = Preview(row.args);
    EXPECT_EQ(result.status, kPreviewUsage);
    EXPECT_EQ(result.err, "zum-preview: " + row.message +
                              "\nTry 'zum-preview --help' for more "
                              "information.\n");
  }
  const Result help = Preview({"--help"});
  EXPECT_EQ(help.status, kPreviewSucceeded);
  EXPECT_EQ(help.out, PreviewUsage());
  EXPECT_TRUE(help.out.starts_with(
      "Usage: zum-preview [--csv] [--scenario FILE] MAIN_OUTPUT.asm\n"));
}

}  // namespace
}  // namespace zum
