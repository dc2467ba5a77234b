#include "settings/job_summary.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/condition_lines.h"
#include "engine/number_rules.h"
#include "engine/utf8_path.h"
#include "settings/relative_names.h"

namespace zum {
namespace {

std::string Trimmed(std::string_view text) {
  return std::string(TrimBlanks(text));
}

std::string VariableWords(const std::string& typed,
                          const VariableTable& variables) {
  const std::string offset = Trimmed(typed);
  if (offset.empty()) {
    return "(no variable)";
  }
  const int row = variables.RowOfOffset(offset);
  if (row == VariableTable::kNone) {
    return offset;
  }
  return variables.DisplayName(row) + " (" + offset + ")";
}

// "x -10 to 10 m, y 0 to 5 m, z -5 to 5 m" from the six extents in output
// order (x, y, z minimum and maximum).
std::string BoxExtentWords(const std::array<std::string, 6>& extents) {
  static constexpr const char* kAxes[] = {"x", "y", "z"};
  std::string words;
  for (int axis = 0; axis < 3; ++axis) {
    words += (axis == 0 ? "" : ", ") + std::string(kAxes[axis]) + " " +
             Trimmed(extents[2 * axis]) + " to " +
             Trimmed(extents[2 * axis + 1]) + " m";
  }
  return words;
}

std::string BoxWords(const ConditionSpec& box, ConditionRole role) {
  const std::array<std::string, 6> typed = {box.BoxXMin, box.BoxXMax,
                                            box.BoxYMin, box.BoxYMax,
                                            box.BoxZMin, box.BoxZMax};
  std::string words = "the viewer is inside the box " + BoxExtentWords(typed);
  const std::string rotation = Trimmed(box.Rotation);
  double degrees = 0;
  if (!rotation.empty() &&
      !(ParseWholeNumber(rotation, &degrees) && degrees == 0)) {
    words += " turned " + rotation + " degrees about the y axis";
  }
  std::array<std::string, 6> tested;
  std::string err;
  if (!RotatedBoxExtents(box, role, &tested, &err)) {
    return words + " (which cannot be tested: " + err + ")";
  }
  for (int i = 0; i < 6; ++i) {
    if (Trimmed(tested[i]) != Trimmed(typed[i])) {
      return words + " (tested as " + BoxExtentWords(tested) + ")";
    }
  }
  return words;
}

std::string ConditionWords(const ConditionSpec& condition, ConditionRole role,
                           const VariableTable& variables) {
  switch (condition.Kind) {
    case ConditionKind::kBetween:
      return VariableWords(condition.Variable, variables) + " is between " +
             Trimmed(condition.Minimum) + " and " + Trimmed(condition.Maximum);
    case ConditionKind::kMask:
      return VariableWords(condition.Variable, variables) + " has any bit of " +
             Trimmed(condition.Minimum) + " set";
    case ConditionKind::kBoundingBox:
      break;
  }
  return BoxWords(condition, role);
}

std::string TriggerLine(const JobSettings& job,
                        const VariableTable& variables) {
  if (!job.TriggerEnabled) {
    return "Plays forward in a loop (no trigger).";
  }
  return "Plays forward when " +
         ConditionWords(job.Trigger, ConditionRole::kTrigger, variables) +
         ", and backwards when that stops holding.";
}

// The animation condition and the additional condition; empty when neither
// is enabled.
std::string GateLine(const JobSettings& job, const VariableTable& variables) {
  const bool in_wrapper = GatePlaceOf(job) == GatePlace::kSelectionBlocks;
  // Described as the run tests them.
  std::vector<std::string> tests;
  for (const GatingTest& gate : GatingTests(job, GatePlaceOf(job))) {
    tests.push_back(ConditionWords(gate.condition, gate.role, variables));
  }
  if (tests.empty()) {
    return std::string();
  }
  std::string line = "Only while " + tests[0];
  for (size_t i = 1; i < tests.size(); ++i) {
    line += ", and while " + tests[i];
  }
  if (!in_wrapper) {
    // A failing test holds the trigger state at rest.
    return line +
           " (applied to the trigger). Otherwise it rests at its first frame, "
           "whatever the trigger.";
  }
  // A failing test draws the first copy: animation 1 at its first frame.
  return line + " (applied to the animation). Otherwise " +
         (job.SecondaryEnabled ? "animation 1 is shown at its first frame."
                               : "it rests at its first frame.");
}

void AppendSecondaryLines(const JobSettings& job,
                          const VariableTable& variables, std::string* text) {
  int16_t count = 0;
  std::string ignored;
  if (!ToInt16(job.AnimationCount, &count, &ignored)) {
    count = 0;
  }
  count = std::clamp<int16_t>(count, 0, kMaxAnimations);
  const std::string variable = VariableWords(job.SecondaryVariable, variables);
  for (int a = 1; a <= count; ++a) {
    *text += "Animation " + IntText(a) + " of " + IntText(count) +
             " is shown while " + variable + " is between " +
             Trimmed(job.SecondaryMin[a]) + " and " +
             Trimmed(job.SecondaryMax[a]) + ".\n";
  }
  *text +=
      "When none of these holds, animation 1 is shown at its first "
      "frame.\n";
}

std::string FileLine(const std::string& what, const std::string& path) {
  std::error_code ec;
  const std::string shown = NativeSeparators(AbsoluteName(path));
  const std::uintmax_t size = std::filesystem::file_size(Utf8Path(path), ec);
  if (ec) {
    return what + ": " + shown + " (size unknown: " + ec.message() + ")\n";
  }
  return what + ": " + shown + " (" + std::to_string(size) +
         (size == 1 ? " byte)\n" : " bytes)\n");
}

}  // namespace

std::string JobSummary(const JobSettings& job, const VariableTable& variables) {
  std::string text = TriggerLine(job, variables) + "\n";
  const std::string gate = GateLine(job, variables);
  if (!gate.empty()) {
    text += gate + "\n";
  }
  if (job.SecondaryEnabled) {
    AppendSecondaryLines(job, variables, &text);
  }
  return text;
}

std::string WrittenFilesSummary(const std::string& output_file) {
  std::string companion;
  std::string ignored;
  if (!IncludedFileName(output_file, &companion, &ignored)) {
    return FileLine("Main file", output_file);
  }
  return FileLine("Main file", output_file) +
         FileLine("Companion file", companion);
}

std::string RunSummary(const JobSettings& job, const VariableTable& variables,
                       const std::string& forward_run) {
  std::string job_text = JobSummary(job, variables);
  if (!forward_run.empty()) {
    // JobSummary's first line is the trigger's.
    job_text.insert(job_text.find('\n') + 1, forward_run + "\n");
  }
  return WrittenFilesSummary(job.OutputFile) + job_text;
}

}  // namespace zum
