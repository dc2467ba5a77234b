#ifndef ZUM_SETTINGS_PAGE_CHECKS_H_
#define ZUM_SETTINGS_PAGE_CHECKS_H_

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"

// The checks that Next runs before it leaves a page, over the values of a
// JobSettings (the window builds one from its controls, the command line
// from a settings file with BuildJobSettings). Each returns a check code:
// 0 accepts the page, 1..9 name the first problem found.
namespace zum {

inline constexpr int16_t kCheckPassed = 0;
inline constexpr int16_t kCheckVariable = 1;
inline constexpr int16_t kCheckLimits = 2;
inline constexpr int16_t kCheckAnimationCount = 3;
inline constexpr int16_t kCheckInputFile = 4;
inline constexpr int16_t kCheckInputFiles = 5;
inline constexpr int16_t kCheckOutputFile = 6;
inline constexpr int16_t kCheckSecondaryRanges = 7;
inline constexpr int16_t kCheckShapes = 8;
inline constexpr int16_t kCheckBoundingBox = 9;

// The text and title of the message shown for a check code.
struct CheckMessage {
  std::string_view message;
  std::string_view title;
};

// The message and title for CODE; code 0 and unknown codes give empty
// texts. Code 6 alone is titled "ZUM err".
CheckMessage CheckCodeMessage(int16_t code);

// Page 1 (WHICH 0: the animation condition, then the additional condition,
// whose problem replaces the first one's), page 2 (1: the trigger) or page 3
// (2: the secondary condition). Other values of WHICH give 0.
int16_t CheckConditionPage(const JobSettings& job, int which);

// The result of the source file page's check.
struct SourceFileCheck {
  int16_t code = kCheckPassed;
  // PreScan(1..scanned) were filled by this check, in file order; the
  // tooltips of the page show them. A file that could not be scanned keeps
  // an empty scan.
  int scanned = 0;
  std::array<SourceScan, kMaxAnimations + 1> pre_scan;
  // When an input could not be scanned: the first such animation (else 0)
  // and why, e.g. "animation 2 (D:\gate2.asm): D:\gate2_0.asm: cannot open
  // for reading (No such file or directory)".
  int failed_animation = 0;
  Status scan_error;
};

// Page 4. In order: an empty output file gives 6, else an empty first input
// gives 4; with the secondary condition on, each animation 1..N with an
// empty input gives 5, else with an empty minimum or maximum 7, each
// replacing the code before it. With no code so far every input 1..N is
// pre-scanned (its companion "_0.asm" file) and inputs whose transform
// count, animate count or first table's frame count differ from the next
// one's give 8.
//
// An input that cannot be scanned (its companion file is missing, unreadable
// or malformed, or its name is too short to derive the companion's) gives
// code 4, "Please enter a valid input file", with failed_animation and
// scan_error saying which file and why; the comparison is then skipped.
// AnimationCount must be a whole number up to 50 (page 3's check makes it
// so); otherwise the code is 3.
SourceFileCheck CheckSourceFiles(const JobSettings& job,
                                 FileSystem* fs = RealFileSystem());

}  // namespace zum

#endif  // ZUM_SETTINGS_PAGE_CHECKS_H_
