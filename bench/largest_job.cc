#include "bench/largest_job.h"

#include <cstdio>
#include <string>

namespace zum::bench {
namespace {

class File {
 public:
  explicit File(const std::string& path) : f_(std::fopen(path.c_str(), "wb")) {}
  ~File() { std::fclose(f_); }
  void Line(const std::string& text) {
    std::fprintf(f_, "%s\r\n", text.c_str());
  }

 private:
  std::FILE* f_;
};

void Table(File& f, const std::string& label, int kind, int animation) {
  f.Line(label + " label word");
  f.Line("   dw    " + std::to_string(kind));
  f.Line("   real4 -1.0");
  f.Line("   real4 16 dup (0.0)");
  f.Line("   dw    1025");
  char row[160];
  for (int r = 0; r < 1025; ++r) {
    double t = r / 1024.0;
    if (kind == 1) {
      std::snprintf(row, sizeof row, "   real4 %d.0, %.6f, %.6f, %.6f", r,
                    t * animation, -t * 2.5, t * 0.125);
    } else {
      std::snprintf(row, sizeof row, "   real4 %d.0, %.6f, %.6f, %.6f, %.6f", r,
                    0.0, t * 0.7071 / animation, 0.0, 1.0 - t * 0.2929);
    }
    f.Line(row);
  }
}

// An interpolation table of two rows, 0 -> 0 and KEY -> VALUE.
void TickTable(File& f, const std::string& label, int key, int value) {
  f.Line(label + " label word");
  f.Line("    dw    2");
  f.Line("    dw    0, 0");
  f.Line("    dw    " + std::to_string(key) + ", " + std::to_string(value));
}

void WriteAnimation(const std::string& folder, int a, int parts) {
  std::string name = "obj" + std::to_string(a);
  {
    File main(folder + "/" + name + ".asm");
    main.Line("; " + name);
    main.Line("    include " + name + "_0.asm");
    main.Line("    end");
  }
  File f(folder + "/" + name + "_0.asm");
  f.Line("    db 'A','N','I','P'");
  f.Line("    dd animation_parameters_riff_end - $ - 4");
  for (int p = 1; p <= parts; ++p) {
    std::string part = std::to_string(p);
    // The tick tables: ticks wrap at 65535, frames at 1025 (0..1024), and
    // the float table gives 256.0's high word at frame 256.
    TickTable(f, "obj_" + part + "_tick18_mod_1", 65535, 65535);
    TickTable(f, "obj_" + part + "_tick18_mod_2", 1025, 1025);
    TickTable(f, "obj_" + part + "_float_convert_hi", 256, 17280);
    Table(f, "obj_trans_" + part, 1, a);
    Table(f, "obj_quat_" + part, 3, a);
  }
  f.Line("animation_parameters_riff_end label byte");
  // Commands 0 .. 2 * parts - 1: a translation and a rotation per part.
  f.Line("    db 'A','N','I','C'");
  f.Line("    dd animation_commands_riff_end - $ - 4");
  for (int p = 1; p <= parts; ++p) {
    for (const char* kind : {"trans", "quat"}) {
      int k = 2 * (p - 1) + (kind[0] == 'q');
      std::string part = std::to_string(p);
      f.Line("bgl_animation_command_start_" + std::to_string(k) +
             " label word");
      f.Line("    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\");
      f.Line("    VAR_BASE_LOCAL,0h,\\");
      f.Line("    VAR_BASE_LOCAL, (offset obj_" + part +
             "_tick18_mod_1 - offset obj_base)");
      f.Line(
          "    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
          "obj_" +
          std::string(kind) + "_" + part + " - offset obj_base), " +
          std::to_string(k));
      f.Line("bgl_animation_command_end_" + std::to_string(k) + " label word");
    }
  }
  f.Line("animation_commands_riff_end label byte");
  f.Line("    db 'S','C','E','N'");
  f.Line("    dd scene_graph_riff_end - $ - 4");
  f.Line("    dw " + std::to_string(2 * parts));
  for (int k = 0; k < 2 * parts; ++k) {
    bool translation = k % 2 == 0;
    std::string child = translation ? std::to_string(k + 1) : "-1";
    std::string sibling =
        translation && k + 2 < 2 * parts ? std::to_string(k + 2) : "-1";
    f.Line("    BGL_SCENEGRAPH_ENTRY " + std::to_string(k) + ", " + child +
           ", " + sibling + ", 0, 0");
  }
  f.Line("scene_graph_riff_end label byte");
  f.Line("    db 'B','G','L',' '");
  f.Line("    dd bgl_riff_end - $ - 4");
  f.Line("obj_MasterScale_1 label BGLCODE");
  for (int k = 0; k < 2 * parts; ++k) {
    f.Line("    BGL_SET_MATRIX_INDIRECT " + std::to_string(k));
    f.Line("    BGL_DRAW_TRILIST 0, 8, 12");
  }
  f.Line("    BGL_RETURN");
  f.Line("bgl_riff_end label byte");
  // The search for the end of an animation's last part stops at a later
  // "_tick18_" line: the command chunk provides one.
}

}  // namespace

JobSettings WriteLargestJob(const std::string& folder, int parts) {
  JobSettings job;
  job.AnimationConditionEnabled = true;
  job.AnimationCondition.Kind = ConditionKind::kBetween;
  job.AnimationCondition.Variable = "033Bh";
  job.AnimationCondition.Minimum = "0";
  job.AnimationCondition.Maximum = "2000";
  job.AdditionalConditionEnabled = true;
  job.AdditionalCondition.Variable = "028Ch";
  job.AdditionalCondition.Minimum = "1";
  job.AdditionalCondition.Maximum = "3";
  job.AdditionalAppliesTo = AppliesTo::kAnimation;
  job.TriggerEnabled = true;
  job.Trigger.Variable = "0312h";
  job.Trigger.Minimum = "1";
  job.Trigger.Maximum = "1";
  job.SecondaryEnabled = true;
  job.SecondaryVariable = "0314h";
  job.AnimationCount = std::to_string(kMaxAnimations);
  for (int a = 1; a <= kMaxAnimations; ++a) {
    WriteAnimation(folder, a, parts);
    job.InputFile[a] = folder + "/obj" + std::to_string(a) + ".asm";
    job.SecondaryMin[a] = std::to_string(a);
    job.SecondaryMax[a] = std::to_string(a);
  }
  job.OutputFile = folder + "/out.asm";
  return job;
}

}  // namespace zum::bench
