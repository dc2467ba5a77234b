// A console program with known output, for the runner's tests:
//   chatter               writes nothing
//   chatter both N M      writes N bytes to standard output, then M bytes to
//                         standard error (the bytes of ChatterText)
//   chatter stdin         reads standard input to its end and writes
//                         "stdin N\n", N being the number of bytes read
//   chatter sleep MS      writes "started\n", sleeps MS milliseconds, then
//                         writes "slept\n"
//   chatter hold MS       sleeps MS milliseconds and writes nothing
//   chatter linger MS     writes "started\n" and starts `chatter hold MS`,
//                         which keeps its standard output and error, and
//                         ends without waiting for it
//   chatter ARG...        (anything else) writes each argument as "[ARG]\n"
// It exits with the code in the environment variable ZUM_CHATTER_EXIT (0
// when unset), or, when that is "term", raises SIGTERM after writing.
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "compiler/testdata/chatter_text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <spawn.h>
#include <unistd.h>
extern char** environ;
#endif

namespace {

void Write(FILE* stream, const std::string& text) {
  fwrite(text.data(), 1, text.size(), stream);
  fflush(stream);
}

void SleepMs(unsigned long ms) {
#ifdef _WIN32
  Sleep(ms);
#else
  usleep(static_cast<useconds_t>(ms) * 1000);
#endif
}

// Starts this program as `PROGRAM hold MS` with the same standard output
// and error, and does not wait for it.
void StartSleeper(const char* program, const char* ms) {
#ifdef _WIN32
  (void)program;
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string line = std::string("\"") + module + "\" hold " + ms;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     nullptr, &startup, &process)) {
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
#else
  char hold_word[] = "hold";
  char* argv[] = {const_cast<char*>(program), hold_word, const_cast<char*>(ms),
                  nullptr};
  pid_t pid;
  posix_spawn(&pid, program, nullptr, nullptr, argv, environ);
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  using zum::testing::ChatterText;
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "both" && argc == 4) {
    Write(stdout, ChatterText("out", strtoul(argv[2], nullptr, 10)));
    Write(stderr, ChatterText("err", strtoul(argv[3], nullptr, 10)));
  } else if (mode == "sleep" && argc == 3) {
    Write(stdout, "started\n");
    SleepMs(strtoul(argv[2], nullptr, 10));
    Write(stdout, "slept\n");
  } else if (mode == "hold" && argc == 3) {
    SleepMs(strtoul(argv[2], nullptr, 10));
  } else if (mode == "linger" && argc == 3) {
    Write(stdout, "started\n");
    StartSleeper(argv[0], argv[2]);
  } else if (mode == "stdin" && argc == 2) {
    std::size_t total = 0;
    char buffer[512];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), stdin)) > 0) {
      total += got;
    }
    Write(stdout, "stdin " + std::to_string(total) + "\n");
  } else {
    for (int i = 1; i < argc; ++i) {
      Write(stdout, std::string("[") + argv[i] + "]\n");
    }
  }
  const char* exit_code = getenv("ZUM_CHATTER_EXIT");
  if (exit_code != nullptr && std::string(exit_code) == "term") {
    raise(SIGTERM);
  }
  return exit_code == nullptr ? 0 : atoi(exit_code);
}
