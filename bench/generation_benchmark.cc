// Times a generation of the largest job against a plain copy of its output.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/largest_job.h"
#include "engine/generation_run.h"

namespace {

namespace fs = std::filesystem;
constexpr int kParts = 8;

struct Fixture {
  Fixture() {
    folder = fs::temp_directory_path() / "zum-largest-job";
    fs::remove_all(folder);
    fs::create_directories(folder);
    job = zum::bench::WriteLargestJob(folder.string(), kParts);
  }
  ~Fixture() { fs::remove_all(folder); }
  fs::path folder;
  zum::JobSettings job;
};

Fixture& Job() {
  static Fixture fixture;
  return fixture;
}

double OutputBytes() {
  return static_cast<double>(fs::file_size(Job().folder / "out.asm") +
                             fs::file_size(Job().folder / "out_0.asm"));
}

// Argument: the run's threads (0: the machine's cores).
void BM_GenerateLargestJob(benchmark::State& state) {
  zum::RunOptions options;
  options.threads = static_cast<int>(state.range(0));
  const zum::JobSettings& job = Job().job;  // written before the timing
  for (auto _ : state) {
    zum::Status status = zum::RunGeneration(job, options, nullptr);
    if (!status.ok()) {
      state.SkipWithError(status.message().c_str());
      return;
    }
  }
  state.counters["output_bytes"] = OutputBytes();
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_kib"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(BM_GenerateLargestJob)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Copies the generated files with buffered reads and writes: the floor any
// generation of the same output stands on.
void BM_CopyOutputFiles(benchmark::State& state) {
  if (!fs::exists(Job().folder / "out_0.asm")) {
    zum::RunGeneration(Job().job, zum::RunOptions(), nullptr);
  }
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    for (const char* name : {"out.asm", "out_0.asm"}) {
      std::FILE* in = std::fopen((Job().folder / name).c_str(), "rb");
      std::FILE* out = std::fopen(
          (Job().folder / (std::string("copy_") + name)).c_str(), "wb");
      size_t n;
      while ((n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
        std::fwrite(buffer.data(), 1, n, out);
      }
      std::fclose(in);
      std::fclose(out);
    }
  }
  state.counters["output_bytes"] = OutputBytes();
}
BENCHMARK(BM_CopyOutputFiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
