#include "settings/page_checks.h"

#include <string>

#include "engine/number_rules.h"
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

// The checks of one condition of kind KIND; the first failure decides.
PageCheck CheckCondition(ConditionKind kind, const std::string& variable,
                         const std::string& minimum, const std::string& maximum,
                         const ConditionSpec* box) {
  switch (kind) {
    case ConditionKind::kBetween:
      if (variable.empty()) {
        return PageCheck::kVariable;
      }
      if (minimum.empty() || maximum.empty()) {
        return PageCheck::kLimits;
      }
      return PageCheck::kPassed;
    case ConditionKind::kMask:
      if (variable.empty()) {
        return PageCheck::kVariable;
      }
      return minimum.empty() ? PageCheck::kLimits : PageCheck::kPassed;
    case ConditionKind::kBoundingBox:
      break;
  }
  if (box == nullptr) {
    return PageCheck::kPassed;
  }
  // The rotation is not checked.
  for (const std::string* extent :
       {&box->BoxXMin, &box->BoxXMax, &box->BoxYMin, &box->BoxYMax,
        &box->BoxZMin, &box->BoxZMax}) {
    if (extent->empty() || !IsNumeric(*extent)) {
      return PageCheck::kBoundingBox;
    }
  }
  return PageCheck::kPassed;
}

PageCheck CheckSpec(const ConditionSpec& spec) {
  return CheckCondition(spec.Kind, spec.Variable, spec.Minimum, spec.Maximum,
                        &spec);
}

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
Status PreScan(const JobSettings& job, int a, SourceScan* scan,
               FileSystem* fs) {
  Status status = PreScanInputFile(job.InputFile[a], scan, fs);
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
  switch (page) {
    case PageId::kCondition: {
      PageCheck code = PageCheck::kPassed;
      if (job.AnimationConditionEnabled) {
        code = CheckSpec(job.AnimationCondition);
      }
      // The additional condition follows the animation condition's kind and
      // is not checked at all beside a bounding box.
      if (job.AdditionalConditionEnabled &&
          job.AnimationCondition.Kind != ConditionKind::kBoundingBox) {
        const ConditionSpec& extra = job.AdditionalCondition;
        PageCheck extra_code =
            CheckCondition(job.AnimationCondition.Kind, extra.Variable,
                           extra.Minimum, extra.Maximum, nullptr);
        if (extra_code != PageCheck::kPassed) {
          code = extra_code;
        }
      }
      return code;
    }
    case PageId::kTrigger:
      return job.TriggerEnabled ? CheckSpec(job.Trigger) : PageCheck::kPassed;
    case PageId::kSecondary:
      return CheckSecondaryPage(job);
    default:
      return PageCheck::kPassed;
  }
}

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
  if (check.code != PageCheck::kPassed) {
    return check;
  }

  for (int a = 1; a <= count; ++a) {
    Status status = PreScan(job, a, &check.pre_scan[a], fs);
    if (!status.ok() && check.failed_animation == 0) {
      check.failed_animation = a;
      check.scan_error = status;
    }
  }
  check.scanned = count < 0 ? 0 : count;
  if (check.failed_animation != 0) {
    check.code = PageCheck::kInputFile;
    return check;
  }
  for (int a = 1; a < count; ++a) {
    if (!SameShape(check.pre_scan[a], check.pre_scan[a + 1])) {
      check.code = PageCheck::kShapes;
    }
  }
  return check;
}

namespace {

PageCheckResult CheckPage(const JobSettings& job, PageId page, FileSystem* fs) {
  if (page == PageId::kSourceFiles) {
    return CheckSourceFiles(job, fs);
  }
  PageCheckResult check;
  check.page = page;
  check.code = CheckConditionPage(job, page);
  return check;
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
