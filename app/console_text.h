#ifndef ZUM_APP_CONSOLE_TEXT_H_
#define ZUM_APP_CONSOLE_TEXT_H_

#include <string>
#include <vector>

// The console programs' arguments and output in UTF-8, as every name is
// inside ZUM.
namespace zum {

// The program's arguments after its name, in UTF-8. On Windows they come
// from the wide command line (argv holds them in the ANSI code page, which
// loses every letter outside it); elsewhere they are ARGV's bytes.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// While it lives, a Windows console shows the program's UTF-8 output as
// such (its output code page is UTF-8, and is given back afterwards).
// Nothing elsewhere, nor where the output is no console.
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
#ifdef _WIN32
  unsigned int previous_code_page_ = 0;
#endif
};

}  // namespace zum

#endif  // ZUM_APP_CONSOLE_TEXT_H_
