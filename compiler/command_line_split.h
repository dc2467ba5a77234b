#ifndef ZUM_COMPILER_COMMAND_LINE_SPLIT_H_
#define ZUM_COMPILER_COMMAND_LINE_SPLIT_H_

#include <string>
#include <string_view>
#include <vector>

namespace zum {

// Splits a console command line into the program and its arguments the way
// Windows splits a process's command line (the rules of CommandLineToArgvW),
// so that a command line written for Windows means the same on every system.
//
// The program (first element) ends at the first blank or tab; when it starts
// with a double quote it runs to the next double quote instead, backslashes
// being ordinary characters. Each argument after it ends at a blank or tab
// outside double quotes; a double quote opens or closes a quoted part and is
// dropped; 2n backslashes before a double quote give n backslashes, 2n + 1
// give n backslashes and a literal double quote; other backslashes are
// ordinary; in a quoted part a second double quote directly after the
// closing one gives a literal double quote. `""` is an empty argument.
//
// Leading blanks are skipped. Returns an empty list for a line of blanks.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

}  // namespace zum

#endif  // ZUM_COMPILER_COMMAND_LINE_SPLIT_H_
