#include "settings/warning_marks.h"

#include <array>

#include "engine/number_rules.h"

namespace zum {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

bool IsHexOffset(std::string_view text) {
  std::string_view t = TrimBlanks(text);
  if (t.size() < 2 || !IsDigit(t.front()) ||
      (t.back() != 'h' && t.back() != 'H')) {
    return false;
  }
  for (char c : t.substr(0, t.size() - 1)) {
    if (!IsHexDigit(c)) {
      return false;
    }
  }
  return true;
}

std::string WarningMarkTip(MarkedBox box, ConditionRole role,
                           std::string_view text) {
  if (text.empty()) {
    return std::string();
  }
  if (box == MarkedBox::kPasted) {
    return IsNumeric(text) || IsHexOffset(text) ? std::string()
                                                : kSymbolMarkTip;
  }
  // The run's own conversion of a box whose other values are all zero and
  // whose rotation is none, so that the error is TEXT's alone.
  ConditionSpec spec;
  spec.Kind = ConditionKind::kBoundingBox;
  for (std::string* extent : {&spec.BoxXMin, &spec.BoxXMax, &spec.BoxYMin,
                              &spec.BoxYMax, &spec.BoxZMin, &spec.BoxZMax}) {
    *extent = "0";
  }
  std::string* field = box == MarkedBox::kBoxXMin   ? &spec.BoxXMin
                       : box == MarkedBox::kBoxXMax ? &spec.BoxXMax
                       : box == MarkedBox::kBoxYMin ? &spec.BoxYMin
                       : box == MarkedBox::kBoxYMax ? &spec.BoxYMax
                       : box == MarkedBox::kBoxZMin ? &spec.BoxZMin
                       : box == MarkedBox::kBoxZMax ? &spec.BoxZMax
                                                    : &spec.Rotation;
  *field = std::string(text);
  std::array<std::string, 6> extents;
  std::string err;
  return RotatedBoxExtents(spec, role, &extents, &err) ? std::string() : err;
}

}  // namespace zum
