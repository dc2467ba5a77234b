// The preview over a written companion file made of the fuzzed bytes: the
// first byte picks what runs after a successful load (a fixed 2 s scenario
// with a viewer and two variables; or the default scenario, the findings and
// the timeline), the rest is the companion of a fixed main file. Whatever the
// file holds, the load and the run must end in an error or a result, never a
// crash or a hang.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "preview/default_scenario.h"
#include "preview/findings.h"
#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/timeline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zum;
  static const bool ready = [] {
    const std::string main = "; fuzz\r\ninclude fuzz_0.asm\r\n";
    fuzz::WriteBytes(fuzz::InFolder("fuzz.asm"),
                     reinterpret_cast<const uint8_t*>(main.data()),
                     main.size());
    return true;
  }();
  (void)ready;
  if (size == 0) {
    return 0;
  }
  fuzz::WriteBytes(fuzz::InFolder("fuzz_0.asm"), data + 1, size - 1);
  PreviewProgram program;
  if (!LoadPreviewProgram(fuzz::InFolder("fuzz.asm"), &program).ok()) {
    return 0;
  }
  Scenario scenario;
  if (data[0] % 2 == 0) {
    ReadScenarioLine("0 0282h 1", "s", 1, &scenario).ok();
    ReadScenarioLine("0.5 viewer 1 2 3", "s", 2, &scenario).ok();
    ReadScenarioLine("1 0282h 0FFFFh", "s", 3, &scenario).ok();
    scenario.seconds = 2;
  } else {
    scenario = DefaultScenario(program);
  }
  PreviewRun run;
  if (RunScenario(program, scenario, &run).ok() && data[0] % 2 == 1) {
    PreviewFindings(program, scenario, run, nullptr);
    RunTimeline(program, run);
  }
  return 0;
}
