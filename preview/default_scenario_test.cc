#include "preview/default_scenario.h"

#include <gtest/gtest.h>

#include "preview/model_names.h"
#include "preview/preview_testing.h"

namespace zum {
namespace {

using testing::StageOutput;
using testing::TempDir;

// The default scenario of a written output, in its file form.
std::string DefaultOf(const std::string& output) {
  TempDir dir;
  PreviewProgram program;
  Status status = LoadPreviewProgram(StageOutput(output, {}, dir), &program);
  EXPECT_TRUE(status.ok()) << status.message();
  return ScenarioText(DefaultScenario(program));
}

TEST(DefaultScenarioTest, MadeFromTheWrittenCode) {
  struct Row {
    const char* output;
    const char* scenario;
  } rows[] = {
      // The trigger fails, holds from 1 s until 2 s after the end pose
      // (11.00 s), fails until 2 s after the start pose (22.22 s).
      {"golden/example_gate",
       "seconds 24.22\n0 0282h 0\n1 0282h 1\n13 0282h 0\n"},
      // The gates pass in the middle of their ranges.
      {"golden/conditions_on_trigger",
       "seconds 24.22\n0 033Bh 750\n0 028Ch 2\n0 0282h 0\n1 0282h 1\n"
       "13 0282h 0\n"},
      // A box trigger: the viewer 100 m beyond it, then in its middle; the
      // wrapper's box decides nothing about the trigger's.
      {"golden/bounding_boxes",
       "seconds 24.22\n0 viewer 120 4 0\n1 viewer 0 4 0\n13 viewer 120 4 0\n"},
      // Masks pass with the mask itself.
      {"golden/masks_on_trigger",
       "seconds 24.22\n0 0282h 1\n0 030Ah 2\n0 0312h 0\n1 0312h 4\n"
       "13 0312h 0\n"},
      // Without a trigger: every test passes, for 10 s.
      {"golden/trigger_off", "seconds 10\n"},
      // The secondary variable passes animation 1's range.
      {"golden/secondary_conditions_trigger_off",
       "seconds 10\n0 033Bh 750\n0 028Ch 2\n0 0312h 1\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DefaultOf(row.output), row.scenario) << row.output;
  }
}

TEST(ModelNamesTest, StatesAndVariantsInWords) {
  const char* words[] = {"at rest at the start",
                         "waiting for the cycle to reach frame 0..3",
                         "opening",
                         "at rest at the end",
                         "waiting to close",
                         "closing"};
  const int variants[] = {1, 1, 2, 4, 4, 3};
  for (int state = 0; state < kTriggerStateCount; ++state) {
    EXPECT_EQ(TriggerStateWords(state), words[state]);
    EXPECT_EQ(VariantOfState(state), variants[state]);
  }
  EXPECT_EQ(TriggerStateWords(6), "");
  EXPECT_EQ(TriggerStateWords(-1), "");
  EXPECT_EQ(VariantOfState(6), 0);
  EXPECT_EQ(VariantWords(1), "hold at the first frame");
  EXPECT_EQ(VariantWords(2), "forward");
  EXPECT_EQ(VariantWords(3), "reverse");
  EXPECT_EQ(VariantWords(4), "hold at the last frame");
  EXPECT_EQ(VariantWords(0), "");
  EXPECT_EQ(VariantOfState(static_cast<int>(TriggerState::kReverse)),
            static_cast<int>(Variant::kReverse));
}

}  // namespace
}  // namespace zum
