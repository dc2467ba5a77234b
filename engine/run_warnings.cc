#include "engine/run_warnings.h"

#include <charconv>

#include "engine/number_rules.h"
#include "engine/status.h"

namespace zum {

void RunWarnings::Add(const std::string& file, long line,
                      std::string_view message) {
  ++total_;
  if (kept_.size() < kMaxWarningsKept) {
    kept_.push_back(ShortName(file) + ":" + std::to_string(line) + ": " +
                    std::string(message));
  }
}

void RunWarnings::Append(const RunWarnings& later) {
  total_ += later.total_;
  for (const std::string& warning : later.kept_) {
    if (kept_.size() >= kMaxWarningsKept) {
      break;
    }
    kept_.push_back(warning);
  }
}

std::string ReadValueText(float value) {
  char text[32];
  const std::to_chars_result end =
      std::to_chars(text, text + sizeof text, value);
  return std::string(text, end.ptr);
}

std::string RoundedNumberWarning(std::string_view what, std::string_view text,
                                 int value) {
  double number = 0;
  if (!ParseWholeNumber(text, &number) || number == value) {
    return std::string();
  }
  return std::string(what) + " " + Quoted(TrimBlanks(text)) + " read as " +
         IntText(value);
}

}  // namespace zum
