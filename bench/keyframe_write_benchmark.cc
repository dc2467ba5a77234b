// Times the keyframe writer alone: the four variants of a translation and a
// rotation table of 1025 rows with whole keys, as the largest job has them,
// and of tables with keys that have a fraction.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/job.h"
#include "engine/keyframe_writer.h"

namespace {

// A table of every row, its values as an exporter's six decimals give them.
std::unique_ptr<zum::KeyframeTable> Table(zum::KeyframeKind kind,
                                          float key_step) {
  auto t = std::make_unique<zum::KeyframeTable>();
  t->Kind = kind;
  t->RowCount = zum::kMaxKeyframeRows;
  for (int r = 1; r <= t->RowCount; ++r) {
    const double f = (r - 1) / 1024.0;
    t->Key[r] = static_cast<float>(r - 1) * key_step;
    t->Value1[r] = static_cast<float>(static_cast<long>(f * 7.071e5) / 1e6);
    t->Value2[r] = static_cast<float>(static_cast<long>(-f * 2.5e6) / 1e6);
    t->Value3[r] = static_cast<float>(static_cast<long>(f * 1.25e5) / 1e6);
    t->Value4[r] =
        static_cast<float>(1.0 - static_cast<long>(f * 2.929e5) / 1e6);
  }
  return t;
}

// Argument: the key step in tenths (10: whole keys 0.0, 1.0, ..).
void BM_WriteKeyframeTables(benchmark::State& state) {
  const float step = static_cast<float>(state.range(0)) / 10.0f;
  const auto translation = Table(zum::KeyframeKind::kTranslation, step);
  const auto rotation = Table(zum::KeyframeKind::kRotation, step);
  const std::string label_base = "obj";
  zum::GrowingText text;
  for (auto _ : state) {
    text.clear();
    zum::AppendKeyframeTableSet(
        {label_base, 3, 17, translation.get(), rotation.get()}, &text);
    benchmark::DoNotOptimize(text.view().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.view().size()));
}
BENCHMARK(BM_WriteKeyframeTables)
    ->Arg(10)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
