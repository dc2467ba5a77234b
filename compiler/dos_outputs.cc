#include "compiler/dos_outputs.h"

#include <string>
#include <vector>

#include "compiler/command_line_split.h"
#include "compiler/console_child.h"

namespace zum {
namespace {

// Where a program that could not be started was looked for, as a line that
// follows "File or command not found": the program of COMMAND_LINE, and for
// a name without a folder the PATH; empty when it names no program.
std::string LookedFor(const std::string& command_line) {
  const std::vector<std::string> words = SplitCommandLine(command_line);
  if (words.empty() || words[0].empty()) {
    return std::string();
  }
  const std::string& program = words[0];
#ifdef _WIN32
  const bool bare = program.find_first_of("\\/:") == std::string::npos;
#else
  const bool bare = program.find('/') == std::string::npos;
#endif
  return "\nLooked for " + program +
         (bare ? " in the folders of the PATH" : std::string());
}

}  // namespace

std::string DOSOutputs::ExecuteCommand(const std::string& command_line) {
  if (!command_line.empty()) {
    command_line_ = command_line;
  }
  exit_code_.reset();
  stop_requested_ = false;
  stopped_ = false;
  if (command_line_.empty()) {
    ShowCritical("Command Line empty");
    return std::string();
  }

  ConsoleChild child;
  const ChildStartResult start = child.Start(command_line_);
  switch (start.outcome) {
    case ChildStart::kStarted:
      break;
    case ChildStart::kPipeFailed:
      ShowCritical("CreatePipe failed. Error: " +
                   std::to_string(start.error_code));
      return std::string();
    case ChildStart::kNotFound:
      ShowCritical("File or command not found" + LookedFor(command_line_) +
                   (start.note.empty() ? "" : "\n" + start.note));
      return std::string();
  }

  outputs_.clear();
  char buffer[kReadSize];
  for (;;) {
    if (stop_requested_ && !stopped_) {
      child.Kill();
      stopped_ = true;
    }
    std::size_t count = 0;
    const ChildOutput got =
        child.Wait(buffer, kReadSize, &count, kWaitingPeriodMs);
    if (got == ChildOutput::kWaiting) {
      if (waiting_) {
        waiting_();
      }
      continue;
    }
    // The end of the output still yields its (empty) piece.
    const std::string piece(buffer, count);
    outputs_ += piece;
    if (receive_outputs_) {
      receive_outputs_(piece);
    }
    if (got == ChildOutput::kEnded) {
      break;
    }
  }
  stop_requested_ = false;
  child.Close();
  exit_code_ = child.exit_code();
  return outputs_;
}

void DOSOutputs::ShowCritical(const std::string& text) {
  if (messages_ != nullptr) {
    messages_->ShowError(text);
  }
}

}  // namespace zum
