#ifndef ZUM_COMPILER_DOS_OUTPUTS_H_
#define ZUM_COMPILER_DOS_OUTPUTS_H_

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace zum {

// Reports the runner's errors. The window shows each as a modal message box
// with the critical-error icon, an OK button and the application's default
// title; tests record them.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowError(const std::string& text) = 0;
};

// Runs one console command line as a hidden child process and collects what
// the child writes to its standard output and standard error, through one
// anonymous pipe, in reading order. Each piece is handed to the
// ReceiveOutputs handler as soon as it has been read.
//
// ExecuteCommand blocks the calling thread until the child has ended and
// everything it wrote has been read (a process that the child left running
// is not waited for), and raises ReceiveOutputs synchronously on that
// thread. While no output arrives it raises Waiting every kWaitingPeriodMs,
// so that a window can handle its events (QCoreApplication::processEvents)
// and so a Stop button, whose handler calls Stop().
class DOSOutputs {
 public:
  // Receives one piece of output (`CommandOutputs`): at most kReadSize bytes
  // as read, or an empty text once the output has ended.
  using ReceiveOutputsHandler = std::function<void(const std::string&)>;

  // Raised while the child runs and no output arrives.
  using WaitingHandler = std::function<void()>;

  // The most bytes one read takes from the pipe.
  static constexpr std::size_t kReadSize = 256;
  // How long ExecuteCommand waits for output between two Waiting events.
  static constexpr int kWaitingPeriodMs = 50;

  // `messages` must outlive this object.
  explicit DOSOutputs(MessageSink* messages) : messages_(messages) {}

  const std::string& CommandLine() const { return command_line_; }
  void SetCommandLine(const std::string& dos_command) {
    command_line_ = dos_command;
  }

  // Everything read during the last run that started a child.
  const std::string& Outputs() const { return outputs_; }

  // The exit code of the child of the last ExecuteCommand; empty when that
  // call started no child (or the code could not be had).
  std::optional<long long> ExitCode() const { return exit_code_; }

  // Sets the handler of the ReceiveOutputs event; an empty one ignores it.
  void SetReceiveOutputs(ReceiveOutputsHandler handler) {
    receive_outputs_ = std::move(handler);
  }

  // Sets the handler of the Waiting event; an empty one ignores it.
  void SetWaiting(WaitingHandler handler) { waiting_ = std::move(handler); }

  // Ends the running child (and, on POSIX, what it started): the run in
  // progress reads what is left and returns, and Stopped() is then true.
  // Callable from the Waiting or ReceiveOutputs handler, or from another
  // thread; without a run in progress it does nothing.
  void Stop() { stop_requested_ = true; }
  // Whether the last ExecuteCommand ended its child through Stop().
  bool Stopped() const { return stopped_; }

  // Runs the command and returns its collected output. A non-empty
  // `command_line` first replaces the stored command line, for this run and
  // later ones. ReceiveOutputs is raised once per read with the piece read
  // and once more with an empty piece when the pipe breaks.
  //
  // Failures report one error and return an empty text,
  // leaving Outputs() as it was: "Command Line empty" when there is no
  // command line, "CreatePipe failed. Error: " + the system's error code when
  // the pipe cannot be created, "File or command not found" when the program
  // cannot be started, followed by a line naming where it was looked for
  // ("Looked for C:\Tools\bglc_9.exe"; "... in the folders of the PATH"
  // for a name without a folder) and, on POSIX, a line saying that wine is
  // needed when the program is a Windows program and wine is not on the
  // PATH.
  std::string ExecuteCommand(const std::string& command_line = std::string());

 private:
  void ShowCritical(const std::string& text);

  MessageSink* messages_;
  ReceiveOutputsHandler receive_outputs_;
  WaitingHandler waiting_;
  std::atomic<bool> stop_requested_{false};
  bool stopped_ = false;
  std::string command_line_;
  std::string outputs_;
  std::optional<long long> exit_code_;
};

}  // namespace zum

#endif  // ZUM_COMPILER_DOS_OUTPUTS_H_
