// POSIX backend of ConsoleChild: pipe, posix_spawn without a shell, read,
// waitpid.
#ifndef _WIN32

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include "compiler/command_line_split.h"
#include "compiler/console_child.h"

extern char** environ;

namespace zum {
namespace {

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsExecutableFile(const std::string& path) {
  return IsRegularFile(path) && access(path.c_str(), X_OK) == 0;
}

// Windows executables start with the two bytes "MZ".
bool IsWindowsProgram(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char magic[2] = {0, 0};
  return file.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

// Turns the words of a command line into the file to start and its argument
// vector. Returns false, with *note filled when there is more to say than
// "not found", when nothing can be started.
bool PlanSpawn(std::vector<std::string> words, std::string* file,
               std::vector<std::string>* argv, std::string* note) {
  if (words.empty() || words[0].empty()) {
    return false;
  }
  std::string program = words[0];
  if (program.find('/') == std::string::npos) {
    program = FindOnPath(program);
    if (program.empty()) {
      return false;
    }
  } else if (!IsRegularFile(program)) {
    return false;
  }
  if (IsWindowsProgram(program)) {
    const std::string wine = FindOnPath("wine");
    if (wine.empty()) {
      *note = words[0] +
              " is a Windows program; running it needs wine, which is not "
              "on the PATH.";
      return false;
    }
    words.insert(words.begin(), "wine");
    words[1] = program;
    program = wine;
  }
  *file = program;
  *argv = std::move(words);
  return true;
}

void CloseDescriptor(int* fd) {
  if (*fd >= 0) {
    close(*fd);
    *fd = -1;
  }
}

}  // namespace

std::string FindOnPath(const std::string& name) {
  const char* path = getenv("PATH");
  if (path == nullptr || name.empty()) {
    return std::string();
  }
  std::string entries(path);
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type colon = entries.find(':', start);
    std::string folder = entries.substr(
        start, colon == std::string::npos ? std::string::npos : colon - start);
    if (folder.empty()) {
      folder = ".";
    }
    const std::string candidate = folder + "/" + name;
    if (IsExecutableFile(candidate)) {
      return candidate;
    }
    if (colon == std::string::npos) {
      return std::string();
    }
    start = colon + 1;
  }
}

ConsoleChild::~ConsoleChild() {
  Close();
}

ChildStartResult ConsoleChild::Start(const std::string& command_line) {
  ChildStartResult result;
  int ends[2];
  if (pipe(ends) != 0) {
    result.outcome = ChildStart::kPipeFailed;
    result.error_code = static_cast<unsigned long>(errno);
    return result;
  }
  // Neither original end may stay open in the child: its copies of the write
  // end are the dup2'd standard output and standard error only.
  fcntl(ends[0], F_SETFD, FD_CLOEXEC);
  fcntl(ends[1], F_SETFD, FD_CLOEXEC);
  int read_fd = ends[0];
  int write_fd = ends[1];

  std::string file;
  std::vector<std::string> words;
  if (!PlanSpawn(SplitCommandLine(command_line), &file, &words, &result.note)) {
    CloseDescriptor(&read_fd);
    CloseDescriptor(&write_fd);
    result.outcome = ChildStart::kNotFound;
    return result;
  }
  std::vector<char*> argv;
  for (std::string& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null",
                                   O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, write_fd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, write_fd, STDERR_FILENO);
  // A process group of its own, so that Kill() ends what it starts too.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, file.c_str(), &actions, &attributes,
                                  argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  CloseDescriptor(&write_fd);
  if (spawned != 0) {
    CloseDescriptor(&read_fd);
    result.outcome = ChildStart::kNotFound;
    return result;
  }
  read_fd_ = read_fd;
  pid_ = pid;
  return result;
}

ChildOutput ConsoleChild::Wait(char* buffer, std::size_t size,
                               std::size_t* count, int timeout_ms) {
  *count = 0;
  if (read_fd_ < 0) {
    return ChildOutput::kEnded;
  }
  if (!exited_) {
    pollfd ready = {read_fd_, POLLIN, 0};
    int polled;
    do {
      polled = poll(&ready, 1, timeout_ms);
    } while (polled < 0 && errno == EINTR);
    if (polled == 0) {
      Reap(WNOHANG);
      if (!exited_) {
        return ChildOutput::kWaiting;
      }
      // What the child wrote before it ended is read without waiting for
      // the pipe to break.
      fcntl(read_fd_, F_SETFL, fcntl(read_fd_, F_GETFL) | O_NONBLOCK);
    }
  }
  ssize_t got;
  do {
    got = read(read_fd_, buffer, size);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    CloseDescriptor(&read_fd_);
    return ChildOutput::kEnded;
  }
  *count = static_cast<std::size_t>(got);
  return ChildOutput::kRead;
}

void ConsoleChild::Kill() {
  if (pid_ > 0 && !exited_) {
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
  }
}

void ConsoleChild::Reap(int options) {
  if (pid_ <= 0 || exited_) {
    return;
  }
  int status = 0;
  pid_t reaped;
  while ((reaped = waitpid(pid_, &status, options)) < 0 && errno == EINTR) {
  }
  if (reaped != pid_) {
    return;
  }
  exited_ = true;
  if (WIFEXITED(status)) {
    exit_code_ = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    exit_code_ = 128 + WTERMSIG(status);
  }
}

void ConsoleChild::Close() {
  CloseDescriptor(&read_fd_);
  Reap(0);
  pid_ = -1;
}

}  // namespace zum

#endif  // _WIN32
