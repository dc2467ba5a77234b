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
int16_t CheckCondition(ConditionKind kind, const std::string& variable,
                       const std::string& minimum, const std::string& maximum,
                       const ConditionSpec* box) {
  switch (kind) {
    case ConditionKind::kBetween:
      if (variable.empty()) {
        return kCheckVariable;
      }
      if (minimum.empty() || maximum.empty()) {
        return kCheckLimits;
      }
      return kCheckPassed;
    case ConditionKind::kMask:
      if (variable.empty()) {
        return kCheckVariable;
      }
      return minimum.empty() ? kCheckLimits : kCheckPassed;
    case ConditionKind::kBoundingBox:
      break;
  }
  if (box == nullptr) {
    return kCheckPassed;
  }
  // The rotation is not checked.
  for (const std::string* extent :
       {&box->BoxXMin, &box->BoxXMax, &box->BoxYMin, &box->BoxYMax,
        &box->BoxZMin, &box->BoxZMax}) {
    if (extent->empty() || !IsNumeric(*extent)) {
      return kCheckBoundingBox;
    }
  }
  return kCheckPassed;
}

int16_t CheckSpec(const ConditionSpec& spec) {
  return CheckCondition(spec.Kind, spec.Variable, spec.Minimum, spec.Maximum,
                        &spec);
}

int16_t CheckSecondaryPage(const JobSettings& job) {
  if (!job.SecondaryEnabled) {
    return kCheckPassed;
  }
  if (job.SecondaryVariable.empty()) {
    return kCheckVariable;
  }
  int16_t count = 0;
  if (!AnimationCountOf(job, &count)) {
    return kCheckAnimationCount;
  }
  return kCheckPassed;
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

CheckMessage CheckCodeMessage(int16_t code) {
  switch (code) {
    case kCheckVariable:
      return {"Please enter a valid variable", kErrorTitle};
    case kCheckLimits:
      return {"Please enter a valid minimum/maximum value", kErrorTitle};
    case kCheckAnimationCount:
      return {"Please enter a valid number of secondairy conditions",
              kErrorTitle};
    case kCheckInputFile:
      return {"Please enter a valid input file", kErrorTitle};
    case kCheckInputFiles:
      return {
          "Please enter as many input files as you have selected "
          "secondairy conditions",
          kErrorTitle};
    case kCheckOutputFile:
      return {"Please enter a valid output file", "ZUM err"};
    case kCheckSecondaryRanges:
      return {
          "Please enter as many minimum/maximum values as you have "
          "selected secondairy conditions",
          kErrorTitle};
    case kCheckShapes:
      return {
          "The number of frames or animation tables does not match, "
          "please check the tooltips of the text boxes",
          kErrorTitle};
    case kCheckBoundingBox:
      return {"Please enter correct values for the bounding box", kErrorTitle};
    default:
      return {};
  }
}

int16_t CheckConditionPage(const JobSettings& job, int which) {
  switch (which) {
    case 0: {
      int16_t code = kCheckPassed;
      if (job.AnimationConditionEnabled) {
        code = CheckSpec(job.AnimationCondition);
      }
      // The additional condition follows the animation condition's kind and
      // is not checked at all beside a bounding box.
      if (job.AdditionalConditionEnabled &&
          job.AnimationCondition.Kind != ConditionKind::kBoundingBox) {
        const ConditionSpec& extra = job.AdditionalCondition;
        int16_t extra_code =
            CheckCondition(job.AnimationCondition.Kind, extra.Variable,
                           extra.Minimum, extra.Maximum, nullptr);
        if (extra_code != kCheckPassed) {
          code = extra_code;
        }
      }
      return code;
    }
    case 1:
      return job.TriggerEnabled ? CheckSpec(job.Trigger) : kCheckPassed;
    case 2:
      return CheckSecondaryPage(job);
    default:
      return kCheckPassed;
  }
}

SourceFileCheck CheckSourceFiles(const JobSettings& job, FileSystem* fs) {
  SourceFileCheck check;
  if (job.OutputFile.empty()) {
    check.code = kCheckOutputFile;
  } else if (job.InputFile[1].empty()) {
    check.code = kCheckInputFile;
  }
  int16_t count = 0;
  if (!AnimationCountOf(job, &count)) {
    check.code = kCheckAnimationCount;
    return check;
  }
  if (job.SecondaryEnabled) {
    // The last animation with a gap decides.
    for (int a = 1; a <= count; ++a) {
      if (job.InputFile[a].empty()) {
        check.code = kCheckInputFiles;
      } else if (job.SecondaryMin[a].empty() || job.SecondaryMax[a].empty()) {
        check.code = kCheckSecondaryRanges;
      }
    }
  }
  if (check.code != kCheckPassed) {
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
    check.code = kCheckInputFile;
    return check;
  }
  for (int a = 1; a < count; ++a) {
    if (!SameShape(check.pre_scan[a], check.pre_scan[a + 1])) {
      check.code = kCheckShapes;
    }
  }
  return check;
}

}  // namespace zum
