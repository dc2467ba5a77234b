#ifndef ZUM_COMPILER_COMPILE_STEP_H_
#define ZUM_COMPILER_COMPILE_STEP_H_

#include <string>

#include "compiler/dos_outputs.h"
#include "engine/file_system.h"
#include "engine/output_code_page.h"

namespace zum {

// The BGL compiler, looked for in the program's own folder.
inline constexpr char kCompilerFileName[] = "bglc_9.exe";

// Joins the program's folder and the compiler's file name: a backslash on
// Windows, a slash elsewhere. The folder is taken as it is (it is expected
// without a trailing separator, as a program's folder path is given).
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// The log's text when a compilation starts, and what is appended when it
// ends: kCompileReadyText after a compiler that ended with exit code 0,
// kCompileFailedText when it was not found, could not start or ended with
// another code.
inline constexpr char kCompileStartText[] = "Starting compilation...\r\n\r\n";
inline constexpr char kCompileReadyText[] = "\r\nCompilation ready!";
inline constexpr char kCompileFailedText[] = "\r\nCompilation failed.";
// What is appended before the closing text when the compiler was stopped
// (DOSOutputs::Stop), instead of its exit code.
inline constexpr char kCompileStoppedText[] =
    "\r\nThe compilation was stopped.";

// The compiler's full path: `program_folder`, kFolderSeparator and
// kCompilerFileName.
std::string CompilerPath(const std::string& program_folder);

// The compile command line: the compiler in `program_folder` and the output
// file, each in double quotes, with " -mdl " between them. For C:\Tools and
// C:\Scenery\gate.asm: "C:\Tools\bglc_9.exe" -mdl "C:\Scenery\gate.asm".
std::string CompileCommandLine(const std::string& program_folder,
                               const std::string& output_file);

// The log line, ended by CR LF, for a compiler that is not at
// `compiler_path`: where it was looked for and what to do. With
// `wine_missing` it adds that wine must be installed too.
std::string CompilerMissingLine(const std::string& compiler_path,
                                bool wine_missing);

// What is appended before kCompileFailedText when the compiler ended with
// a non-zero exit code: CR LF and "bglc_9.exe ended with exit code N.".
std::string CompilerExitCodeText(long long exit_code);

// The compile log box as the compile step sees it.
class CompileLog {
 public:
  virtual ~CompileLog() = default;
  // Replaces the whole text of the log.
  virtual void SetLogText(const std::string& text) = 0;
  // Appends `text` to the end of the log.
  virtual void AppendToLog(const std::string& text) = 0;
};

// A compile log that keeps its text in memory.
class TextCompileLog : public CompileLog {
 public:
  void SetLogText(const std::string& text) override { text_ = text; }
  void AppendToLog(const std::string& text) override { text_ += text; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The compile step: sets the log to kCompileStartText, adds
// CompilerMissingLine when the program's folder holds no compiler file
// (wine missing: outside Windows, when wine is not on the PATH), stores the
// compile command line as the runner's CommandLine, runs it with an empty
// argument (the pieces of the compiler's output reach the log through the
// runner's ReceiveOutputs handler, which the caller sets to append them to
// LOG), adds kCompileStoppedText when the runner was stopped, or else
// CompilerExitCodeText when the compiler ended with an exit code other than
// 0, and appends kCompileReadyText when it ended with 0, kCompileFailedText
// otherwise (a stopped compiler included). The run is tried even without a
// compiler file, and a compiler that cannot be started is reported by the
// runner's message, which names the path looked for. Returns whether the
// compiler ran and ended with exit code 0.
//
// The program's folder and the output file reach the compiler in a form that
// CODE_PAGE can write (FitNameToCodePage, through FS); where there is none,
// the log says why after kCompileStartText, the compiler is not started and
// kCompileFailedText follows.
bool RunCompileStep(const std::string& program_folder,
                    const std::string& output_file, DOSOutputs* runner,
                    CompileLog* log, FileSystem* fs = RealFileSystem(),
                    const OutputCodePage& code_page = SystemOutputCodePage());

}  // namespace zum

#endif  // ZUM_COMPILER_COMPILE_STEP_H_
