#ifndef ZUM_APP_PREVIEW_COMMAND_H_
#define ZUM_APP_PREVIEW_COMMAND_H_

#include <ostream>
#include <string>
#include <vector>

// zum-preview: the written output pair run over a scenario, told in words
// or as CSV.
namespace zum {

inline constexpr int kPreviewSucceeded = 0;
// The output has a defect, a file cannot be read or a scenario line is bad;
// the "FILE:LINE: message" was printed.
inline constexpr int kPreviewFailed = 1;
// Bad usage.
inline constexpr int kPreviewUsage = 2;

// The text that --help prints.
std::string PreviewUsage();

// Runs `zum-preview ARGS...` (ARGS without the program name). The findings
// and the timeline, or the CSV, go to OUT; errors to ERR. Returns the exit
// status.
int RunPreviewCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);

}  // namespace zum

#endif  // ZUM_APP_PREVIEW_COMMAND_H_
