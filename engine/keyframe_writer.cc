#include "engine/keyframe_writer.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "engine/number_rules.h"
#include "engine/variants.h"

namespace zum {
namespace {

constexpr int kKeyDecimals = 1;
constexpr int kValueDecimals = 3;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLabelEnd = " label word\r\n";
constexpr std::string_view kTranslationHeader =
    "   dw    1\r\n   real4 -1.0\r\n   real4 16 dup (0.0)\r\n";
constexpr std::string_view kRotationHeader =
    "   dw    3\r\n   real4 -1.0\r\n   real4 16 dup (0.0)\r\n";
constexpr std::string_view kCountStart = "   dw    ";
constexpr std::string_view kRowStart = "   real4 ";
// A row line less its values: the start, the key and the line end.
constexpr size_t kRowRoom =
    kRowStart.size() + kMaxKeyframeNumberLength + kLineEnd.size();

// Writes text through a raw pointer into room its owner reserved.
class TextCursor {
 public:
  explicit TextCursor(char* at) : at_(at) {}
  void Put(std::string_view text) {
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
  }
  void PutNumber(float value, int decimals) {
    at_ = WriteKeyframeNumber(value, decimals, at_);
  }
  char* at() const { return at_; }

 private:
  char* at_;
};

// The formatted values of every row of one table (", v1, v2, v3" and for a
// rotation ", v4"), made once and shared by the four variants, which repeat
// the same values in other orders.
// They are kept in a text of the thread's own, kept from table to table:
// one RowValues at a time per thread.
class RowValues {
 public:
  explicit RowValues(const KeyframeTable& t) {
    const bool rotation = t.Kind == KeyframeKind::kRotation;
    thread_local GrowingText buffer;
    const size_t room = static_cast<size_t>(t.RowCount) * (rotation ? 4 : 3) *
                        (2 + kMaxKeyframeNumberLength);
    buffer.clear();
    char* const begin = buffer.Reserve(room);
    TextCursor out(begin);
    for (int r = 1; r <= t.RowCount; ++r) {
      start_[r] = static_cast<size_t>(out.at() - begin);
      for (float value : {t.Value1[r], t.Value2[r], t.Value3[r]}) {
        out.Put(", ");
        out.PutNumber(value, kValueDecimals);
      }
      if (rotation) {
        out.Put(", ");
        out.PutNumber(t.Value4[r], kValueDecimals);
      }
    }
    start_[t.RowCount + 1] = static_cast<size_t>(out.at() - begin);
    text_ = std::string_view(begin, start_[t.RowCount + 1]);
  }

  std::string_view Row(int r) const {
    return text_.substr(start_[r], start_[r + 1] - start_[r]);
  }
  // The values of every row.
  size_t size() const { return text_.size(); }

 private:
  std::string_view text_;
  std::array<size_t, kMaxKeyframeRows + 2> start_;
};

void PutRow(TextCursor& out, float key, std::string_view values) {
  out.Put(kRowStart);
  out.PutNumber(key, kKeyDecimals);
  out.Put(values);
  out.Put(kLineEnd);
}

// The lines that start a variant: its label, the table's header and the row
// count.
void PutVariantStart(TextCursor& out, std::string_view label, Variant j,
                     std::string_view header, int rows) {
  out.Put(label);
  out.Put(VariantSuffix(static_cast<int>(j)));
  out.Put(kLabelEnd);
  out.Put(header);
  out.Put(kCountStart);
  out.Put(IntText(rows));
  out.Put(kLineEnd);
}

// Appends the four variants of TABLE to *TEXT: the room they can take at
// most is reserved first, then filled through a pointer, then the rest cut
// off.
void AppendVariants(const KeyframeTableSet& set, const KeyframeTable& t,
                    const char* tag, GrowingText* text) {
  const std::string label =
      set.label_base + tag + IntText(set.part) + "_" + IntText(set.animation);
  const std::string_view header =
      t.Kind == KeyframeKind::kRotation ? kRotationHeader : kTranslationHeader;
  const RowValues values(t);
  const int n = t.RowCount;
  const size_t variant_start_room = label.size() + 2 + kLabelEnd.size() +
                                    header.size() + kCountStart.size() + 11 +
                                    kLineEnd.size();
  // The forward and reverse variants have every row, each hold variant two.
  const size_t room = kVariantCount * variant_start_room +
                      (2 * static_cast<size_t>(n) + 4) * kRowRoom +
                      2 * values.size() + 2 * values.Row(1).size() +
                      2 * values.Row(n).size();
  char* const start = text->Reserve(room);
  TextCursor out(start);

  PutVariantStart(out, label, Variant::kHoldStart, header, 2);
  PutRow(out, t.Key[1], values.Row(1));
  PutRow(out, t.Key[n], values.Row(1));

  PutVariantStart(out, label, Variant::kForward, header, n);
  for (int r = 1; r <= n; ++r) {
    PutRow(out, t.Key[r], values.Row(r));
  }

  PutVariantStart(out, label, Variant::kReverse, header, n);
  for (int r = n; r >= 1; --r) {
    // The key difference is taken in 32-bit float arithmetic.
    PutRow(out, t.Key[n] - t.Key[r], values.Row(r));
  }

  PutVariantStart(out, label, Variant::kHoldEnd, header, 2);
  PutRow(out, t.Key[1], values.Row(n));
  PutRow(out, t.Key[n], values.Row(n));

  assert(out.at() <= start + room);
  text->EndAt(out.at());
}

}  // namespace

char* GrowingText::Reserve(size_t n) {
  if (capacity_ - size_ < n) {
    const size_t capacity = std::max(2 * capacity_, size_ + n);
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ != 0) {
      std::memcpy(larger.get(), data_.get(), size_);
    }
    data_ = std::move(larger);
    capacity_ = capacity;
  }
  return data_.get() + size_;
}

void GrowingText::Append(std::string_view text) {
  char* const end = Reserve(text.size());
  if (!text.empty()) {
    std::memcpy(end, text.data(), text.size());
  }
  size_ += text.size();
}

void AppendKeyframeTableSet(const KeyframeTableSet& set, GrowingText* text) {
  if (set.translation != nullptr) {
    AppendVariants(set, *set.translation, "_trans_", text);
  }
  if (set.rotation != nullptr) {
    AppendVariants(set, *set.rotation, "_quat_", text);
  }
}

void WriteKeyframeTableSet(LineWriter& out, const KeyframeTableSet& set) {
  GrowingText text;
  AppendKeyframeTableSet(set, &text);
  out.WriteText(text.view());
}

}  // namespace zum
