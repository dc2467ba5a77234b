// Times the preview of the largest job: the load of its written output and
// a 60 s scenario over the loaded program, and a scenario re-run over the
// example job as the preview window does after an edit.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/largest_job.h"
#include "engine/generation_run.h"
#include "preview/default_scenario.h"
#include "preview/findings.h"
#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/timeline.h"
#include "settings/job_builder.h"
#include "settings/settings_file.h"

namespace {

namespace fs = std::filesystem;

struct Written {
  Written() {
    folder = fs::temp_directory_path() / "zum-preview-largest-job";
    fs::remove_all(folder);
    fs::create_directories(folder);
    zum::JobSettings job = zum::bench::WriteLargestJob(folder.string(), 8);
    status = zum::RunGeneration(job, zum::RunOptions(), nullptr);
    if (status.ok()) {
      status = zum::LoadPreviewProgram((folder / "out.asm").string(), &program);
    }
  }
  ~Written() { fs::remove_all(folder); }
  fs::path folder;
  zum::Status status;
  zum::PreviewProgram program;
};

Written& Largest() {
  static Written written;
  return written;
}

// The trigger on from 1 s, every other tested variable passing.
zum::Scenario SixtySeconds(const zum::PreviewProgram& program) {
  zum::Scenario scenario = zum::DefaultScenario(program);
  scenario.seconds = 60;
  return scenario;
}

void BM_LoadPreviewOfLargestJob(benchmark::State& state) {
  if (!Largest().status.ok()) {
    state.SkipWithError(Largest().status.message().c_str());
    return;
  }
  for (auto _ : state) {
    zum::PreviewProgram program;
    zum::Status status = zum::LoadPreviewProgram(
        (Largest().folder / "out.asm").string(), &program);
    if (!status.ok()) {
      state.SkipWithError(status.message().c_str());
      return;
    }
  }
}
BENCHMARK(BM_LoadPreviewOfLargestJob)->Unit(benchmark::kMillisecond);

void BM_RunSixtySecondsOfLargestJob(benchmark::State& state) {
  if (!Largest().status.ok()) {
    state.SkipWithError(Largest().status.message().c_str());
    return;
  }
  const zum::Scenario scenario = SixtySeconds(Largest().program);
  for (auto _ : state) {
    zum::PreviewRun run;
    zum::Status status = zum::RunScenario(Largest().program, scenario, &run);
    if (!status.ok()) {
      state.SkipWithError(status.message().c_str());
      return;
    }
    benchmark::DoNotOptimize(run.passes.data());
  }
  state.counters["passes"] = scenario.PassCount();
  state.counters["blocks"] = Largest().program.blocks.size();
  state.counters["instructions"] = Largest().program.code.size();
}
BENCHMARK(BM_RunSixtySecondsOfLargestJob)->Unit(benchmark::kMillisecond);

void BM_DefaultScenarioOfLargestJob(benchmark::State& state) {
  if (!Largest().status.ok()) {
    state.SkipWithError(Largest().status.message().c_str());
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(zum::DefaultScenario(Largest().program));
  }
}
BENCHMARK(BM_DefaultScenarioOfLargestJob)->Unit(benchmark::kMillisecond);
// The example with three animations, written into a folder of its own.
struct Example {
  Example() {
    folder = fs::temp_directory_path() / "zum-preview-example";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(ZUM_EXAMPLES_DIR)) {
      fs::copy_file(entry.path(), folder / entry.path().filename());
    }
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    zum::SettingsRecord record;
    status = zum::LoadSettingsFile("gate_secondary.cfg", &record);
    if (status.ok()) {
      status = zum::RunGeneration(
          zum::BuildJobSettings(record, zum::AppliesTo::kAnimationTrigger),
          zum::RunOptions(), nullptr);
    }
    fs::current_path(previous);
    if (status.ok()) {
      status = zum::LoadPreviewProgram(
          (folder / "gate_secondary_zum.asm").string(), &program);
    }
  }
  ~Example() { fs::remove_all(folder); }
  fs::path folder;
  zum::Status status;
  zum::PreviewProgram program;
};

// What the preview window does after a scenario edit: the run, the
// findings and the timeline of the example.
void BM_RerunExampleAfterAnEdit(benchmark::State& state) {
  static Example example;
  if (!example.status.ok()) {
    state.SkipWithError(example.status.message().c_str());
    return;
  }
  zum::VariableTable names;
  names.AddBuiltInVariables();
  const zum::Scenario scenario = zum::DefaultScenario(example.program);
  for (auto _ : state) {
    zum::PreviewRun run;
    zum::Status status = zum::RunScenario(example.program, scenario, &run);
    if (!status.ok()) {
      state.SkipWithError(status.message().c_str());
      return;
    }
    benchmark::DoNotOptimize(
        zum::PreviewFindings(example.program, scenario, run, &names));
    benchmark::DoNotOptimize(zum::RunTimeline(example.program, run));
  }
  state.counters["passes"] = scenario.PassCount();
}
BENCHMARK(BM_RerunExampleAfterAnEdit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
