#include "engine/condition_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/number_rules.h"

namespace zum {
namespace {

// Pi to the 15 significant digits that the generated boxes have always been
// computed with; the full-precision value gives different extents for some
// rotations.
constexpr double kPi15 = 3.14159265358979;

// Rounds half to even (the default rounding mode of the floating-point unit).
double RoundHalfEven(double value) {
  return std::nearbyint(value);
}

// A whole number in plain decimal, "-" for a negative one, all digits, never
// "-0".
std::string WholeText(double whole) {
  if (whole == 0) {
    return "0";
  }
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", whole);
  return buffer;
}

// An x or z extent: a leading blank when not negative.
std::string SignedExtentText(float whole) {
  std::string text = WholeText(whole);
  return text[0] == '-' ? text : " " + text;
}

std::string FieldError(ConditionRole role, std::string_view field,
                       std::string_view text, std::string_view problem) {
  std::string message(ConditionRoleName(role));
  message += ": ";
  message += field;
  message += " '";
  message += Excerpt(text);
  message += "' ";
  message += problem;
  return message;
}

// Reads TEXT as a number; fills *err naming FIELD when it is none.
bool ReadNumber(ConditionRole role, std::string_view field,
                std::string_view text, double* value, std::string* err) {
  if (ParseWholeNumber(text, value)) {
    return true;
  }
  *err = FieldError(role, field, text, "is not a number");
  return false;
}

// Reads TEXT as a number stored as a 32-bit float.
bool ReadFloat(ConditionRole role, std::string_view field,
               std::string_view text, float* value, std::string* err) {
  double number;
  if (!ReadNumber(role, field, text, &number, err)) {
    return false;
  }
  std::string ignored;
  if (StoreFloat32(number, value, &ignored)) {
    return true;
  }
  *err = FieldError(role, field, text, "lies beyond the 32-bit float range");
  return false;
}

}  // namespace

std::string_view ConditionRoleName(ConditionRole role) {
  return role == ConditionRole::kTrigger ? "animation trigger"
                                         : "animation condition";
}

bool RotatedBoxExtents(const ConditionSpec& condition, ConditionRole role,
                       std::array<std::string, 6>* extents, std::string* err) {
  float angle = 0;
  if (!condition.Rotation.empty()) {
    double degrees;
    if (!ReadNumber(role, "rotation", condition.Rotation, &degrees, err)) {
      return false;
    }
    // The minus sign is deliberate: the box turns the other way round.
    std::string ignored;
    if (!StoreFloat32((-degrees - degrees) * kPi15 / 360, &angle, &ignored)) {
      *err = FieldError(role, "rotation", condition.Rotation,
                        "lies beyond the 32-bit float range");
      return false;
    }
  }

  float x_min, x_max, z_min, z_max;
  if (!ReadFloat(role, "box x minimum", condition.BoxXMin, &x_min, err) ||
      !ReadFloat(role, "box x maximum", condition.BoxXMax, &x_max, err) ||
      !ReadFloat(role, "box z minimum", condition.BoxZMin, &z_min, err) ||
      !ReadFloat(role, "box z maximum", condition.BoxZMax, &z_max, err)) {
    return false;
  }
  double y_min, y_max;
  if (role == ConditionRole::kTrigger) {
    float y_min32, y_max32;
    if (!ReadFloat(role, "box y minimum", condition.BoxYMin, &y_min32, err) ||
        !ReadFloat(role, "box y maximum", condition.BoxYMax, &y_max32, err)) {
      return false;
    }
    y_min = y_min32;
    y_max = y_max32;
  } else if (!ReadNumber(role, "box y minimum", condition.BoxYMin, &y_min,
                         err) ||
             !ReadNumber(role, "box y maximum", condition.BoxYMax, &y_max,
                         err)) {
    return false;
  }

  const double cos_a = std::cos(static_cast<double>(angle));
  const double sin_a = std::sin(static_cast<double>(angle));
  const float corner_x[4] = {x_min, x_min, x_max, x_max};
  const float corner_z[4] = {z_min, z_max, z_max, z_min};
  float turned_x[4], turned_z[4];
  for (int q = 0; q < 4; ++q) {
    const double x = corner_x[q];
    const double z = corner_z[q];
    std::string ignored;
    if (!StoreFloat32(RoundHalfEven(x * cos_a - z * sin_a), &turned_x[q],
                      &ignored) ||
        !StoreFloat32(RoundHalfEven(z * cos_a + x * sin_a), &turned_z[q],
                      &ignored)) {
      *err = std::string(ConditionRoleName(role)) +
             ": the turned bounding box reaches beyond the 32-bit float range";
      return false;
    }
  }
  const auto [x_low, x_high] = std::minmax_element(turned_x, turned_x + 4);
  const auto [z_low, z_high] = std::minmax_element(turned_z, turned_z + 4);

  (*extents)[0] = SignedExtentText(*x_low);
  (*extents)[1] = SignedExtentText(*x_high);
  (*extents)[2] = WholeText(RoundHalfEven(y_min));
  (*extents)[3] = WholeText(RoundHalfEven(y_max));
  (*extents)[4] = SignedExtentText(*z_low);
  (*extents)[5] = SignedExtentText(*z_high);
  return true;
}

Status WriteConditionTest(LineWriter& out, std::string_view label,
                          const ConditionSpec& condition, ConditionRole role) {
  std::string line;
  switch (condition.Kind) {
    case ConditionKind::kBetween:
      out.WriteLine("VAR_BASE_OVERRIDE 0");
      line = "IFIN1 ";
      line.append(label);
      line += ", " + condition.Variable + ", " + condition.Minimum + ", " +
              condition.Maximum;
      break;
    case ConditionKind::kMask:
      out.WriteLine("VAR_BASE_OVERRIDE 0");
      line = "IFMSK ";
      line.append(label);
      line += ", " + condition.Variable + ", " + condition.Minimum;
      break;
    case ConditionKind::kBoundingBox: {
      std::array<std::string, 6> extents;
      std::string err;
      if (!RotatedBoxExtents(condition, role, &extents, &err)) {
        return Status::Error(err);
      }
      line = "IFINBOXP ";
      line.append(label);
      for (const std::string& extent : extents) {
        line += ", " + extent;
      }
      break;
    }
  }
  out.WriteLine(line);
  return Status::OK();
}

GatePlace GatePlaceOf(const JobSettings& job) {
  return job.TriggerEnabled &&
                 job.AdditionalAppliesTo == AppliesTo::kAnimationTrigger
             ? GatePlace::kTriggerStateMachine
             : GatePlace::kSelectionBlocks;
}

std::vector<GatingTest> GatingTests(const JobSettings& job, GatePlace place) {
  std::vector<GatingTest> tests;
  if (GatePlaceOf(job) != place) {
    return tests;
  }
  if (job.AnimationConditionEnabled) {
    tests.push_back(
        {job.AnimationCondition, ConditionRole::kAnimationCondition});
  }
  if (job.AdditionalConditionEnabled) {
    GatingTest additional{job.AdditionalCondition,
                          ConditionRole::kAnimationCondition};
    additional.condition.Kind =
        place == GatePlace::kSelectionBlocks &&
                job.AnimationCondition.Kind != ConditionKind::kBetween
            ? ConditionKind::kMask
            : ConditionKind::kBetween;
    tests.push_back(additional);
  }
  return tests;
}

}  // namespace zum
