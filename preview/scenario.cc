#include "preview/scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "preview/operands.h"

namespace zum {

double Scenario::Length() const {
  if (seconds > 0) {
    return seconds;
  }
  double last = 0;
  for (const ScenarioChange& change : changes) {
    last = std::max(last, change.time);
  }
  return std::max(10.0, last + 5.0);
}

int Scenario::PassCount() const {
  return static_cast<int>(std::floor(Length() * kTicksPerSecond + 1e-6)) + 1;
}

namespace {

// The words of LINE split at blanks and tabs.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
      ++at;
    }
    const size_t start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
      ++at;
    }
    if (at > start) {
      words.push_back(line.substr(start, at - start));
    }
  }
  return words;
}

// The longest time a scenario may run: an hour of passes.
constexpr double kMaxSeconds = 3600;

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

}  // namespace

Status ReadScenarioLine(std::string_view line, const std::string& file,
                        int line_number, Scenario* scenario) {
  const size_t hash = line.find('#');
  if (hash != std::string_view::npos) {
    line = line.substr(0, hash);
  }
  const std::vector<std::string_view> words = Words(line);
  if (words.empty()) {
    return Status::OK();
  }
  auto error = [&](const std::string& message) {
    return Status::AtLine(file, line_number, message);
  };
  double number;
  if (words[0] == "seconds" || words[0] == "start_tick") {
    if (words.size() != 2 || !ParseWholeNumber(words[1], &number)) {
      return error("expected " + std::string(words[0]) + " and one number");
    }
    if (words[0] == "seconds") {
      if (!(number > 0 && number <= kMaxSeconds)) {
        return error("the length must lie above 0 and at most 3600 s, found " +
                     Quoted(words[1]));
      }
      scenario->seconds = number;
    } else {
      if (!(number >= 0 && number <= 1e9) || number != std::floor(number)) {
        return error("the start tick must be a whole number from 0, found " +
                     Quoted(words[1]));
      }
      scenario->start_tick = static_cast<long>(number);
    }
    return Status::OK();
  }
  ScenarioChange change;
  change.line = line_number;
  if (!ParseWholeNumber(words[0], &change.time) || !(change.time >= 0) ||
      change.time > kMaxSeconds) {
    return error("expected a time in seconds (0 to 3600), found " +
                 Quoted(words[0]));
  }
  if (words.size() < 2) {
    return error("expected a variable or viewer after the time");
  }
  change.name = std::string(words[1]);
  if (words[1] == "viewer") {
    change.viewer = true;
    if (words.size() != 5 || !ParseWholeNumber(words[2], &change.x) ||
        !ParseWholeNumber(words[3], &change.y) ||
        !ParseWholeNumber(words[4], &change.z)) {
      return error("expected viewer X Y Z in metres");
    }
  } else {
    long offset;
    const char first = words[1][0];
    const bool symbol = (first >= 'A' && first <= 'Z') ||
                        (first >= 'a' && first <= 'z') || first == '_';
    const bool hex = ReadOperand(words[1], &offset) && offset >= 0 &&
                     offset <= 0xFFFF &&
                     (words[1].back() == 'h' || words[1].back() == 'H');
    if (!hex && !symbol) {
      return error(
          "expected a variable offset such as 0282h or viewer, found " +
          Quoted(words[1]));
    }
    change.variable = VariableKey(words[1]);
    if (words.size() != 3) {
      return error("expected one value for " + Quoted(words[1]));
    }
    if (!ReadWord(words[2], &change.value)) {
      return error("the value " + Quoted(words[2]) +
                   " is no 16-bit number (-32768 to 65535)");
    }
  }
  scenario->changes.push_back(std::move(change));
  return Status::OK();
}

int ScenarioValueAt(const Scenario& scenario, const std::string& key,
                    double time) {
  int value = 0;
  double latest = -1;
  for (const ScenarioChange& change : scenario.changes) {
    if (!change.viewer && change.variable == key &&
        change.time <= time + 1e-9 && change.time >= latest) {
      value = SignedWord(change.value);
      latest = change.time;
    }
  }
  return value;
}

Status ReadScenarioFile(const std::string& path, Scenario* scenario) {
  *scenario = Scenario();
  LineReader in;
  ZUM_RETURN_IF_ERROR(in.Open(path));
  std::string line;
  while (in.Next(&line)) {
    ZUM_RETURN_IF_ERROR(ReadScenarioLine(
        line, path, static_cast<int>(in.line_number()), scenario));
  }
  return in.status();
}

std::string ScenarioText(const Scenario& scenario) {
  std::string text;
  if (scenario.seconds > 0) {
    text += "seconds " + Number(scenario.seconds) + "\n";
  }
  if (scenario.start_tick != 0) {
    text += "start_tick " + std::to_string(scenario.start_tick) + "\n";
  }
  for (const ScenarioChange& change : scenario.changes) {
    text += Number(change.time) + " ";
    if (change.viewer) {
      text += "viewer " + Number(change.x) + " " + Number(change.y) + " " +
              Number(change.z);
    } else {
      text += change.name + " " + std::to_string(SignedWord(change.value));
    }
    text += "\n";
  }
  return text;
}

Status WriteScenarioFile(const std::string& path, const Scenario& scenario) {
  LineWriter out;
  ZUM_RETURN_IF_ERROR(out.OpenReplacing(path));
  const std::string text = ScenarioText(scenario);
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    out.WriteLine(std::string_view(text).substr(start, end - start));
    start = end + 1;
  }
  return out.Commit();
}

}  // namespace zum
