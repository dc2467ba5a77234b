#include "engine/generation_run.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/number_rules.h"
#include "engine/source_scanner.h"

namespace zum {

GenerationRun::GenerationRun(const JobSettings& job, ProgressFn progress)
    : job_(job), progress_(std::move(progress)) {}

GenerationRun::~GenerationRun() {
  CloseAllFiles();
}

void GenerationRun::AddProgress(double share) {
  if (progress_) {
    progress_(share);
  }
}

void GenerationRun::CloseAllFiles() {
  for (LineReader& reader : inputs_) {
    reader.Close();
  }
  out_.Abandon();
  main_out_.Abandon();
}

Status GenerationRun::CheckOutputNames() const {
  std::string err;
  const std::string& output = job_.OutputFile;
  if (TrimBlanks(output).empty()) {
    return Status::Error("no output file is named");
  }
  if (output.find('\0') != std::string::npos) {
    return Status::Error("output file: the name holds a NUL character");
  }
  std::string output_companion;
  if (!IncludedFileName(output, &output_companion, &err)) {
    return Status::Error("output file: " + err);
  }
  int inputs = job_.SecondaryEnabled ? animation_count_ : 1;
  for (int a = 1; a <= inputs; ++a) {
    const std::string& input = job_.InputFile[a];
    if (input.find('\0') != std::string::npos) {
      return Status::Error("input file of animation " + IntText(a) +
                           ": the name holds a NUL character");
    }
    std::string input_companion;
    if (!IncludedFileName(input, &input_companion, &err)) {
      return Status::Error("input file of animation " + IntText(a) + ": " +
                           err);
    }
    for (const std::string* out :
         {&output, static_cast<const std::string*>(&output_companion)}) {
      for (const std::string* in :
           {&input, static_cast<const std::string*>(&input_companion)}) {
        if (SameFile(*out, *in)) {
          return Status::Error(
              "the output would overwrite an input: '" + *out +
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
  if (!ToInt16(job_.AnimationCount, &animation_count_, &err)) {
    return Status::Error("number of animations: " + err);
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
  ZUM_RETURN_IF_ERROR(CheckOutputNames());
  translation_tables_.resize(animation_count_ + 1);
  rotation_tables_.resize(animation_count_ + 1);

  for (int a = 1; a <= animation_count_; ++a) {
    std::string companion;
    IncludedFileName(job_.InputFile[a], &companion, &err);
    ZUM_RETURN_IF_ERROR(ScanSourceFile(companion, &scan_[a]));
  }
  label_base_ = scan_[1].LabelBase;
  frame_count_ = scan_[1].Frames[1];
  AddProgress(20);

  Status status = WriteMainFile();
  while (status.ok() && !Main().AtEnd()) {
    status = DispatchLine();
  }
  if (status.ok()) {
    status = Main().status();
  }
  if (status.ok()) {
    status = CommitOutputs();
  }
  CloseAllFiles();
  return status;
}

Status GenerationRun::CommitOutputs() {
  for (LineReader& reader : inputs_) {
    reader.Close();
  }
  ZUM_RETURN_IF_ERROR(out_.Commit());
  return main_out_.Commit();
}

Status GenerationRun::WriteMainFile() {
  std::string err;
  IncludedFileName(job_.OutputFile, &companion_output_, &err);
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
  ZUM_RETURN_IF_ERROR(main_out_.Finish());

  ZUM_RETURN_IF_ERROR(out_.OpenReplacing(companion_output_));
  std::string companion;
  IncludedFileName(job_.InputFile[1], &companion, &err);
  ZUM_RETURN_IF_ERROR(Main().Open(companion));
  if (job_.SecondaryEnabled) {
    for (int a = 2; a <= animation_count_; ++a) {
      IncludedFileName(job_.InputFile[a], &companion, &err);
      ZUM_RETURN_IF_ERROR(Input(a + 1).Open(companion));
    }
  }
  return Status::OK();
}

Status GenerationRun::DispatchLine() {
  std::string line;
  ZUM_RETURN_IF_ERROR(Main().ReadLine(&line, "a line"));
  out_.WriteLine(line);
  if (Contains(line, "'A','N','I','P'")) {
    return WriteAnimationParameters();
  }
  if (Contains(line, "'A','N','I','C'")) {
    return WriteAnimationCommands();
  }
  if (Contains(line, "'S','C','E','N'")) {
    return WriteSceneGraphEntries();
  }
  if (Contains(line, "'B','G','L',' '")) {
    return WriteBglCode();
  }
  return Status::OK();
}

Status RunGeneration(const JobSettings& job, ProgressFn progress) {
  auto run = std::make_unique<GenerationRun>(job, std::move(progress));
  return run->RunGeneration();
}

}  // namespace zum
