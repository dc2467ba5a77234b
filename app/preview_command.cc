#include "app/preview_command.h"

#include "engine/number_rules.h"
#include "engine/status.h"
#include "preview/default_scenario.h"
#include "preview/findings.h"
#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/run_csv.h"
#include "preview/scenario.h"
#include "preview/timeline.h"
#include "settings/variable_table.h"

namespace zum {
namespace {

struct PreviewArgs {
  bool help = false;
  bool csv = false;
  std::string scenario_file;
  std::string main_file;
};

// Fills *PARSED from ARGS; false with *ERR filled on bad usage.
bool ParseArgs(const std::vector<std::string>& args, PreviewArgs* parsed,
               std::string* err) {
  std::vector<std::string> files;
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options_end && arg == "--") {
      options_end = true;
    } else if (!options_end && arg == "--help") {
      parsed->help = true;
    } else if (!options_end && arg == "--csv") {
      parsed->csv = true;
    } else if (!options_end && arg == "--scenario") {
      if (i + 1 == args.size()) {
        *err = "--scenario needs a file";
        return false;
      }
      parsed->scenario_file = args[++i];
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
    *err = files.empty() ? "no output file given"
                         : "expected one output file, got " +
                               std::to_string(files.size());
    return false;
  }
  parsed->main_file = files[0];
  return true;
}

}  // namespace

std::string PreviewUsage() {
  return "Usage: zum-preview [--csv] [--scenario FILE] MAIN_OUTPUT.asm\n"
         "\n"
         "Runs the code that a ZUM run wrote (MAIN_OUTPUT.asm and its\n"
         "companion MAIN_OUTPUT_0.asm) over a scenario, one pass per tick of\n"
         "the simulator's 18 Hz counter, and tells what the object does.\n"
         "Every figure is the preview's model of the simulator, not a\n"
         "measurement of it.\n"
         "\n"
         "A scenario file holds one change a line, TIME NAME VALUE: the time\n"
         "in seconds, a variable offset as the settings write it (0282h) and\n"
         "its value, or TIME viewer X Y Z (metres) for box conditions; the\n"
         "lines 'seconds S' and 'start_tick T' set the length and the first\n"
         "tick; '#' starts a comment. Without --scenario the scenario is\n"
         "made from the code: every tested variable passes its test, the\n"
         "trigger holds from 1 s until 2 s after the end pose and then fails\n"
         "until 2 s after the start pose.\n"
         "\n"
         "Options:\n"
         "  --csv            one line per pass instead of the findings:\n"
         "                   time,tick,state,frame, the matrix each\n"
         "                   selection block selects, then their poses\n"
         "  --scenario FILE  run this scenario\n"
         "  --help           show this text\n"
         "\n"
         "Exit status:\n"
         "  0  the preview ran\n"
         "  1  a defect of the output, an unreadable file or a bad scenario\n"
         "     line (the message names the file and line)\n"
         "  2  bad usage\n";
}

int RunPreviewCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
  PreviewArgs parsed;
  std::string usage_error;
  if (!ParseArgs(args, &parsed, &usage_error)) {
    err << "zum-preview: " << usage_error << '\n'
        << "Try 'zum-preview --help' for more information.\n";
    return kPreviewUsage;
  }
  if (parsed.help) {
    out << PreviewUsage();
    return kPreviewSucceeded;
  }
  PreviewProgram program;
  Status status = LoadPreviewProgram(parsed.main_file, &program);
  Scenario scenario;
  if (status.ok()) {
    status = parsed.scenario_file.empty()
                 ? Status::OK()
                 : ReadScenarioFile(parsed.scenario_file, &scenario);
  }
  if (status.ok() && parsed.scenario_file.empty()) {
    scenario = DefaultScenario(program);
  }
  PreviewRun run;
  if (status.ok()) {
    status = RunScenario(program, scenario, &run);
  }
  if (!status.ok()) {
    err << status.message() << '\n';
    return kPreviewFailed;
  }
  if (parsed.csv) {
    WriteRunCsv(program, run, out);
    return kPreviewSucceeded;
  }
  VariableTable names;
  names.AddBuiltInVariables();
  out << "Findings (the preview's model of the simulator):\n";
  for (const std::string& finding :
       PreviewFindings(program, scenario, run, &names)) {
    out << "- " << finding << '\n';
  }
  out << "\nScenario"
      << (parsed.scenario_file.empty() ? " (made from the code)"
                                       : " " + parsed.scenario_file)
      << ":\n";
  for (const ScenarioChange& change : scenario.changes) {
    out << "  " << ScenarioText({0, 0, {change}});
  }
  out << "  " << ScenarioText({scenario.Length(), 0, {}});
  out << "\nTimeline:\n";
  for (const TimelineEvent& event : RunTimeline(program, run)) {
    out << "  " << TimelineLine(event) << '\n';
  }
  return kPreviewSucceeded;
}

}  // namespace zum
