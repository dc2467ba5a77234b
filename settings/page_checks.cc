#include "settings/page_checks.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/number_rules.h"
#include "engine/parallel_work.h"
#include "settings/pre_scan.h"

namespace zum {
namespace {

constexpr std::string_view kErrorTitle = "ZUM error";

// The number of animations, or false when AnimationCount is no whole number
// up to kMaxAnimations.
bool AnimationCountOf(const JobSettings& job, int16_t* count) {
  std::string err;
  return ToInt16(job.AnimationCount, count, &err) && *count <= kMaxAnimations;
}

// A refusal and the field of the box it names.
struct Finding {
  PageCheck code = PageCheck::kPassed;
  SettingsField field = SettingsField::kTxtVar;
};

// The checks of one condition of kind KIND; the first failure decides.
Finding CheckCondition(ConditionKind kind, const std::string& variable,
                       const std::string& minimum, const std::string& maximum,
                       const ConditionSpec* box) {
  using F = SettingsField;
  switch (kind) {
    case ConditionKind::kBetween:
      if (variable.empty()) {
        return {PageCheck::kVariable, F::kTxtVar};
      }
      if (minimum.empty()) {
        return {PageCheck::kLimits, F::kTxtVarMin};
      }
      if (maximum.empty()) {
        return {PageCheck::kLimits, F::kTxtVarMax};
      }
      return {};
    case ConditionKind::kMask:
      if (variable.empty()) {
        return {PageCheck::kVariable, F::kTxtVar};
      }
      if (minimum.empty()) {
        return {PageCheck::kLimits, F::kTxtVarMin};
      }
      return {};
    case ConditionKind::kBoundingBox:
      break;
  }
  if (box == nullptr) {
    return {};
  }
  // The rotation is not checked.
  const std::pair<const std::string*, F> extents[] = {
      {&box->BoxXMin, F::kTxtBoxXmin}, {&box->BoxXMax, F::kTxtBoxXmax},
      {&box->BoxYMin, F::kTxtBoxYmin}, {&box->BoxYMax, F::kTxtBoxYmax},
      {&box->BoxZMin, F::kTxtBoxZmin}, {&box->BoxZMax, F::kTxtBoxZmax},
  };
  for (const auto& [extent, field] : extents) {
    if (extent->empty() || !IsNumeric(*extent)) {
      return {PageCheck::kBoundingBox, field};
    }
  }
  return {};
}

Finding CheckSpec(const ConditionSpec& spec) {
  return CheckCondition(spec.Kind, spec.Variable, spec.Minimum, spec.Maximum,
                        &spec);
}

// The checks of a condition page, with the box each refusal names.
PageCheckResult CheckConditionPageBox(const JobSettings& job, PageId page);

PageCheck CheckSecondaryPage(const JobSettings& job) {
  if (!job.SecondaryEnabled) {
    return PageCheck::kPassed;
  }
  if (job.SecondaryVariable.empty()) {
    return PageCheck::kVariable;
  }
  int16_t count = 0;
  if (!AnimationCountOf(job, &count)) {
    return PageCheck::kAnimationCount;
  }
  return PageCheck::kPassed;
}

// Scans the companion file of animation A into *SCAN; the error names the
// animation and its input file in front of the scanner's message.
Status PreScan(const JobSettings& job, int a, SourceScan* scan, FileInfo* seen,
               FileSystem* fs) {
  Status status = PreScanInputFile(job.InputFile[a], scan, fs, seen);
  if (status.ok()) {
    return status;
  }
  return Status::Error("animation " + std::to_string(a) + " (" +
                       job.InputFile[a] + "): " + status.message());
}

bool SameShape(const SourceScan& a, const SourceScan& b) {
  return a.TransformCount == b.TransformCount &&
         a.AnimateCount == b.AnimateCount && a.Frames[1] == b.Frames[1];
}

}  // namespace

// The texts are the system's own, "secondairy" too: users know them so.
CheckMessage CheckCodeMessage(PageCheck code) {
  switch (code) {
    case PageCheck::kVariable:
      return {"Please enter a valid variable", kErrorTitle};
    case PageCheck::kLimits:
      return {"Please enter a valid minimum/maximum value", kErrorTitle};
    case PageCheck::kAnimationCount:
      return {"Please enter a valid number of secondairy conditions",
              kErrorTitle};
    case PageCheck::kInputFile:
      return {"Please enter a valid input file", kErrorTitle};
    case PageCheck::kInputFiles:
      return {
          "Please enter as many input files as you have selected "
          "secondairy conditions",
          kErrorTitle};
    case PageCheck::kOutputFile:
      return {"Please enter a valid output file", "ZUM err"};
    case PageCheck::kSecondaryRanges:
      return {
          "Please enter as many minimum/maximum values as you have "
          "selected secondairy conditions",
          kErrorTitle};
    case PageCheck::kShapes:
      return {
          "The number of frames or animation tables does not match, "
          "please check the tooltips of the text boxes",
          kErrorTitle};
    case PageCheck::kBoundingBox:
      return {"Please enter correct values for the bounding box", kErrorTitle};
    case PageCheck::kPassed:
      break;
  }
  return {};
}

PageCheck CheckConditionPage(const JobSettings& job, PageId page) {
  return CheckConditionPageBox(job, page).code;
}

namespace {

PageCheckResult CheckConditionPageBox(const JobSettings& job, PageId page) {
  PageCheckResult check;
  check.page = page;
  auto take = [&check](Finding finding, int index) {
    check.code = finding.code;
    check.box = CheckedBox{finding.field, index};
  };
  switch (page) {
    case PageId::kCondition: {
      if (job.AnimationConditionEnabled) {
        const Finding finding = CheckSpec(job.AnimationCondition);
        if (finding.code != PageCheck::kPassed) {
          take(finding, 0);
        }
      }
      // The additional condition follows the animation condition's kind and
      // is not checked at all beside a bounding box. Its limits are the
      // boxes of index 2, its variable the box of index 3.
      if (job.AdditionalConditionEnabled &&
          job.AnimationCondition.Kind != ConditionKind::kBoundingBox) {
        const ConditionSpec& extra = job.AdditionalCondition;
        const Finding finding =
            CheckCondition(job.AnimationCondition.Kind, extra.Variable,
                           extra.Minimum, extra.Maximum, nullptr);
        if (finding.code != PageCheck::kPassed) {
          take(finding, finding.field == SettingsField::kTxtVar ? 3 : 2);
        }
      }
      break;
    }
    case PageId::kTrigger:
      if (job.TriggerEnabled) {
        const Finding finding = CheckSpec(job.Trigger);
        if (finding.code != PageCheck::kPassed) {
          take(finding, 1);
        }
      }
      break;
    case PageId::kSecondary:
      check.code = CheckSecondaryPage(job);
      if (check.code == PageCheck::kVariable) {
        check.box = CheckedBox{SettingsField::kTxtVar, 2};
      } else if (check.code == PageCheck::kAnimationCount) {
        check.box = CheckedBox{SettingsField::kTxtNumSecondanim, 0};
      }
      break;
    default:
      break;
  }
  return check;
}

// The first animation 1..COUNT whose row is at fault for CODE: kInputFiles
// an empty input, kSecondaryRanges an empty minimum or maximum beside an
// input.
std::optional<CheckedBox> FirstRowAtFault(const JobSettings& job, int count,
                                          PageCheck code) {
  for (int a = 1; a <= count; ++a) {
    if (job.InputFile[a].empty()) {
      if (code == PageCheck::kInputFiles) {
        return CheckedBox{SettingsField::kInputFile, a};
      }
    } else if (code == PageCheck::kSecondaryRanges) {
      if (job.SecondaryMin[a].empty()) {
        return CheckedBox{SettingsField::kSecondaryMin, a};
      }
      if (job.SecondaryMax[a].empty()) {
        return CheckedBox{SettingsField::kSecondaryMax, a};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

PageCheckResult CheckSourceFiles(const JobSettings& job, FileSystem* fs) {
  PageCheckResult check;
  check.page = PageId::kSourceFiles;
  if (job.OutputFile.empty()) {
    check.code = PageCheck::kOutputFile;
  } else if (job.InputFile[1].empty()) {
    check.code = PageCheck::kInputFile;
  }
  int16_t count = 0;
  if (!AnimationCountOf(job, &count)) {
    check.code = PageCheck::kAnimationCount;
    return check;
  }
  if (job.SecondaryEnabled) {
    // The last animation with a gap decides.
    for (int a = 1; a <= count; ++a) {
      if (job.InputFile[a].empty()) {
        check.code = PageCheck::kInputFiles;
      } else if (job.SecondaryMin[a].empty() || job.SecondaryMax[a].empty()) {
        check.code = PageCheck::kSecondaryRanges;
      }
    }
  }
  if (check.code == PageCheck::kOutputFile) {
    check.box = CheckedBox{SettingsField::kTxtFileOut, 0};
  } else if (check.code == PageCheck::kInputFile) {
    check.box = CheckedBox{SettingsField::kInputFile, 1};
  } else if (check.code != PageCheck::kPassed) {
    check.box = FirstRowAtFault(job, count, check.code);
  }
  if (check.code != PageCheck::kPassed) {
    return check;
  }

  // The inputs are scanned on several threads, the first failure in
  // animation order kept. A count below 1 scans none.
  const int scans = std::max<int>(count, 0);
  std::vector<Status> scanned(scans + 1);
  ParallelFor(scans, RunThreads(0), [&](int i) {
    const int a = i + 1;
    scanned[a] =
        PreScan(job, a, &check.pre_scan[a], &check.pre_scan_seen[a], fs);
  });
  for (int a = 1; a <= scans; ++a) {
    if (!scanned[a].ok() && check.failed_animation == 0) {
      check.failed_animation = a;
      check.scan_error = scanned[a];
    }
  }
  check.scanned = scans;
  if (check.failed_animation != 0) {
    check.code = PageCheck::kInputFile;
    check.box = CheckedBox{SettingsField::kInputFile, check.failed_animation};
    return check;
  }
  for (int a = 1; a < count; ++a) {
    if (!SameShape(check.pre_scan[a], check.pre_scan[a + 1])) {
      check.code = PageCheck::kShapes;
      if (!check.box.has_value()) {
        check.box = CheckedBox{SettingsField::kInputFile, a + 1};
      }
    }
  }
  return check;
}

namespace {

PageCheckResult CheckPage(const JobSettings& job, PageId page, FileSystem* fs) {
  if (page == PageId::kSourceFiles) {
    return CheckSourceFiles(job, fs);
  }
  return CheckConditionPageBox(job, page);
}

}  // namespace

PageCheckResult CheckAllPages(const JobSettings& job, PageId first, PageId last,
                              FileSystem* fs) {
  PageCheckResult check;
  for (int page = static_cast<int>(first); page <= static_cast<int>(last);
       ++page) {
    check = CheckPage(job, static_cast<PageId>(page), fs);
    if (check.code != PageCheck::kPassed) {
      break;
    }
  }
  return check;
}

}  // namespace zum
