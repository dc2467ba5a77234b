#ifndef ZUM_COMPILER_CONSOLE_CHILD_H_
#define ZUM_COMPILER_CONSOLE_CHILD_H_

#include <cstddef>
#include <optional>
#include <string>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace zum {

// How an attempt to start a console child ended.
enum class ChildStart {
  kStarted,
  kPipeFailed,  // the output pipe could not be created
  kNotFound,    // the program could not be started
};

struct ChildStartResult {
  ChildStart outcome = ChildStart::kStarted;
  // The system's error code when the pipe could not be created.
  unsigned long error_code = 0;
  // Why the program could not be started, when there is more to say than
  // that it was not found; else empty.
  std::string note;
};

// What ConsoleChild::Wait found.
enum class ChildOutput {
  kRead,     // a piece of output was read
  kWaiting,  // nothing arrived within the time given; the child runs on
  kEnded,    // the child has ended and everything it wrote has been read
};

// One console child process whose standard output and standard error both go
// into one anonymous pipe that this object reads. The child's standard input
// is empty and, on Windows, its window is hidden. The platform backend is
// chosen at compile time (console_child_posix.cc, console_child_win32.cc).
//
// Not copyable; one Start per object. Used on one thread.
class ConsoleChild {
 public:
  ConsoleChild() = default;
  ConsoleChild(const ConsoleChild&) = delete;
  ConsoleChild& operator=(const ConsoleChild&) = delete;
  // Closes what Close has not closed yet.
  ~ConsoleChild();

  // Creates the pipe, then starts the command line with the pipe's write end
  // as standard output and standard error, and closes this process's copy of
  // the write end so that the pipe breaks when the child and its heirs have
  // closed theirs. On failure nothing stays open.
  //
  // Windows hands the command line (UTF-8) to CreateProcessW in UTF-16. POSIX
  // splits it with SplitCommandLine and starts the program with posix_spawn,
  // without a shell: a program name without '/' is looked up in the folders of
  // the PATH, as posix_spawnp would (an empty entry is the current folder; with
  // no PATH nothing is found), taking the first executable regular file; a
  // file starting with "MZ" (a Windows program) is run as
  // `wine PROGRAM ARGS...` when wine is on the PATH.
  ChildStartResult Start(const std::string& command_line);

  // Waits at most `timeout_ms` for output. kRead: at most `size` bytes were
  // read into `buffer`, *count of them. kEnded (with *count = 0): the pipe
  // is broken, or the child has ended and the pipe holds nothing more, so a
  // process that the child left running with the pipe open keeps no caller
  // waiting. kWaiting: neither within the time.
  ChildOutput Wait(char* buffer, std::size_t size, std::size_t* count,
                   int timeout_ms);

  // Ends the child at once (on POSIX with its process group, so that what
  // it started goes too). Wait() then reports what is left and the end.
  void Kill();

  // Closes the pipe, waits for the child to end if it is still running,
  // and releases it.
  void Close();

  // The exit code of the child that Close() released; empty before that
  // and when no child was started. A POSIX child ended by a signal gives
  // 128 + the signal's number, as shells report it.
  std::optional<long long> exit_code() const { return exit_code_; }

 private:
  std::optional<long long> exit_code_;
#ifdef _WIN32
  void* read_handle_ = nullptr;
  void* process_handle_ = nullptr;
  void* thread_handle_ = nullptr;
#else
  // Collects the child's exit status; OPTIONS as for waitpid().
  void Reap(int options);

  int read_fd_ = -1;
  pid_t pid_ = -1;
  bool exited_ = false;
#endif
};

#ifndef _WIN32
// The first executable regular file NAME in the folders of the PATH (an
// empty entry is the current folder), as Start looks a program up; empty
// when there is none or no PATH.
std::string FindOnPath(const std::string& name);
#endif

}  // namespace zum

#endif  // ZUM_COMPILER_CONSOLE_CHILD_H_
