#include "app/batch_run.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <memory>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "engine/asm_lines.h"
#include "engine/generation_run.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/output_names.h"
#include "engine/run_warnings.h"
#include "engine/status.h"
#include "preview/written_finding.h"
#include "settings/checked_run.h"
#include "settings/job_builder.h"
#include "settings/page_checks.h"
#include "settings/relative_names.h"
#include "settings/settings_file.h"
#include "settings/variable_table.h"

namespace zum {
namespace {

struct BatchArgs {
  bool help = false;
  bool quiet = false;
  std::string settings_file;
};

// Fills *PARSED from ARGS; false with *ERR filled on bad usage.
bool ParseArgs(const std::vector<std::string>& args, BatchArgs* parsed,
               std::string* err) {
  std::vector<std::string> files;
  bool options_end = false;
  for (const std::string& arg : args) {
    if (!options_end && arg == "--") {
      options_end = true;
    } else if (!options_end && arg == "--help") {
      parsed->help = true;
    } else if (!options_end && arg == "--quiet") {
      parsed->quiet = true;
    } else if (!options_end && arg.size() > 1 && arg[0] == '-') {
      *err = "unknown option '" + Excerpt(arg) + "'";
      return false;
    } else {
      files.push_back(arg);
    }
  }
  if (parsed->help) {
    return true;
  }
  if (files.size() != 1) {
    *err = files.empty() ? "no settings file given"
                         : "expected one settings file, got " +
                               std::to_string(files.size());
    return false;
  }
  parsed->settings_file = files[0];
  return true;
}

// Shows the run's progress as "zum-batch: 40%", rewriting the line in place.
class PercentProgress {
 public:
  explicit PercentProgress(std::ostream* err) : err_(err) {}

  void Add(double share) {
    total_ += share;
    Show(static_cast<int>(std::floor(total_)));
  }
  void Finish(bool done) {
    if (done) {
      Show(100);
    }
    if (shown_ >= 0) {
      *err_ << '\n' << std::flush;
    }
  }

 private:
  void Show(int percent) {
    if (percent > 100) {
      percent = 100;
    }
    if (percent != shown_) {
      shown_ = percent;
      *err_ << "\rzum-batch: " << percent << '%' << std::flush;
    }
  }

  std::ostream* err_;
  double total_ = 0;
  int shown_ = -1;
};

// Prints the message of a refused page check.
void PrintRefusal(const PageCheckResult& check, std::ostream& err) {
  err << CheckCodeMessage(check.code).message << '\n';
  if (!check.scan_error.ok()) {
    err << check.scan_error.message() << '\n';
  }
}

// Refuses outputs that would overwrite the settings file being run.
bool SparesSettingsFile(const JobSettings& job, const std::string& settings,
                        std::ostream& err, FileSystem* fs) {
  for (const std::string& output : OutputFiles(job.OutputFile)) {
    if (SameFile(output, settings, fs)) {
      err << "the output would overwrite the settings file: '"
          << ShortName(output) << "' is the settings file '"
          << ShortName(settings) << "'; choose another output file\n";
      return false;
    }
  }
  return true;
}

// The run's warnings on ERR, after everything OUT holds: at most
// kMaxWarningsPrinted, then how many more there are.
void PrintWarnings(const RunWarnings& warnings, std::ostream& out,
                   std::ostream& err) {
  out.flush();
  const std::vector<std::string>& kept = warnings.kept();
  const size_t shown = std::min(kept.size(), kMaxWarningsPrinted);
  for (size_t i = 0; i < shown; ++i) {
    err << "warning: " << kept[i] << '\n';
  }
  if (static_cast<size_t>(warnings.total()) > shown) {
    err << "and " << warnings.total() - static_cast<long>(shown)
        << " more warnings\n";
  }
}

extern "C" void RemoveTemporariesAndStop(int signal_number) {
  RemoveTemporaryFiles();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

#ifdef _WIN32
// Runs on a thread of its own while the run goes on; the temporary files
// are shared for deletion, so they go although they are open. FALSE lets
// the default handler end the process.
BOOL WINAPI RemoveTemporariesOnControlEvent(DWORD /*event*/) {
  RemoveTemporaryFiles();
  return FALSE;
}
#endif

}  // namespace

std::vector<int> TerminatingSignals() {
  return {SIGINT,  SIGTERM,
#ifndef _WIN32
          SIGHUP,  SIGQUIT, SIGUSR1,   SIGUSR2, SIGALRM, SIGPIPE,
          SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF
#endif
  };
}

void RemoveTemporariesOnInterrupt() {
  for (int signal_number : TerminatingSignals()) {
    std::signal(signal_number, RemoveTemporariesAndStop);
  }
#ifdef _WIN32
  SetConsoleCtrlHandler(RemoveTemporariesOnControlEvent, TRUE);
#endif
}

std::string BatchUsage() {
  return "Usage: zum-batch [--quiet] SETTINGS_FILE\n"
         "\n"
         "Runs one ZUM generation from a settings file saved by the window\n"
         "(zum0.cfg .. zum9.cfg, zuma.cfg), exactly as the window does after\n"
         "loading that file and pressing Next through every page: the checks\n"
         "of pages 1 to 4 run first, then the output file named in the\n"
         "settings and its companion \"_0.asm\" file are written.\n"
         "\n"
         "A relative file name in the settings file is taken from the\n"
         "settings file's folder, wherever zum-batch is started from, so\n"
         "that a project folder with its settings file can be moved; the\n"
         "output's include line keeps the name as written. Settings files\n"
         "are read as UTF-8, or in the ANSI code page (Windows-1252 outside\n"
         "Windows) when they are not valid UTF-8.\n"
         "\n"
         "Options:\n"
         "  --quiet   show neither the progress nor the closing summary\n"
         "  --help    show this text\n"
         "\n"
         "Exit status:\n"
         "  0  the output files were written\n"
         "  1  the generation stopped; the message names the file and line\n"
         "  2  bad usage, a settings file that cannot be loaded, settings\n"
         "     that a page check refuses (its message is printed), or an\n"
         "     output that would overwrite the settings file\n"
         "\n"
         "Interrupted or ended by a signal (SIGINT, SIGTERM, SIGHUP, SIGQUIT,\n"
         "...; Ctrl+C or a closed console on Windows), zum-batch removes its\n"
         "temporary files and keeps earlier outputs as they were; a later\n"
         "run on the same output removes what a killed run left.\n";
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out,
             std::ostream& err, bool err_is_terminal, FileSystem* fs) {
  BatchArgs parsed;
  std::string usage_error;
  if (!ParseArgs(args, &parsed, &usage_error)) {
    err << "zum-batch: " << usage_error << '\n'
        << "Try 'zum-batch --help' for more information.\n";
    return kBatchRefused;
  }
  if (parsed.help) {
    out << BatchUsage();
    return kBatchSucceeded;
  }

  SettingsRecord record;
  Status status = LoadSettingsFile(parsed.settings_file, &record, fs);
  if (!status.ok()) {
    err << status.message() << '\n';
    return kBatchRefused;
  }
  // A file without line 184 keeps the window's start-up choice.
  JobSettings job = BuildJobSettings(record, AppliesTo::kAnimationTrigger);
  ResolveJobNames(SettingsFolder(parsed.settings_file), &job);
  if (!SparesSettingsFile(job, parsed.settings_file, err, fs)) {
    return kBatchRefused;
  }

  bool show_progress = err_is_terminal && !parsed.quiet;
  PercentProgress progress(&err);
  RunOptions options;
  options.file_system = fs;
  if (show_progress) {
    options.progress = [&progress](double share) { progress.Add(share); };
  }
  VariableTable variables;
  variables.AddBuiltInVariables();
  // The summary's finding loads the written pair again: only when shown.
  const CheckedRun run = CheckAndRun(
      job, PageId::kCondition, PageId::kSourceFiles, options, variables,
      parsed.quiet ? ForwardRunFinding() : WrittenForwardRunFinding);
  if (!run.ran) {
    PrintRefusal(run.check, err);
    return kBatchRefused;
  }
  if (show_progress) {
    progress.Finish(run.status.ok());
  }
  if (!run.status.ok()) {
    err << run.status.message() << '\n';
    PrintWarnings(run.result.warnings, out, err);
    return kBatchRunFailed;
  }
  if (!parsed.quiet) {
    out << "Wrote " << ShortName(run.result.files_written[0]) << " and "
        << ShortName(run.result.files_written[1]) << '\n';
    out << run.summary;
  }
  PrintWarnings(run.result.warnings, out, err);
  return kBatchSucceeded;
}

}  // namespace zum
