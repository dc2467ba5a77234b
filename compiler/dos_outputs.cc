#include "compiler/dos_outputs.h"

#include <string>

#include "compiler/console_child.h"

namespace zum {

std::string DOSOutputs::ExecuteCommand(const std::string& command_line) {
  if (!command_line.empty()) {
    command_line_ = command_line;
  }
  exit_code_.reset();
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
      ShowCritical(start.note.empty()
                       ? std::string("File or command not found")
                       : "File or command not found\n" + start.note);
      return std::string();
  }

  outputs_.clear();
  char buffer[kReadSize];
  bool reading = true;
  while (reading) {
    std::size_t count = 0;
    // The failed read that ends the output still yields its (empty) piece.
    reading = child.Read(buffer, kReadSize, &count);
    const std::string piece(buffer, count);
    outputs_ += piece;
    if (receive_outputs_) {
      receive_outputs_(piece);
    }
  }
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
