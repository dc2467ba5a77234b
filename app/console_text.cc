#include "app/console_text.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "engine/text_encoding.h"
#endif

namespace zum {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide != nullptr) {
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
      args.push_back(Narrow(wide[i]));
    }
    LocalFree(wide);
    return args;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

Utf8Console::Utf8Console() {
#ifdef _WIN32
  previous_code_page_ = GetConsoleOutputCP();
  if (previous_code_page_ != 0) {
    SetConsoleOutputCP(CP_UTF8);
  }
#endif
}

Utf8Console::~Utf8Console() {
#ifdef _WIN32
  if (previous_code_page_ != 0) {
    SetConsoleOutputCP(previous_code_page_);
  }
#endif
}

}  // namespace zum
