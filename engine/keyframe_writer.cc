#include "engine/keyframe_writer.h"

#include <array>
#include <string>
#include <string_view>

#include "engine/number_rules.h"
#include "engine/variants.h"

namespace zum {
namespace {

constexpr int kKeyDecimals = 1;
constexpr int kValueDecimals = 3;

// The formatted values of every row of one table (", v1, v2, v3" and for a
// rotation ", v4"), made once and shared by the four variants, which repeat
// the same values in other orders.
class RowValues {
 public:
  explicit RowValues(const KeyframeTable& t) {
    for (int r = 1; r <= t.RowCount; ++r) {
      start_[r] = text_.size();
      for (float value : {t.Value1[r], t.Value2[r], t.Value3[r]}) {
        text_.append(", ");
        AppendKeyframeNumber(value, kValueDecimals, &text_);
      }
      if (t.Kind == KeyframeKind::kRotation) {
        text_.append(", ");
        AppendKeyframeNumber(t.Value4[r], kValueDecimals, &text_);
      }
    }
    start_[t.RowCount + 1] = text_.size();
  }

  std::string_view Row(int r) const {
    return std::string_view(text_).substr(start_[r], start_[r + 1] - start_[r]);
  }

 private:
  std::string text_;
  std::array<size_t, kMaxKeyframeRows + 2> start_;
};

// Lines ended by CR LF, appended to a text.
class Lines {
 public:
  explicit Lines(std::string* text) : text_(text) {}
  void WriteLine(std::string_view line) {
    text_->append(line);
    text_->append("\r\n", 2);
  }
  void Append(std::string_view text) { text_->append(text); }
  void EndLine() { text_->append("\r\n", 2); }
  void AppendKeyframeNumber(float value, int decimals) {
    zum::AppendKeyframeNumber(value, decimals, text_);
  }

 private:
  std::string* text_;
};

void WriteTableHeader(Lines& out, const KeyframeTable& table) {
  out.WriteLine(table.Kind == KeyframeKind::kRotation ? "   dw    3"
                                                      : "   dw    1");
  out.WriteLine("   real4 -1.0");
  out.WriteLine("   real4 16 dup (0.0)");
}

void WriteRow(Lines& out, float key, std::string_view values) {
  out.Append("   real4 ");
  out.AppendKeyframeNumber(key, kKeyDecimals);
  out.Append(values);
  out.EndLine();
}

void WriteCountLine(Lines& out, int rows) {
  out.WriteLine("   dw    " + IntText(rows));
}

void HoldStart(Lines& out, const KeyframeTable& t, const RowValues& v) {
  WriteTableHeader(out, t);
  WriteCountLine(out, 2);
  WriteRow(out, t.Key[1], v.Row(1));
  WriteRow(out, t.Key[t.RowCount], v.Row(1));
}

void Forward(Lines& out, const KeyframeTable& t, const RowValues& v) {
  WriteTableHeader(out, t);
  WriteCountLine(out, t.RowCount);
  for (int r = 1; r <= t.RowCount; ++r) {
    WriteRow(out, t.Key[r], v.Row(r));
  }
}

void Reverse(Lines& out, const KeyframeTable& t, const RowValues& v) {
  WriteTableHeader(out, t);
  WriteCountLine(out, t.RowCount);
  int n = t.RowCount;
  for (int r = n; r >= 1; --r) {
    // The key difference is taken in 32-bit float arithmetic.
    float key = t.Key[n] - t.Key[r];
    WriteRow(out, key, v.Row(r));
  }
}

void HoldEnd(Lines& out, const KeyframeTable& t, const RowValues& v) {
  WriteTableHeader(out, t);
  WriteCountLine(out, 2);
  WriteRow(out, t.Key[1], v.Row(t.RowCount));
  WriteRow(out, t.Key[t.RowCount], v.Row(t.RowCount));
}

void WriteVariants(Lines& out, const KeyframeTableSet& set,
                   const KeyframeTable& table, const char* tag) {
  const std::string label =
      set.label_base + tag + IntText(set.part) + "_" + IntText(set.animation);
  RowValues values(table);
  const auto variant_label = [&label](Variant j) {
    return label + std::string(VariantSuffix(static_cast<int>(j))) +
           " label word";
  };
  out.WriteLine(variant_label(Variant::kHoldStart));
  HoldStart(out, table, values);
  out.WriteLine(variant_label(Variant::kForward));
  Forward(out, table, values);
  out.WriteLine(variant_label(Variant::kReverse));
  Reverse(out, table, values);
  out.WriteLine(variant_label(Variant::kHoldEnd));
  HoldEnd(out, table, values);
}

}  // namespace

void AppendKeyframeTableSet(const KeyframeTableSet& set, std::string* text) {
  Lines out(text);
  if (set.translation != nullptr) {
    WriteVariants(out, set, *set.translation, "_trans_");
  }
  if (set.rotation != nullptr) {
    WriteVariants(out, set, *set.rotation, "_quat_");
  }
}

void WriteKeyframeTableSet(LineWriter& out, const KeyframeTableSet& set) {
  std::string text;
  AppendKeyframeTableSet(set, &text);
  out.WriteText(text);
}

}  // namespace zum
