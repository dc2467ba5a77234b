// The model's arithmetic: the interpolation tables, the tick block's time
// input and the keyframe poses.
#include "preview/interpreter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "preview/operands.h"
#include "preview/preview_testing.h"

namespace zum {
namespace {

using testing::StageOutput;
using testing::TempDir;

InterpolationTable Table(InterpolationTable::Kind kind,
                         std::vector<double> keys, std::vector<double> values) {
  InterpolationTable table;
  table.kind = kind;
  table.keys = std::move(keys);
  table.values = std::move(values);
  return table;
}

TEST(InterpolateWordTest, FollowsTheModelsRules) {
  const InterpolationTable ticks =
      Table(InterpolationTable::kWrapping, {0, 65535}, {0, 65535});
  const InterpolationTable cycle =
      Table(InterpolationTable::kWrapping, {0, 4500}, {0, 250});
  // The high words of 0.0 and 256.0, as the loader turns them into floats.
  const InterpolationTable floats =
      Table(InterpolationTable::kFloatHigh, {0, 256}, {0.0, 256.0});
  const InterpolationTable plain =
      Table(InterpolationTable::kPlain, {10, 20}, {100, 200});
  struct Row {
    const InterpolationTable* table;
    double input;
    uint16_t word;
  } rows[] = {
      {&ticks, 0, 0},         {&ticks, 65534, 65534},
      {&ticks, 65535, 0},     {&ticks, 70000, 4465},
      {&cycle, 17, 0},        {&cycle, 18, 1},  // truncated toward 0
      {&cycle, 4499, 249},    {&cycle, 4500, 0},
      {&floats, 0, 0},        {&floats, 1, 0x3F80},  // 1.0
      {&floats, 100, 0x42C8}, {&floats, 256, 0x4380},
      {&floats, 257, 0x4380},  // 257.0 is 0x43808000: the low word is lost
      {&floats, 300, 0x4396}, {&floats, 600, 0x4416},  // beyond the rows
      {&plain, 0, 100},       {&plain, 15, 150},
      {&plain, 99, 200},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(InterpolateWord(*row.table, row.input), row.word)
        << "input " << row.input;
  }
}

TEST(KeyframePoseTest, InterpolatesAndHoldsTheEndRows) {
  PreviewKeyframes move;
  move.kind = KeyframeKind::kTranslation;
  move.keys = {0, 50, 100};
  move.values = {{0, 0, 0, 0}, {0, 1.5f, 0.25f, 0}, {0, 3, -0.5f, 0}};
  PreviewPose pose = KeyframePose(move, 25);
  EXPECT_EQ(pose.kind, PreviewPose::kTranslation);
  EXPECT_FLOAT_EQ(pose.y, 0.75f);
  EXPECT_FLOAT_EQ(pose.z, 0.125f);
  EXPECT_FLOAT_EQ(KeyframePose(move, -5).y, 0);
  EXPECT_FLOAT_EQ(KeyframePose(move, 500).y, 3);
  EXPECT_FLOAT_EQ(KeyframePose(move, NAN).y, 0);

  PreviewKeyframes turn;
  turn.kind = KeyframeKind::kRotation;
  turn.keys = {0, 100};
  turn.values = {{0, 0, 0, 1}, {0, 0.7071068f, 0, 0.7071068f}};  // 90° about y
  pose = KeyframePose(turn, 50);
  EXPECT_EQ(pose.kind, PreviewPose::kRotation);
  EXPECT_NEAR(pose.AngleDegrees(), 45, 1e-3);
  double x, y, z;
  pose.Axis(&x, &y, &z);
  EXPECT_NEAR(y, 1, 1e-6);
  EXPECT_NEAR(KeyframePose(turn, 100).AngleDegrees(), 90, 1e-3);
  // The shorter way: -q is the same rotation as q.
  turn.values[1] = {0, -0.7071068f, 0, -0.7071068f};
  EXPECT_NEAR(KeyframePose(turn, 50).AngleDegrees(), 45, 1e-3);
  PreviewPose none;
  EXPECT_EQ(none.AngleDegrees(), 0);
  none.Axis(&x, &y, &z);
  EXPECT_EQ(x + y + z, 0);
}

// Frames above 256 need the 512 and 1024 blocks: the time input must be the
// frame number itself for every frame a forward run passes, with only the
// 512 block (frame count 300) and with both (frame count 1024).
TEST(TickBlockTest, TimeInputIsTheFrameNumberUpTo1024) {
  struct Row {
    const char* output;
    std::vector<std::string> edits;
    int last_forward_frame;
  } rows[] = {
      {"golden/frames_300", {"real4 101.0, 101.0 => real4 301.0, 301.0"}, 296},
      {"golden/frames_600",
       {"real4 101.0, 101.0 => real4 1025.0, 1025.0",
        "0h, 597, 600 => 0h, 1021, 1024"},
       1020},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.output);
    TempDir dir;
    PreviewProgram program;
    ASSERT_TRUE(
        LoadPreviewProgram(StageOutput(row.output, row.edits, dir), &program)
            .ok());
    Scenario scenario;
    ScenarioChange on;
    on.variable = "0282h";
    on.value = 1;
    scenario.changes = {on};
    scenario.seconds = row.last_forward_frame / kTicksPerSecond;
    PreviewRun run;
    ASSERT_TRUE(RunScenario(program, scenario, &run).ok());
    ASSERT_EQ(run.PassCount(), row.last_forward_frame + 1);
    int checked = 0;
    for (int pass = 1; pass < run.PassCount(); ++pass) {
      ASSERT_EQ(run.passes[pass].state, 2) << "forward from tick 1 on";
      ASSERT_EQ(run.passes[pass].frame, pass);
      for (int block = 0; block < run.block_count; ++block) {
        const int32_t command =
            program.command_of_matrix[run.Matrix(pass, block)];
        if (command < 0 || program.code[command].op != PreviewOp::kAnimate) {
          continue;
        }
        const PreviewPose want =
            KeyframePose(program.keyframe_tables[program.code[command].b],
                         static_cast<float>(pass));
        const PreviewPose& got = run.Pose(pass, block);
        ASSERT_EQ(got.kind, want.kind);
        ASSERT_EQ(got.x, want.x) << "frame " << pass;
        ASSERT_EQ(got.y, want.y) << "frame " << pass;
        ASSERT_EQ(got.qw, want.qw) << "frame " << pass;
        ++checked;
      }
    }
    EXPECT_GT(checked, row.last_forward_frame);
  }
}

TEST(FrameSequenceTest, RunsPartOnesTickBlockAlone) {
  TempDir dir;
  PreviewProgram program;
  ASSERT_TRUE(
      LoadPreviewProgram(StageOutput("golden/example_gate", {}, dir), &program)
          .ok());
  const std::vector<int> frames = FrameSequence(program, 65530, 10);
  EXPECT_EQ(frames, (std::vector<int>{82, 83, 84, 85, 86, 0, 1, 2, 3, 4}));
}

TEST(OperandsTest, ReadsDecimalAndHexadecimalWords) {
  struct Row {
    const char* text;
    bool ok;
    int word;
  } rows[] = {
      {"0282h", true, 0x282},   {" 0FFFFh ", true, 0xFFFF},
      {"65535", true, 0xFFFF},  {"-1", true, 0xFFFF},
      {"2.5", true, 2},         {"3.5", true, 4},
      {"-32768", true, 0x8000}, {"65536", false, 0},
      {"-32769", false, 0},     {"FFFFh", false, 0},
      {"USERVAR1", false, 0},   {"", false, 0},
      {"0G0h", false, 0},
  };
  for (const Row& row : rows) {
    uint16_t word = 0;
    EXPECT_EQ(ReadWord(row.text, &word), row.ok) << row.text;
    if (row.ok) {
      EXPECT_EQ(word, row.word) << row.text;
    }
  }
  EXPECT_EQ(VariableKey("282h"), "0282h");
  EXPECT_EQ(VariableKey("05fch"), "05FCh");
  EXPECT_EQ(VariableKey("0C72h"), "0C72h");
  EXPECT_EQ(VariableKey("65535"), "0FFFFh");
  EXPECT_EQ(VariableKey(" VAR_USER + 2 "), "VAR_USER + 2");
  EXPECT_EQ(SignedWord(0xFFFF), -1);
}

}  // namespace
}  // namespace zum
