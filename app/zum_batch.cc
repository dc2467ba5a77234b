// zum-batch: one generation from a saved settings file; see BatchUsage().

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define ZUM_ISATTY _isatty
#define ZUM_FILENO _fileno
#else
#include <unistd.h>
#define ZUM_ISATTY isatty
#define ZUM_FILENO fileno
#endif

#include "app/batch_run.h"
#include "app/console_text.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args = zum::Utf8Arguments(argc, argv);
  const zum::Utf8Console console;
  zum::RemoveTemporariesOnInterrupt();
  bool err_is_terminal = ZUM_ISATTY(ZUM_FILENO(stderr)) != 0;
  int status = zum::RunBatch(args, std::cout, std::cerr, err_is_terminal);
  // What could not be written (a full disk, a closed pipe) fails the run as
  // it fails the standard tools.
  std::cout.flush();
  std::cerr.flush();
  const bool written = std::cout.good() && std::cerr.good() &&
                       std::fflush(stdout) == 0 && std::ferror(stdout) == 0 &&
                       std::ferror(stderr) == 0;
  if (!written && status == zum::kBatchSucceeded) {
    status = zum::kBatchRunFailed;
  }
  return status;
}
