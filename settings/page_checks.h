#ifndef ZUM_SETTINGS_PAGE_CHECKS_H_
#define ZUM_SETTINGS_PAGE_CHECKS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"
#include "settings/settings_record.h"

// The checks that Next runs before it leaves a page, over the values of a
// JobSettings (the window builds one from its controls, the command line
// from a settings file with BuildJobSettings). Each gives a PageCheck: kPassed
// accepts the page, the others name the first problem found.
namespace zum {

// The window's pages in the order they are walked.
enum class PageId : int {
  kWelcome = 0,
  kCondition = 1,  // the animation condition and the additional condition
  kTrigger = 2,
  kSecondary = 3,
  kSourceFiles = 4,
  kFinish = 5,
};
inline constexpr int kPageCount = 6;

// The outcome of a page check. The numbers are those of the window's check
// codes, kept for the case tables.
enum class PageCheck : int16_t {
  kPassed = 0,
  kVariable = 1,
  kLimits = 2,
  kAnimationCount = 3,
  kInputFile = 4,
  kInputFiles = 5,
  kOutputFile = 6,
  kSecondaryRanges = 7,
  kShapes = 8,
  kBoundingBox = 9,
};

// The text and title of the message shown for a check code.
struct CheckMessage {
  std::string_view message;
  std::string_view title;
};

// The message and title for CODE; kPassed gives empty texts. kOutputFile
// alone is titled "ZUM err".
CheckMessage CheckCodeMessage(PageCheck code);

// The condition pages: kCondition (the animation condition, then the
// additional condition, whose problem replaces the first one's), kTrigger
// or kSecondary. Other pages pass.
PageCheck CheckConditionPage(const JobSettings& job, PageId page);

// A box of the window, named by what it holds: FIELD with the control-array
// index INDEX, or the animation INDEX for the per-animation fields.
struct CheckedBox {
  SettingsField field = SettingsField::kTxtVar;
  int index = 0;
  bool operator==(const CheckedBox&) const = default;
};

// The result of a page check; the scans are filled by the source file
// page's check only.
struct PageCheckResult {
  // The page checked, or the first page refused by CheckAllPages.
  PageId page = PageId::kWelcome;
  PageCheck code = PageCheck::kPassed;
  // PreScan(1..scanned) were filled by this check, in file order; the
  // tooltips of the page show them. A file that could not be scanned keeps
  // an empty scan.
  int scanned = 0;
  std::array<SourceScan, kMaxAnimations + 1> pre_scan;
  // The state of each scanned companion file when its scan began (see
  // KnownScan); type kMissing where the scan failed.
  std::array<FileInfo, kMaxAnimations + 1> pre_scan_seen;
  // When an input could not be scanned: the first such animation (else 0)
  // and why, e.g. "animation 2 (D:\gate2.asm): D:\gate2_0.asm: cannot open
  // for reading (No such file or directory)".
  int failed_animation = 0;
  Status scan_error;
  // The box that a refusal names, where the author corrects it: the first
  // box at fault for the code given (of an animation's row, the first row
  // at fault). Empty when the code is kPassed, or names no box of the page
  // checked.
  std::optional<CheckedBox> box;
};

// The source file page. In order: an empty output file gives kOutputFile,
// else an empty first input kInputFile; with the secondary condition on,
// each animation 1..N with an empty input gives kInputFiles, else with an
// empty minimum or maximum kSecondaryRanges, each replacing the code before
// it. With no code so far every input 1..N is pre-scanned (its companion
// "_0.asm" file) and inputs whose transform count, animate count or first
// table's frame count differ from the next one's give kShapes.
//
// An input that cannot be scanned (its companion file is missing, unreadable
// or malformed, or its name is too short to derive the companion's) gives
// kInputFile, "Please enter a valid input file", with failed_animation and
// scan_error saying which file and why; the comparison is then skipped.
// AnimationCount must be a whole number up to 50 (the secondary condition
// page's check makes it so); otherwise the code is kAnimationCount.
PageCheckResult CheckSourceFiles(const JobSettings& job,
                                 FileSystem* fs = RealFileSystem());

// The checks of the pages FIRST..LAST in page order, as Next on each would
// run them: the first refusal, or kPassed with the last page's result (the
// source file page's has its scans). A page's check is CheckConditionPage
// or CheckSourceFiles; the welcome and finish pages pass. zum-batch checks
// every page; the window checks the page it leaves (FIRST = LAST), the
// pages before it having been checked when they were left.
PageCheckResult CheckAllPages(const JobSettings& job,
                              PageId first = PageId::kCondition,
                              PageId last = PageId::kSourceFiles,
                              FileSystem* fs = RealFileSystem());

}  // namespace zum

#endif  // ZUM_SETTINGS_PAGE_CHECKS_H_
