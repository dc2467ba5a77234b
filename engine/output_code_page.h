#ifndef ZUM_ENGINE_OUTPUT_CODE_PAGE_H_
#define ZUM_ENGINE_OUTPUT_CODE_PAGE_H_

#include <string>
#include <string_view>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"

// The BGL compiler is an 8-bit program: it reads the main output's include
// line, and its own command line, in the Windows ANSI code page. These
// functions give the texts a run writes, and the names the compiler is
// given, in that code page.
namespace zum {

// Writes UTF8 in a code page into *BYTES; false when a character has no
// byte there.
using CodePageConversion = bool (*)(std::string_view utf8, std::string* bytes);

struct OutputCodePage {
  // Empty: the outputs carry the texts' UTF-8 bytes as they are.
  CodePageConversion convert = nullptr;
  // For messages: "1252".
  std::string name;
};

// This system's: on Windows the ANSI code page (Utf8ToAnsi); elsewhere none,
// so that the outputs are the texts' bytes.
OutputCodePage SystemOutputCodePage();

// NAME (UTF-8) in a form that CODE_PAGE can write: NAME itself when it
// can; else, for an existing file or folder, its short 8.3 form (FileSystem::
// ShortName); else its folder's short form and its own file name. The form
// found is in UTF-8 into *FITTED. Fails, naming the folder or the file and
// why, when the volume keeps no short name that the code page can write.
Status FitNameToCodePage(const std::string& name,
                         const OutputCodePage& code_page, FileSystem* fs,
                         std::string* fitted);

// Rewrites what a run writes of JOB into CODE_PAGE's bytes: each condition's
// texts, the secondary variable and ranges, and the include line's name
// (JOB->IncludeName, from OutputFile's companion when empty; a name that the
// code page cannot write becomes the companion's FitNameToCodePage form).
// File names to open stay as they are. Errors refuse the run before
// anything is written. Without a conversion JOB stays as it is.
Status FitJobToCodePage(const OutputCodePage& code_page, FileSystem* fs,
                        JobSettings* job);

}  // namespace zum

#endif  // ZUM_ENGINE_OUTPUT_CODE_PAGE_H_
