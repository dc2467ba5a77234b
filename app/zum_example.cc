// Runs the generation on the bundled example object and prints where the
// output went: zum-example EXAMPLES_FOLDER OUTPUT_FOLDER.
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/generation_run.h"
#include "engine/job.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zum-example EXAMPLES_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path examples = fs::absolute(argv[1]);
  const fs::path output = fs::absolute(argv[2]);
  std::error_code ec;
  fs::create_directories(output, ec);

  zum::JobSettings job;
  job.TriggerEnabled = true;
  job.Trigger.Variable = "0282h";
  job.Trigger.Minimum = "1";
  job.Trigger.Maximum = "1";
  job.SecondaryEnabled = true;
  job.SecondaryVariable = "0312h";
  job.AnimationCount = "3";
  const char* names[] = {"gate", "gate2", "gate3"};
  for (int a = 1; a <= 3; ++a) {
    job.InputFile[a] =
        (examples / (std::string(names[a - 1]) + ".asm")).string();
    job.SecondaryMin[a] = std::to_string(a);
    job.SecondaryMax[a] = std::to_string(a);
  }
  job.OutputFile = (output / "gate_zum.asm").string();

  zum::Status status = zum::RunGeneration(job, nullptr);
  if (!status.ok()) {
    std::fprintf(stderr, "zum-example: %s\n", status.message().c_str());
    return 1;
  }
  std::printf("Wrote %s and %s\n", job.OutputFile.c_str(),
              (output / "gate_zum_0.asm").string().c_str());
  return 0;
}
