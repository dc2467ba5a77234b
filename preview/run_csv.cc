#include "preview/run_csv.h"

#include <cstdio>
#include <string>

namespace zum {
namespace {

void AppendNumber(double value, const char* format, std::string* line) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  if (std::string_view(text).find_first_not_of("-0.") ==
      std::string_view::npos) {
    line->append(text[0] == '-' ? text + 1 : text);  // no "-0.000"
  } else {
    line->append(text);
  }
}

}  // namespace

void WriteRunCsv(const PreviewProgram& program, const PreviewRun& run,
                 std::ostream& out) {
  std::string line = "time,tick,state,frame";
  for (const SelectionBlock& block : program.blocks) {
    line += ",matrix_" + std::to_string(block.input_matrix);
  }
  for (const SelectionBlock& block : program.blocks) {
    const std::string name = "matrix_" + std::to_string(block.input_matrix);
    for (const char* column :
         {"_x", "_y", "_z", "_angle", "_axis_x", "_axis_y", "_axis_z"}) {
      line += "," + name + column;
    }
  }
  out << line << '\n';
  for (int pass = 0; pass < run.PassCount(); ++pass) {
    const PassValues& values = run.passes[pass];
    line.clear();
    AppendNumber(PreviewRun::Time(pass), "%.3f", &line);
    line += "," + std::to_string(values.tick) + ",";
    if (values.state >= 0) {
      line += std::to_string(values.state);
    }
    line += ",";
    if (values.frame >= 0 || program.frame_word >= 0) {
      line += std::to_string(values.frame);
    }
    for (int block = 0; block < run.block_count; ++block) {
      line += ",";
      if (run.Matrix(pass, block) >= 0) {
        line += std::to_string(run.Matrix(pass, block));
      }
    }
    for (int block = 0; block < run.block_count; ++block) {
      const PreviewPose& pose = run.Pose(pass, block);
      if (pose.kind == PreviewPose::kTranslation) {
        for (float v : {pose.x, pose.y, pose.z}) {
          line += ",";
          AppendNumber(v, "%.3f", &line);
        }
      } else {
        line += ",,,";
      }
      if (pose.kind == PreviewPose::kRotation) {
        line += ",";
        AppendNumber(pose.AngleDegrees(), "%.2f", &line);
        double axis[3];
        pose.Axis(&axis[0], &axis[1], &axis[2]);
        for (double v : axis) {
          line += ",";
          AppendNumber(v, "%.3f", &line);
        }
      } else {
        line += ",,,,";
      }
    }
    out << line << '\n';
  }
}

}  // namespace zum
