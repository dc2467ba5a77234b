#include "compiler/command_line_split.h"

#include <cstddef>
#include <utility>

namespace zum {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  const std::size_t end = line.size();
  std::size_t i = 0;
  while (i < end && IsBlank(line[i])) {
    ++i;
  }
  if (i == end) {
    return words;
  }

  // The program name knows no escapes.
  std::string program;
  if (line[i] == '"') {
    ++i;
    while (i < end && line[i] != '"') {
      program += line[i++];
    }
    if (i < end) {
      ++i;
    }
  } else {
    while (i < end && !IsBlank(line[i])) {
      program += line[i++];
    }
  }
  words.push_back(std::move(program));

  for (;;) {
    while (i < end && IsBlank(line[i])) {
      ++i;
    }
    if (i == end) {
      break;
    }
    std::string word;
    // Counts the double quotes of the current run; 1 means "inside quotes".
    // A run reaching 3 emits a literal quote and starts over at 0.
    int quotes = 0;
    std::size_t backslashes = 0;
    while (i < end && !(IsBlank(line[i]) && quotes == 0)) {
      const char c = line[i];
      if (c == '\\') {
        ++backslashes;
        ++i;
        continue;
      }
      if (c != '"') {
        word.append(backslashes, '\\');
        backslashes = 0;
        word += c;
        ++i;
        continue;
      }
      word.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        word += '"';
      } else {
        ++quotes;
      }
      backslashes = 0;
      ++i;
      while (i < end && line[i] == '"') {
        if (++quotes == 3) {
          word += '"';
          quotes = 0;
        }
        ++i;
      }
      if (quotes == 2) {
        quotes = 0;
      }
    }
    word.append(backslashes, '\\');
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace zum
