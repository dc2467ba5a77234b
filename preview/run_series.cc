#include "preview/run_series.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

#include "preview/findings.h"
#include "preview/model_names.h"
#include "preview/operands.h"
#include "preview/timeline.h"

namespace zum {
namespace {

constexpr float kNone = std::numeric_limits<float>::quiet_NaN();

std::string Format(const char* format, double value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The local area that local word WORD belongs to.
int AreaOfWord(const PreviewProgram& program, int word) {
  int area = -1;
  for (size_t a = 0; a < program.area_first_word.size(); ++a) {
    if (program.area_first_word[a] <= word) {
      area = static_cast<int>(a);
    }
  }
  return area;
}

// The local area whose time word the keyframe command of MATRIX reads; -1
// for a matrix without a keyframe command.
int AreaOfMatrix(const PreviewProgram& program, int matrix) {
  if (matrix < 0 ||
      matrix >= static_cast<int>(program.command_of_matrix.size())) {
    return -1;
  }
  const int32_t index = program.command_of_matrix[matrix];
  if (index < 0 || program.code[index].op != PreviewOp::kAnimate) {
    return -1;
  }
  return AreaOfWord(program, program.code[index].c);
}

std::string PartName(const std::string& area_label) {
  static const std::string kMark = "_local_varbase_";
  const size_t at = area_label.rfind(kMark);
  if (at == std::string::npos || at + kMark.size() == area_label.size()) {
    return area_label;
  }
  return "part " + area_label.substr(at + kMark.size());
}

void FillPart(const PreviewRun& run, PartSeries* part) {
  const int passes = run.PassCount();
  part->x.assign(passes, kNone);
  part->y.assign(passes, kNone);
  part->z.assign(passes, kNone);
  part->angle.assign(passes, kNone);
  bool ranged = false;
  for (int p = 0; p < passes; ++p) {
    if (part->translation_block >= 0) {
      const PreviewPose& pose = run.Pose(p, part->translation_block);
      if (pose.kind == PreviewPose::kTranslation) {
        part->x[p] = pose.x;
        part->y[p] = pose.y;
        part->z[p] = pose.z;
        const auto [low, high] = std::minmax({pose.x, pose.y, pose.z});
        part->low = ranged ? std::min(part->low, low) : low;
        part->high = ranged ? std::max(part->high, high) : high;
        ranged = true;
      }
    }
    if (part->rotation_block >= 0) {
      const PreviewPose& pose = run.Pose(p, part->rotation_block);
      if (pose.kind == PreviewPose::kRotation) {
        part->angle[p] = static_cast<float>(pose.AngleDegrees());
        part->angle_high = std::max(part->angle_high, part->angle[p]);
      }
    }
  }
}

const ScenarioChange* ViewerAt(const Scenario& scenario, double time) {
  const ScenarioChange* viewer = nullptr;
  for (const ScenarioChange& change : scenario.changes) {
    if (change.viewer && change.time <= time + 1e-9 &&
        (viewer == nullptr || change.time >= viewer->time)) {
      viewer = &change;
    }
  }
  return viewer;
}

// The variables that the code tests, then those only the scenario sets:
// each its key and the text to name it by.
std::vector<std::pair<std::string, std::string>> NamedVariables(
    const PreviewProgram& program, const Scenario& scenario) {
  std::vector<std::pair<std::string, std::string>> variables;
  auto add = [&variables](const std::string& key, const std::string& text) {
    for (const auto& known : variables) {
      if (known.first == key) {
        return;
      }
    }
    variables.emplace_back(key, text);
  };
  for (const VariableTest& test : program.tests) {
    if (!test.box) {
      add(test.variable, test.variable);
    }
  }
  for (const ScenarioChange& change : scenario.changes) {
    if (!change.viewer) {
      add(change.variable, change.name);
    }
  }
  return variables;
}

std::string PoseWords(const PreviewPose& pose, int matrix) {
  const std::string of_matrix = " (matrix " + std::to_string(matrix) + ")";
  if (pose.kind == PreviewPose::kTranslation) {
    return "x " + Format("%.3f", pose.x) + ", y " + Format("%.3f", pose.y) +
           ", z " + Format("%.3f", pose.z) + " m" + of_matrix;
  }
  if (pose.kind == PreviewPose::kRotation) {
    double ax, ay, az;
    pose.Axis(&ax, &ay, &az);
    const std::string angle =
        "angle " + Format("%.1f", pose.AngleDegrees()) + " degrees";
    if (ax == 0 && ay == 0 && az == 0) {
      return angle + of_matrix;
    }
    return angle + " about " + Format("%.2f", ax) + ", " + Format("%.2f", ay) +
           ", " + Format("%.2f", az) + of_matrix;
  }
  return "";
}

}  // namespace

std::vector<RunSpan> SpansOf(const std::vector<int>& values) {
  std::vector<RunSpan> spans;
  for (int p = 0; p < static_cast<int>(values.size()); ++p) {
    if (spans.empty() || spans.back().value != values[p]) {
      spans.push_back({p, p + 1, values[p]});
    } else {
      spans.back().end = p + 1;
    }
  }
  return spans;
}

RunSeries BuildRunSeries(const PreviewProgram& program, const PreviewRun& run) {
  RunSeries series;
  std::vector<int> states, animations;
  for (const PassValues& pass : run.passes) {
    states.push_back(pass.state);
    animations.push_back(pass.animation);
    series.frame_high = std::max(series.frame_high, pass.frame);
  }
  if (program.has_trigger) {
    series.states = SpansOf(states);
  }
  if (ShowsAnimations(program)) {
    series.animations = SpansOf(animations);
  }
  if (run.poses.empty()) {
    return series;
  }
  std::vector<int> part_areas;
  for (int b = 0; b < run.block_count; ++b) {
    int area = -1;
    for (int p = 0; p < run.PassCount() && area < 0; ++p) {
      area = AreaOfMatrix(program, run.Matrix(p, b));
    }
    if (area < 0) {
      continue;
    }
    const size_t index = std::find(part_areas.begin(), part_areas.end(), area) -
                         part_areas.begin();
    if (index == part_areas.size()) {
      part_areas.push_back(area);
      series.parts.push_back({});
      series.parts.back().name = PartName(program.area_labels[area]);
    }
    PartSeries& part = series.parts[index];
    part.blocks.push_back(b);
    for (int p = 0; p < run.PassCount(); ++p) {
      const PreviewPose::Kind kind = run.Pose(p, b).kind;
      if (kind == PreviewPose::kTranslation && part.translation_block < 0) {
        part.translation_block = b;
      }
      if (kind == PreviewPose::kRotation && part.rotation_block < 0) {
        part.rotation_block = b;
      }
    }
  }
  for (PartSeries& part : series.parts) {
    FillPart(run, &part);
  }
  return series;
}

std::vector<std::string> MomentLines(const PreviewProgram& program,
                                     const Scenario& scenario,
                                     const PreviewRun& run,
                                     const RunSeries& series, int pass,
                                     const VariableTable* names) {
  std::vector<std::string> lines;
  if (pass < 0 || pass >= run.PassCount()) {
    return lines;
  }
  const PassValues& values = run.passes[pass];
  const double time = PreviewRun::Time(pass);
  lines.push_back("At " + Format("%.2f", time) + " s (tick " +
                  std::to_string(values.tick) + "), the model gives:");
  if (values.state >= 0) {
    lines.push_back("Trigger state " + std::to_string(values.state) + ": " +
                    std::string(TriggerStateWords(values.state)));
  }
  if (values.frame >= 0) {
    lines.push_back("Frame of part 1: " + std::to_string(values.frame));
  }
  if (!series.animations.empty()) {
    lines.push_back(values.animation > 0
                        ? "Animation shown: " + std::to_string(values.animation)
                        : std::string("Animation shown: none, the first "
                                      "copy's matrix (no condition holds)"));
  }
  for (const auto& [key, text] : NamedVariables(program, scenario)) {
    const std::string name = VariableName(text, names);
    lines.push_back(name + (name == key ? "" : " (" + key + ")") + ": " +
                    std::to_string(ScenarioValueAt(scenario, key, time)));
  }
  if (!program.boxes.empty()) {
    const ScenarioChange* viewer = ViewerAt(scenario, time);
    lines.push_back("Viewer at x " + Format("%g", viewer ? viewer->x : 0) +
                    ", y " + Format("%g", viewer ? viewer->y : 0) + ", z " +
                    Format("%g", viewer ? viewer->z : 0) + " m");
  }
  for (const PartSeries& part : series.parts) {
    std::string line = part.name;
    line[0] = static_cast<char>(std::toupper(line[0]));
    line += ":";
    for (int block : {part.translation_block, part.rotation_block}) {
      if (block < 0) {
        continue;
      }
      const std::string pose =
          PoseWords(run.Pose(pass, block), run.Matrix(pass, block));
      if (!pose.empty()) {
        line += (line.back() == ':' ? " " : "; ") + pose;
      }
    }
    lines.push_back(line);
  }
  if (run.block_count > 0) {
    std::string drawn = "Matrices drawn:";
    for (int b = 0; b < run.block_count; ++b) {
      const int matrix = run.Matrix(pass, b);
      drawn += (b == 0 ? " " : ", ") +
               (matrix >= 0 ? std::to_string(matrix) : std::string("none")) +
               " for " + std::to_string(program.blocks[b].input_matrix);
    }
    lines.push_back(drawn);
  }
  return lines;
}

}  // namespace zum
