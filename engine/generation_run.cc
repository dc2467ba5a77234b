#include "engine/generation_run.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "engine/animation_commands.h"
#include "engine/animation_parameters.h"
#include "engine/asm_lines.h"
#include "engine/bgl_code.h"
#include "engine/chunk_io.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/output_code_page.h"
#include "engine/output_names.h"
#include "engine/pair_commit.h"
#include "engine/parallel_work.h"
#include "engine/run_shape.h"
#include "engine/scene_graph.h"
#include "engine/source_scanner.h"

namespace zum {
namespace {

// Every line of the main file that holds "include" is replaced by the line
// that includes the output's companion. Warns, naming the line IN returned
// last, when that line is no include directive (a comment that mentions the
// word) or the main file's second one; *DIRECTIVE_SEEN tells whether one
// came before.
void WarnIncludeLine(const LineReader& in, std::string_view line,
                     bool* directive_seen, RunWarnings* warnings) {
  const std::string_view t = TrimBlanks(line);
  const size_t start = std::min(t.find_first_not_of('\t'), t.size());
  const std::string_view first_word =
      t.substr(start, t.find_first_of(" \t", start) - start);
  if (first_word != "include") {
    warnings->AddHere(in, Quoted(t) +
                              " holds \"include\", so it is replaced by the "
                              "line that includes the output's companion");
  } else if (*directive_seen) {
    warnings->AddHere(in, "a second include line " + Quoted(t) +
                              " is replaced by the line that includes the "
                              "output's companion too");
  }
  *directive_seen = *directive_seen || first_word == "include";
}

// One run over one JobSettings snapshot; see RunGeneration().
class GenerationRun {
 public:
  // OPTIONS.file_system must outlive the run.
  GenerationRun(const JobSettings& job, const RunOptions& options);
  ~GenerationRun();
  GenerationRun(const GenerationRun&) = delete;
  GenerationRun& operator=(const GenerationRun&) = delete;

  Status RunGeneration();

  // The name of the output's companion file; empty until RunGeneration has
  // checked the file names.
  const std::string& companion_output() const { return companion_output_; }
  RunWarnings& warnings() { return io_.warnings(); }

 private:
  Status CheckFileNames();
  Status CheckOutputTargets();
  Status LockOutputs();
  Status NoteInputs();
  // The known scan of animation A's companion input as it is now, or null.
  const KnownScan* KnownScanOf(int a) const;
  Status CheckInputsUnchanged();
  Status WriteMainFile();
  Status OpenCompanionFiles();
  Status DispatchLine();
  Status CommitOutputs();
  void CloseAllFiles();

  // The job, its texts in the outputs' code page once the names are checked.
  JobSettings job_;
  OutputCodePage code_page_;
  FileSystem* fs_;
  std::chrono::milliseconds lock_wait_;
  std::unique_ptr<FileLock> lock_;
  // Each input as it was when the run first looked at it.
  std::vector<std::pair<std::string, FileInfo>> inputs_seen_;
  // The companion inputs [1..N] among them; kMissing where none was seen.
  std::array<FileInfo, kMaxAnimations + 1> companion_seen_;
  const std::vector<KnownScan>& known_scans_;
  int16_t animation_count_ = 1;  // N, the number of animations
  // The companion names of the inputs [1..N] and of the output.
  std::array<std::string, kMaxAnimations + 1> input_companion_;
  std::string companion_output_;
  RunShape shape_;
  PartOneFacts part_one_;
  std::unique_ptr<AnimationTables> tables_;
  LineWriter main_out_;
  ChunkIo io_;
};

GenerationRun::GenerationRun(const JobSettings& job, const RunOptions& options)
    : job_(job),
      code_page_(options.code_page),
      fs_(options.file_system),
      lock_wait_(options.lock_wait),
      known_scans_(options.known_scans),
      main_out_(fs_),
      io_(options.progress, fs_) {
  io_.set_threads(RunThreads(options.threads));
}

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
        if (SameFile(out, *in, fs_)) {
          return Status::Error(
              "the output would overwrite an input: '" + ShortName(out) +
              "' is the file '" + ShortName(*in) + "' of animation " +
              IntText(a) +
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
  ZUM_RETURN_IF_ERROR(CheckOutputTargets());
  ZUM_RETURN_IF_ERROR(FitJobToCodePage(code_page_, fs_, &job_));
  ZUM_RETURN_IF_ERROR(NoteInputs());
  ZUM_RETURN_IF_ERROR(LockOutputs());
  tables_ = std::make_unique<AnimationTables>(animation_count_);

  // Every input is scanned, on the run's threads, so that a bad one stops
  // the run before any output is written; the first error in animation
  // order is the run's. Animation 1's scan gives the run its shape.
  std::vector<Status> scanned(animation_count_ + 1);
  std::vector<SourceScan> scans(animation_count_ + 1);
  ParallelFor(animation_count_, io_.threads(), [&](int i) {
    const int a = i + 1;
    if (const KnownScan* known = KnownScanOf(a)) {
      scans[a] = known->scan;
    } else {
      scanned[a] = ScanSourceFile(input_companion_[a], &scans[a], fs_);
    }
  });
  for (int a = 1; a <= animation_count_; ++a) {
    ZUM_RETURN_IF_ERROR(scanned[a]);
  }
  shape_ = MakeRunShape(job_, animation_count_, scans[1]);
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
  ZUM_RETURN_IF_ERROR(CheckInputsUnchanged());
  return CommitPair(io_.out(), main_out_, fs_);
}

// Whatever stands at an output's name is refused before anything is
// written unless it is a regular file that may be written, or nothing.
Status GenerationRun::CheckOutputTargets() {
  ZUM_RETURN_IF_ERROR(CheckReplaceable(job_.OutputFile, fs_));
  return CheckReplaceable(companion_output_, fs_);
}

// One run at a time writes one output pair: the lock is held from before
// the first temporary file to after the last rename. Temporary files of the
// pair found then are a dead writer's, and go.
Status GenerationRun::LockOutputs() {
  const std::string lock_name =
      TemporaryPrefix(fs_->FollowLinks(job_.OutputFile)) + "zum-lock";
  const auto deadline = std::chrono::steady_clock::now() + lock_wait_;
  int error = 0;
  for (;;) {
    lock_ = fs_->TryLock(lock_name, &error);
    if (lock_ != nullptr) {
      break;
    }
    if (error != EBUSY) {
      return Status::InFile(
          job_.OutputFile, "cannot create the file (" + ErrorText(error) + ")");
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      return Status::Error("another run is writing " +
                           ShortName(job_.OutputFile));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  RemoveStaleTemporaries(fs_->FollowLinks(job_.OutputFile), fs_);
  RemoveStaleTemporaries(fs_->FollowLinks(companion_output_), fs_);
  return Status::OK();
}

// Notes every input's identity, size and times before its first reading.
Status GenerationRun::NoteInputs() {
  inputs_seen_.clear();
  companion_seen_.fill(FileInfo());
  for (int a = 1; a <= animation_count_; ++a) {
    const std::string* names[] = {&job_.InputFile[a], &input_companion_[a]};
    for (const std::string* input : names) {
      FileInfo info;
      int error = 0;
      if (fs_->Stat(*input, &info, &error)) {
        inputs_seen_.emplace_back(*input, info);
        if (input == &input_companion_[a]) {
          companion_seen_[a] = info;
        }
      }
    }
  }
  return Status::OK();
}

const KnownScan* GenerationRun::KnownScanOf(int a) const {
  if (static_cast<size_t>(a) >= known_scans_.size()) {
    return nullptr;
  }
  const KnownScan& known = known_scans_[static_cast<size_t>(a)];
  const bool same = known.seen.type == FileType::kRegular &&
                    known.seen.SameVersion(companion_seen_[a]);
  return same ? &known : nullptr;
}

// An input written to or replaced during the run may have given the run
// parts of two versions.
Status GenerationRun::CheckInputsUnchanged() {
  for (const auto& [input, before] : inputs_seen_) {
    FileInfo now;
    int error = 0;
    if (!fs_->Stat(input, &now, &error) || !now.SameVersion(before)) {
      return Status::Error(ShortName(input) +
                           " changed while it was being read");
    }
  }
  return Status::OK();
}

// Animation 1's main file, with every include line naming the output's
// companion.
Status GenerationRun::WriteMainFile() {
  const std::string include_line =
      "include " +
      (job_.IncludeName.empty() ? companion_output_ : job_.IncludeName);
  LineReader main_input(fs_);
  ZUM_RETURN_IF_ERROR(main_input.OpenNonEmpty(job_.InputFile[1]));
  ZUM_RETURN_IF_ERROR(main_out_.OpenReplacing(job_.OutputFile));
  std::string line;
  bool directive_seen = false;
  while (main_input.Next(&line)) {
    if (Contains(line, "include")) {
      WarnIncludeLine(main_input, line, &directive_seen, &warnings());
      main_out_.WriteLine(include_line);
    } else {
      main_out_.WriteLine(line);
    }
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

}  // namespace

Status RunGeneration(const JobSettings& job, const RunOptions& options,
                     RunResult* result) {
  // The run's readers and tables are large: on the heap, not the stack.
  // Memory may run out on any input; the run's destructor then removes its
  // temporary files as on any other error.
  try {
    auto run = std::make_unique<GenerationRun>(job, options);
    Status status = run->RunGeneration();
    if (result != nullptr) {
      if (status.ok()) {
        result->files_written = {job.OutputFile, run->companion_output()};
      }
      result->warnings = std::move(run->warnings());
    }
    return status;
  } catch (const std::bad_alloc&) {
    return Status::Error(
        "out of memory: the run needs more memory than the "
        "system gives it");
  }
}

}  // namespace zum
