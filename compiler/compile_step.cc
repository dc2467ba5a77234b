#include "compiler/compile_step.h"

namespace zum {

std::string CompileCommandLine(const std::string& program_folder,
                               const std::string& output_file) {
  return "\"" + program_folder + kFolderSeparator + kCompilerFileName +
         "\" -mdl \"" + output_file + "\"";
}

void ConnectCompileLog(DOSOutputs* runner, CompileLog* log) {
  runner->SetReceiveOutputs(
      [log](const std::string& piece) { log->AppendToLog(piece); });
}

void RunCompileStep(const std::string& program_folder,
                    const std::string& output_file, DOSOutputs* runner,
                    CompileLog* log) {
  const std::string command_line =
      CompileCommandLine(program_folder, output_file);
  log->SetLogText(kCompileStartText);
  runner->SetCommandLine(command_line);
  runner->ExecuteCommand(std::string());
  log->AppendToLog(kCompileReadyText);
}

}  // namespace zum
