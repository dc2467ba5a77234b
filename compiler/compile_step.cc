#include "compiler/compile_step.h"

#include "compiler/console_child.h"

namespace zum {
namespace {

// Outside Windows the compiler runs through wine, found on the PATH.
bool WineMissing() {
#ifdef _WIN32
  return false;
#else
  return FindOnPath("wine").empty();
#endif
}

}  // namespace

std::string CompilerPath(const std::string& program_folder) {
  return program_folder + kFolderSeparator + kCompilerFileName;
}

std::string CompileCommandLine(const std::string& program_folder,
                               const std::string& output_file) {
  return "\"" + CompilerPath(program_folder) + "\" -mdl \"" + output_file +
         "\"";
}

std::string CompilerMissingLine(const std::string& compiler_path,
                                bool wine_missing) {
  std::string line = std::string(kCompilerFileName) +
                     " was not found: looked for " + compiler_path +
                     ". Copy it there from the Fs2004 SDK.";
  if (wine_missing) {
    line +=
        " Outside Windows it runs through wine, which is not on the PATH: "
        "install wine as well.";
  }
  return line + "\r\n";
}

std::string CompilerExitCodeText(long long exit_code) {
  return "\r\n" + std::string(kCompilerFileName) + " ended with exit code " +
         std::to_string(exit_code) + ".";
}

bool RunCompileStep(const std::string& program_folder,
                    const std::string& output_file, DOSOutputs* runner,
                    CompileLog* log, FileSystem* fs,
                    const OutputCodePage& code_page) {
  const std::string compiler = CompilerPath(program_folder);
  log->SetLogText(kCompileStartText);
  FileInfo info;
  int error = 0;
  if (!fs->Stat(compiler, &info, &error) || info.type != FileType::kRegular) {
    log->AppendToLog(CompilerMissingLine(compiler, WineMissing()));
  }
  // The compiler reads its command line in the ANSI code page: names that
  // the code page cannot write are given in their short form, or the
  // compiler is not started.
  std::string compiler_folder;
  std::string output;
  Status status =
      FitNameToCodePage(program_folder, code_page, fs, &compiler_folder);
  if (status.ok()) {
    status = FitNameToCodePage(output_file, code_page, fs, &output);
  }
  if (!status.ok()) {
    log->AppendToLog(std::string(kCompilerFileName) +
                     " was not started: " + status.message() + "\r\n");
    log->AppendToLog(kCompileFailedText);
    return false;
  }
  runner->SetCommandLine(CompileCommandLine(compiler_folder, output));
  runner->ExecuteCommand(std::string());
  // Without an exit code the compiler never ran: it was not found or could
  // not start.
  const std::optional<long long> exit_code = runner->ExitCode();
  if (runner->Stopped()) {
    log->AppendToLog(kCompileStoppedText);
  } else if (exit_code.has_value() && *exit_code != 0) {
    log->AppendToLog(CompilerExitCodeText(*exit_code));
  }
  const bool succeeded =
      !runner->Stopped() && exit_code.has_value() && *exit_code == 0;
  log->AppendToLog(succeeded ? kCompileReadyText : kCompileFailedText);
  return succeeded;
}

}  // namespace zum
