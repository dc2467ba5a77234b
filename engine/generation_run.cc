#include "engine/generation_run.h"

#include <memory>
#include <string>

#include "engine/animation_commands.h"
#include "engine/asm_lines.h"
#include "engine/bgl_code.h"
#include "engine/number_rules.h"
#include "engine/output_names.h"
#include "engine/scene_graph.h"
#include "engine/source_scanner.h"

namespace zum {

GenerationRun::GenerationRun(const JobSettings& job, ProgressFn progress)
    : job_(job), io_(std::move(progress)) {}

GenerationRun::~GenerationRun() {
  CloseAllFiles();
}

void GenerationRun::CloseAllFiles() {
  io_.CloseInputs();
  io_.out().Abandon();
  main_out_.Abandon();
}

// Also derives the companion names that the run opens.
Status GenerationRun::CheckFileNames() {
  std::string err;
  const std::string& output = job_.OutputFile;
  if (TrimBlanks(output).empty()) {
    return Status::Error("no output file is named");
  }
  if (output.find('\0') != std::string::npos) {
    return Status::Error("output file: the name holds a NUL character");
  }
  if (!IncludedFileName(output, &companion_output_, &err)) {
    return Status::Error("output file: " + err);
  }
  for (int a = 1; a <= animation_count_; ++a) {
    const std::string& input = job_.InputFile[a];
    if (input.find('\0') != std::string::npos) {
      return Status::Error("input file of animation " + IntText(a) +
                           ": the name holds a NUL character");
    }
    if (!IncludedFileName(input, &input_companion_[a], &err)) {
      return Status::Error("input file of animation " + IntText(a) + ": " +
                           err);
    }
    const std::string& input_companion = input_companion_[a];
    for (const std::string& out : OutputFiles(output)) {
      for (const std::string* in : {&input, &input_companion}) {
        if (SameFile(out, *in)) {
          return Status::Error(
              "the output would overwrite an input: '" + out +
              "' is the file '" + *in + "' of animation " + IntText(a) +
              "; choose another output file (inputs are never overwritten)");
        }
      }
    }
  }
  return Status::OK();
}

Status GenerationRun::RunGeneration() {
  std::string err;
  if (!ToInt16Named("number of animations", job_.AnimationCount,
                    &animation_count_, &err)) {
    return Status::Error(err);
  }
  if (animation_count_ < 1 || animation_count_ > kMaxAnimations) {
    return Status::Error("number of animations is " +
                         IntText(animation_count_) + "; it must be 1 to " +
                         IntText(kMaxAnimations));
  }
  if (!job_.SecondaryEnabled && animation_count_ != 1) {
    return Status::Error("number of animations is " +
                         IntText(animation_count_) +
                         "; without the secondary condition it must be 1");
  }
  ZUM_RETURN_IF_ERROR(CheckFileNames());
  tables_ = std::make_unique<AnimationTables>(animation_count_);

  // Every input is scanned, so that a bad one stops the run before any
  // output is written; animation 1's scan gives the run its shape.
  SourceScan first;
  for (int a = 1; a <= animation_count_; ++a) {
    SourceScan scan;
    ZUM_RETURN_IF_ERROR(ScanSourceFile(input_companion_[a], &scan));
    if (a == 1) {
      first = scan;
    }
  }
  shape_ = MakeRunShape(job_, animation_count_, first);
  io_.AddProgress(kStageProgress);

  LineReader& main = io_.InputOf(1);
  Status status = WriteMainFile();
  if (status.ok()) {
    status = OpenCompanionFiles();
  }
  while (status.ok() && !main.AtEnd()) {
    status = DispatchLine();
  }
  if (status.ok()) {
    status = main.status();
  }
  if (status.ok()) {
    status = CommitOutputs();
  }
  CloseAllFiles();
  return status;
}

Status GenerationRun::CommitOutputs() {
  io_.CloseInputs();
  ZUM_RETURN_IF_ERROR(io_.out().Commit());
  return main_out_.Commit();
}

// Animation 1's main file, with every include line naming the output's
// companion.
Status GenerationRun::WriteMainFile() {
  const std::string include_line = "include " + companion_output_;
  LineReader main_input;
  ZUM_RETURN_IF_ERROR(main_input.OpenNonEmpty(job_.InputFile[1]));
  ZUM_RETURN_IF_ERROR(main_out_.OpenReplacing(job_.OutputFile));
  std::string line;
  while (main_input.Next(&line)) {
    main_out_.WriteLine(Contains(line, "include") ? include_line : line);
  }
  ZUM_RETURN_IF_ERROR(main_input.status());
  main_input.Close();
  return main_out_.Finish();
}

Status GenerationRun::OpenCompanionFiles() {
  ZUM_RETURN_IF_ERROR(io_.out().OpenReplacing(companion_output_));
  for (int a = 1; a <= animation_count_; ++a) {
    ZUM_RETURN_IF_ERROR(io_.InputOf(a).Open(input_companion_[a]));
  }
  return Status::OK();
}

Status GenerationRun::DispatchLine() {
  std::string line;
  ZUM_RETURN_IF_ERROR(io_.InputOf(1).ReadLine(&line, "a line"));
  io_.out().WriteLine(line);
  if (Contains(line, "'A','N','I','P'")) {
    return WriteAnimationParameters(io_, shape_, tables_.get(), &part_one_);
  }
  if (Contains(line, "'A','N','I','C'")) {
    return WriteAnimationCommands(io_, shape_, &part_one_);
  }
  if (Contains(line, "'S','C','E','N'")) {
    return WriteSceneGraphEntries(io_, shape_);
  }
  if (Contains(line, "'B','G','L',' '")) {
    return WriteBglCode(io_, job_, shape_, part_one_);
  }
  return Status::OK();
}

Status RunGeneration(const JobSettings& job, ProgressFn progress) {
  auto run = std::make_unique<GenerationRun>(job, std::move(progress));
  return run->RunGeneration();
}

}  // namespace zum
