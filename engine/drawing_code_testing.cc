#include "engine/drawing_code_testing.h"

#include "engine/generation_run.h"

namespace zum::testing {

DrawingCodeTest::DrawingCodeTest() {
  job_.TriggerEnabled = false;
  job_.OutputFile = dir_.File("out.asm");
}

std::string DrawingCodeTest::Companion(const ModelShape& shape) {
  const std::string part = std::to_string(shape.part);
  std::vector<std::string> lines = {
      "; companion file of the test model",
      "animation_parameters_riff_start label byte",
      "    db 'A','N','I','P'",
      "    dd animation_parameters_riff_end - $ - 4",
      "gate_" + part + "_tick18_mod_1 label word",
      "   dw    1",
      "   real4 -1.0",
      "   real4 16 dup (0.0)",
      "   dw    2",
      "   real4 0.0, 0.0",
      "   real4 65535.0, 65535.0",
      "gate_trans_" + part + " label word",
      "   dw    1",
      "   real4 -1.0",
      "   real4 16 dup (0.0)",
      "   dw    2",
      "   real4 0.0, 0.0, 0.0, 0.0",
      "   real4 " + std::to_string(shape.frames) + ".0, 0.0, 1.0, 0.0",
      "animation_parameters_riff_end label byte",
      "",
  };
  if (shape.interpolated_command || shape.transforms > 0) {
    lines.insert(lines.end(), {"animation_commands_riff_start label byte",
                               "    db 'A','N','I','C'",
                               "    dd animation_commands_riff_end - $ - 4"});
    if (shape.interpolated_command) {
      lines.insert(
          lines.end(),
          {"bgl_animation_command_start_0 label word",
           "    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\",
           "    VAR_BASE_LOCAL,0h,\\",
           "    VAR_BASE_LOCAL, (offset gate_" + part +
               "_tick18_mod_1 - offset gate_anim_base)",
           "    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
           "gate_trans_" +
               part + " - offset gate_anim_base), 0",
           "bgl_animation_command_end_0 label word"});
    }
    for (int k = 1; k <= shape.transforms; ++k) {
      const std::string number = std::to_string(k);
      lines.insert(lines.end(),
                   {"bgl_animation_command_start_" + number + " label word",
                    "    BGL_TRANSFORM_INDIRECT 2, " + number,
                    "bgl_animation_command_end_" + number + " label word"});
    }
    lines.insert(lines.end(), {"animation_commands_riff_end label byte", ""});
  }
  lines.insert(lines.end(),
               {"bgl_riff_start label byte", "    db 'B','G','L',' '",
                "    dd bgl_riff_end - $ - 4"});
  lines.insert(lines.end(), shape.drawing_code.begin(),
               shape.drawing_code.end());
  lines.insert(lines.end(), {"bgl_riff_end label byte", "", "; end"});
  return CrLf(lines);
}

void DrawingCodeTest::WriteAnimation(int a, const ModelShape& shape) {
  const std::string name = "anim" + std::to_string(a);
  job_.InputFile[a] = dir_.File(name + ".asm");
  WriteFile(job_.InputFile[a],
            CrLf({"; main file", "    include " + name + "_0.asm", "end"}));
  const std::string companion = Companion(shape);
  WriteFile(dir_.File(name + "_0.asm"), companion);
  if (a == 1) {
    companion_ = companion;
  }
}

Status DrawingCodeTest::Run() {
  return RunGeneration(job_,
                       [this](double share) { progress_.push_back(share); });
}

std::string DrawingCodeTest::DrawingCode() const {
  const std::string output = ReadFile(dir_.File("out_0.asm"));
  const size_t tag = output.find("'B','G','L',' '");
  if (tag == std::string::npos) {
    return "(no drawing code chunk)";
  }
  const size_t start = output.find("\r\n", tag) + 2;
  const size_t end_line = output.find("bgl_riff_end label", start);
  if (end_line == std::string::npos) {
    return output.substr(start);
  }
  return output.substr(start, output.find("\r\n", end_line) + 2 - start);
}

int DrawingCodeTest::LineOf(std::string_view text, int occurrence) const {
  const std::vector<std::string> lines = SplitCrLf(companion_);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(text) != std::string::npos && --occurrence == 0) {
      return static_cast<int>(i + 1);
    }
  }
  ADD_FAILURE() << "no line contains " << text;
  return 0;
}

std::string DrawingCodeTest::At(std::string_view text, int occurrence) const {
  return dir_.File("anim1_0.asm") + ":" +
         std::to_string(LineOf(text, occurrence)) + ": ";
}

}  // namespace zum::testing
