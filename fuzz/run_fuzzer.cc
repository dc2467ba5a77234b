// A whole generation run in which one companion input is the fuzzed bytes:
// the first byte picks the job (the example gate alone, or with its two
// secondary animations, the fuzzed file being animation 1's or 2's), the
// rest is the file. The run is not preceded by the page checks: whatever the
// file holds, the run must end in an error or a result, never a crash.

#include <cstdint>
#include <string>

#include "engine/generation_run.h"
#include "fuzz/fuzz_folder.h"
#include "settings/job_builder.h"
#include "settings/settings_file.h"

namespace {

// The job of the example settings file FILE over copies of its inputs in
// the fuzz folder, with animation FUZZED's companion the fuzzed file.
zum::JobSettings ExampleJob(const char* file, int fuzzed) {
  using namespace zum;
  SettingsRecord record;
  LoadSettingsFile(std::string(ZUM_SOURCE_DIR) + "/examples/" + file, &record)
      .ok();
  const char* inputs[] = {"", "gate", "gate2", "gate3"};
  for (int a = 1; a <= 3; ++a) {
    const std::string name = a == fuzzed ? "fuzz" : inputs[a];
    record.InputFile[a] = zum::fuzz::InFolder(name + ".asm");
    zum::fuzz::CopyExample(std::string(inputs[a]) + ".asm");
    zum::fuzz::CopyExample(std::string(inputs[a]) + "_0.asm");
  }
  record.txt_file_out = zum::fuzz::InFolder("out.asm");
  return BuildJobSettings(record, AppliesTo::kAnimationTrigger);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zum;
  static const JobSettings jobs[] = {ExampleJob("gate.cfg", 1),
                                     ExampleJob("gate_secondary.cfg", 1),
                                     ExampleJob("gate_secondary.cfg", 2)};
  static const bool ready = [] {
    std::filesystem::copy_file(
        fuzz::InFolder("gate.asm"), fuzz::InFolder("fuzz.asm"),
        std::filesystem::copy_options::overwrite_existing);
    return true;
  }();
  (void)ready;
  if (size == 0) {
    return 0;
  }
  fuzz::WriteBytes(fuzz::InFolder("fuzz_0.asm"), data + 1, size - 1);
  RunGeneration(jobs[data[0] % 3], RunOptions(), nullptr).ok();
  return 0;
}
