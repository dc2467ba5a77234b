// The settings file reader, the job built from it and the page checks, over
// any bytes as the settings file. Input files named without a folder are
// looked for in the fuzz folder, where the example object lies.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "settings/job_builder.h"
#include "settings/page_checks.h"
#include "settings/settings_file.h"

namespace {

bool HasFolder(const std::string& name) {
  return name.find_first_of("/\\") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zum;
  static const bool ready = [] {
    for (const char* name : {"gate.asm", "gate_0.asm", "gate2.asm",
                             "gate2_0.asm", "gate3.asm", "gate3_0.asm"}) {
      fuzz::CopyExample(name);
    }
    return true;
  }();
  (void)ready;
  const std::string path = fuzz::InFolder("fuzz.cfg");
  fuzz::WriteBytes(path, data, size);
  SettingsRecord record;
  Status status = LoadSettingsFile(path, &record);
  (void)status;  // values before a bad line still count, as in the window
  for (AppliesTo applies :
       {AppliesTo::kAnimationTrigger, AppliesTo::kAnimation}) {
    JobSettings job = BuildJobSettings(record, applies);
    for (PageId page :
         {PageId::kCondition, PageId::kTrigger, PageId::kSecondary}) {
      CheckCodeMessage(CheckConditionPage(job, page));
    }
    // Names with a folder would reach files elsewhere on this machine.
    bool local = true;
    for (std::string& input : job.InputFile) {
      local = local && !HasFolder(input);
      input = input.empty() ? input : fuzz::InFolder(input);
    }
    if (local) {
      CheckSourceFiles(job);
    }
  }
  return 0;
}
