// Times the keyframe table reader alone over rotation tables of plain
// numbers, the rows that make most of a large job's input, with the run's
// warnings collected as in a run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/run_warnings.h"

namespace {

namespace fs = std::filesystem;
constexpr int kTables = 64;

// kTables rotation tables of 1025 rows, each after its label line.
const std::string& TablesFile() {
  static const std::string path = [] {
    const fs::path file = fs::temp_directory_path() / "zum-keyframe-rows.asm";
    std::FILE* out = std::fopen(file.string().c_str(), "wb");
    for (int t = 0; t < kTables; ++t) {
      std::fprintf(out,
                   "gate_quat_%d label word\r\n   dw    3\r\n   real4 -1.0\r\n"
                   "   real4 16 dup (0.0)\r\n   dw    %d\r\n",
                   t + 1, zum::kMaxKeyframeRows);
      for (int r = 0; r < zum::kMaxKeyframeRows; ++r) {
        std::fprintf(out,
                     "   real4 %d.%d, 0.%06d, -0.382683, 0.0, 0.923880\r\n", r,
                     r % 10, (r * 7919) % 1000000);
      }
    }
    std::fclose(out);
    return file.string();
  }();
  return path;
}

void BM_ReadKeyframeTables(benchmark::State& state) {
  auto table = std::make_unique<zum::KeyframeTable>();
  for (auto _ : state) {
    zum::LineReader in;
    if (!in.Open(TablesFile()).ok()) {
      state.SkipWithError("cannot open the tables file");
      return;
    }
    zum::RunWarnings warnings;
    std::string label;
    while (in.Next(&label)) {
      zum::Status status =
          zum::ReadKeyframeTable(in, zum::KeyframeKind::kRotation, table.get(),
                                 zum::TableRead::kAllRows, &warnings);
      if (!status.ok() || !warnings.empty()) {
        state.SkipWithError("the tables do not read as written");
        return;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kTables * zum::kMaxKeyframeRows);
}
BENCHMARK(BM_ReadKeyframeTables)->Unit(benchmark::kMillisecond);

// The number parse alone on rows in memory: key and four values of the
// exporter's forms, read in row order as the row reader reads them.
void BM_ReadRowNumbers(benchmark::State& state) {
  std::vector<std::string> rows;
  char row[128];
  for (int r = 0; r < zum::kMaxKeyframeRows * 16; ++r) {
    std::snprintf(row, sizeof row,
                  "   real4 %d.0, %.6f, -0.382683, %.6f, 0.923880", r % 1025,
                  (r * 7919 % 1000000) / 1e6, -(r % 2500) / 1e3);
    rows.push_back(row);
  }
  for (auto _ : state) {
    double sum = 0;
    for (const std::string& text : rows) {
      size_t i = 9;
      for (int c = 0; c < 5; ++c) {
        double value;
        i += zum::ReadNumberAt(text, i, &value) + 2;
        sum += value;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<int64_t>(rows.size()) * 5);
}
BENCHMARK(BM_ReadRowNumbers)->Unit(benchmark::kMicrosecond);

}  // namespace
