#include "engine/keyframe_writer.h"

#include <string>

#include "engine/number_rules.h"

namespace zum {
namespace {

constexpr int kKeyDecimals = 1;
constexpr int kValueDecimals = 3;

}  // namespace

void WriteTableHeader(LineWriter& out, const KeyframeTable& table) {
  out.WriteLine(table.Kind == 3 ? "   dw    3" : "   dw    1");
  out.WriteLine("   real4 -1.0");
  out.WriteLine("   real4 16 dup (0.0)");
}

void WriteKeyframeRow(LineWriter& out, const KeyframeTable& table, float key,
                      float value1, float value2, float value3, float value4) {
  thread_local std::string row;
  row.assign("   real4 ");
  AppendKeyframeNumber(key, kKeyDecimals, &row);
  row.append(", ");
  AppendKeyframeNumber(value1, kValueDecimals, &row);
  row.append(", ");
  AppendKeyframeNumber(value2, kValueDecimals, &row);
  row.append(", ");
  AppendKeyframeNumber(value3, kValueDecimals, &row);
  if (table.Kind == 3) {
    row.append(", ");
    AppendKeyframeNumber(value4, kValueDecimals, &row);
  }
  out.WriteLine(row);
}

void WriteHoldStartTable(LineWriter& out, const KeyframeTable& t) {
  WriteTableHeader(out, t);
  out.WriteLine("   dw    2");
  int n = t.RowCount;
  WriteKeyframeRow(out, t, t.Key[1], t.Value1[1], t.Value2[1], t.Value3[1],
                   t.Value4[1]);
  WriteKeyframeRow(out, t, t.Key[n], t.Value1[1], t.Value2[1], t.Value3[1],
                   t.Value4[1]);
}

void WriteForwardTable(LineWriter& out, const KeyframeTable& t) {
  WriteTableHeader(out, t);
  out.WriteLine("   dw    " + IntText(t.RowCount));
  for (int r = 1; r <= t.RowCount; ++r) {
    WriteKeyframeRow(out, t, t.Key[r], t.Value1[r], t.Value2[r], t.Value3[r],
                     t.Value4[r]);
  }
}

void WriteReverseTable(LineWriter& out, const KeyframeTable& t) {
  WriteTableHeader(out, t);
  out.WriteLine("   dw    " + IntText(t.RowCount));
  int n = t.RowCount;
  for (int r = n; r >= 1; --r) {
    // The key difference is taken in 32-bit float arithmetic.
    float key = t.Key[n] - t.Key[r];
    WriteKeyframeRow(out, t, key, t.Value1[r], t.Value2[r], t.Value3[r],
                     t.Value4[r]);
  }
}

void WriteHoldEndTable(LineWriter& out, const KeyframeTable& t) {
  WriteTableHeader(out, t);
  out.WriteLine("   dw    2");
  int n = t.RowCount;
  WriteKeyframeRow(out, t, t.Key[1], t.Value1[n], t.Value2[n], t.Value3[n],
                   t.Value4[n]);
  WriteKeyframeRow(out, t, t.Key[n], t.Value1[n], t.Value2[n], t.Value3[n],
                   t.Value4[n]);
}

namespace {

void WriteVariants(LineWriter& out, int animation, const KeyframeTable& table,
                   const char* tag, const std::string& label_base, int part) {
  static constexpr const char* kSuffixes[] = {"_a label word", "_b label word",
                                              "_c label word", "_d label word"};
  std::string label_start =
      label_base + tag + IntText(part) + "_" + IntText(animation);
  out.WriteLine(label_start + kSuffixes[0]);
  WriteHoldStartTable(out, table);
  out.WriteLine(label_start + kSuffixes[1]);
  WriteForwardTable(out, table);
  out.WriteLine(label_start + kSuffixes[2]);
  WriteReverseTable(out, table);
  out.WriteLine(label_start + kSuffixes[3]);
  WriteHoldEndTable(out, table);
}

}  // namespace

void WriteKeyframeTableSet(LineWriter& out, int animation,
                           const KeyframeTable& translation,
                           bool translation_pending,
                           const KeyframeTable& rotation, bool rotation_pending,
                           const std::string& label_base, int part) {
  if (translation_pending) {
    WriteVariants(out, animation, translation, "_trans_", label_base, part);
  }
  if (rotation_pending) {
    WriteVariants(out, animation, rotation, "_quat_", label_base, part);
  }
}

}  // namespace zum
