// Times what the preview window does when a scenario row changes: the run,
// the findings, the series and the repaint of the whole window (offscreen),
// over the example gate and over the example's three gates.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <QApplication>
#include <QTableWidget>

#include "engine/status.h"
#include "settings/variable_table.h"
#include "wizard/dialogs.h"
#include "wizard/preview_window.h"

namespace {

namespace fs = std::filesystem;

// Answers every dialog with Cancel or OK; the benchmark opens none.
class NoDialogs : public zum::Dialogs {
 public:
  Answer ShowMessageBox(const QString&, const QString&, Icon,
                        Buttons) override {
    return Answer::kCancel;
  }
  QString InputBox(const QString&, const QString&, const QString&) override {
    return QString();
  }
  QString OpenFile(const QString&, const QStringList&) override {
    return QString();
  }
  QStringList OpenFiles(const QString&, const QStringList&) override {
    return {};
  }
  QString SaveFile(const QString&, const QStringList&,
                   const QString&) override {
    return QString();
  }
};

// The written pair of golden job JOB in a folder of its own; returns the
// main file's path.
std::string StageGoldenJob(const std::string& job, const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::string main;
  for (const auto& entry :
       fs::directory_iterator(fs::path(ZUM_GOLDEN_DIR) / job)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("expected_", 0) != 0) {
      continue;
    }
    const fs::path target =
        folder / name.substr(std::string("expected_").size());
    fs::copy_file(entry.path(), target);
    if (!name.ends_with("_0.asm")) {
      main = target.string();
    }
  }
  return main;
}

// The preview window on golden job JOB; each iteration types another time
// into the row that releases the trigger (13 s and 12 s in turn), which
// runs the scenario again, and repaints the window.
void RedrawAfterAnEdit(benchmark::State& state, const std::string& job) {
  const fs::path folder = fs::temp_directory_path() / ("zum-window-" + job);
  const std::string main = StageGoldenJob(job, folder);
  NoDialogs dialogs;
  zum::VariableTable variables;
  variables.AddBuiltInVariables();
  zum::PreviewWindow window(&dialogs, &variables);
  const zum::Status status = window.Load(main);
  if (!status.ok()) {
    state.SkipWithError(status.message().c_str());
    return;
  }
  window.show();
  QCoreApplication::processEvents();
  auto* table = window.findChild<QTableWidget*>("tbl_scenario");
  QTableWidgetItem* release = nullptr;
  for (int row = 0; row < table->rowCount(); ++row) {
    if (table->item(row, 0)->text() == QLatin1String("13")) {
      release = table->item(row, 0);
    }
  }
  if (release == nullptr) {
    state.SkipWithError("no row releases the trigger at 13 s");
    return;
  }
  bool earlier = true;
  for (auto _ : state) {
    release->setText(earlier ? QStringLiteral("12") : QStringLiteral("13"));
    earlier = !earlier;
    window.repaint();
  }
  state.counters["rows"] = table->rowCount();
  fs::remove_all(folder);
}

void BM_WindowRedrawAfterAnEditOfTheExampleGate(benchmark::State& state) {
  RedrawAfterAnEdit(state, "example_gate");
}
BENCHMARK(BM_WindowRedrawAfterAnEditOfTheExampleGate)
    ->Unit(benchmark::kMillisecond);

void BM_WindowRedrawAfterAnEditOfThreeGates(benchmark::State& state) {
  RedrawAfterAnEdit(state, "example_gate_secondary");
}
BENCHMARK(BM_WindowRedrawAfterAnEditOfThreeGates)
    ->Unit(benchmark::kMillisecond);

QtMessageHandler default_handler = nullptr;

// The offscreen platform warns on every shown window that it cannot size
// it, which says nothing about the window.
void QuietHandler(QtMsgType type, const QMessageLogContext& context,
                  const QString& message) {
  if (!message.contains(QLatin1String("propagateSizeHints"))) {
    default_handler(type, context, message);
  }
}

}  // namespace

// The window needs a QApplication; offscreen unless the caller chose a
// platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  default_handler = qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
