#include "preview/written_finding.h"

#include <gtest/gtest.h>

#include "preview/preview_testing.h"

namespace zum {
namespace {

using testing::StageOutput;
using testing::TempDir;

TEST(WrittenFindingTest, WrittenPairGivesItsFirstFindingOrWhyItCannot) {
  TempDir dir;
  EXPECT_EQ(
      WrittenForwardRunFinding(StageOutput("golden/example_gate", {}, dir)),
      "After the trigger starts holding, the forward run starts within 0.06 "
      "to 5.44 s (it waits for frames 0..3 of a 101-frame cycle) and lasts "
      "about 5.4 s.");
  EXPECT_EQ(
      WrittenForwardRunFinding(StageOutput("golden/trigger_off", {}, dir)),
      "Without a trigger the object plays its forward animation over and "
      "over: a 101-frame cycle of 5.61 s.");
  // A broken pair is told with the load's message, a missing one too.
  const std::string broken =
      StageOutput("golden/trigger_off",
                  {"BGL_JUMP_32 gate_0_cont => BGL_JUMP_32 gate_9_cont"}, dir);
  EXPECT_EQ(
      WrittenForwardRunFinding(broken),
      "The preview cannot run the written code: " + dir.File("out_0.asm") +
          ":335: jump to the label 'gate_9_cont', which the drawing "
          "code chunk does not define");
  // The reason is the system's own text.
  EXPECT_EQ(WrittenForwardRunFinding(dir.File("none.asm"))
                .rfind("The preview cannot run the written code: " +
                           dir.File("none.asm") + ": cannot open for reading",
                       0),
            0u);
}

}  // namespace
}  // namespace zum
