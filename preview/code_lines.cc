#include "preview/code_lines.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "engine/asm_lines.h"
#include "engine/number_rules.h"
#include "preview/operands.h"

namespace zum {
namespace {

// The float whose high 16 bits are the word VALUE and whose low bits are 0.
double FloatOfHighWord(double value) {
  const uint32_t bits =
      static_cast<uint32_t>(static_cast<long long>(std::trunc(value)) & 0xFFFF)
      << 16;
  float result;
  std::memcpy(&result, &bits, sizeof result);
  return result;
}

}  // namespace

std::string_view TrimSpace(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view FirstWord(std::string_view text, std::string_view* rest) {
  const size_t blank = text.find_first_of(" \t");
  if (blank == std::string_view::npos) {
    *rest = {};
    return text;
  }
  *rest = TrimSpace(text.substr(blank + 1));
  return text.substr(0, blank);
}

bool IsLabelLine(std::string_view trimmed, std::string_view* name) {
  std::string_view rest;
  *name = FirstWord(trimmed, &rest);
  std::string_view type;
  return !name->empty() && FirstWord(rest, &type) == "label";
}

std::vector<std::string_view> SplitArguments(std::string_view rest) {
  std::vector<std::string_view> args;
  while (true) {
    const size_t comma = rest.find(',');
    args.push_back(TrimSpace(rest.substr(0, comma)));
    if (comma == std::string_view::npos) {
      return args;
    }
    rest = rest.substr(comma + 1);
  }
}

bool ReadTableNumber(std::string_view text, double* value) {
  text = TrimSpace(text);
  if (!text.empty() && (text.back() == 'h' || text.back() == 'H')) {
    long number;
    if (!ReadOperand(text, &number)) {
      return false;
    }
    *value = static_cast<double>(number);
    return true;
  }
  return ParseWholeNumber(text, value);
}

bool ReadOffsetDifference(std::string_view text, std::string_view* table,
                          std::string_view* area) {
  text = TrimSpace(text);
  if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
    return false;
  }
  text = TrimSpace(text.substr(1, text.size() - 2));
  const size_t minus = text.find(" - ");
  if (minus == std::string_view::npos) {
    return false;
  }
  std::string_view left = TrimSpace(text.substr(0, minus));
  std::string_view right = TrimSpace(text.substr(minus + 3));
  if (FirstWord(left, table) != "offset" ||
      FirstWord(right, area) != "offset") {
    return false;
  }
  return !table->empty() && !area->empty();
}

bool PeekReader::Next(std::string* line) {
  if (has_pending_) {
    has_pending_ = false;
    line->swap(pending_);
    return true;
  }
  return in_->Next(line);
}

void PeekReader::GiveBack(std::string line) {
  pending_ = std::move(line);
  has_pending_ = true;
}

Status ReadInterpolationTable(std::string_view name, PeekReader& in,
                              InterpolationTable* result, bool* found) {
  *found = false;
  std::string first;
  if (!in.Next(&first)) {
    return Status::OK();
  }
  std::string_view rest;
  long count = 0;
  if (FirstWord(TrimSpace(first), &rest) != "dw" ||
      rest.find(',') != std::string_view::npos || !ReadOperand(rest, &count)) {
    in.GiveBack(std::move(first));
    return Status::OK();
  }
  InterpolationTable table;
  table.label = std::string(name);
  table.kind = Contains(name, "_mod_") ? InterpolationTable::kWrapping
               : name.ends_with("_float_convert_hi")
                   ? InterpolationTable::kFloatHigh
                   : InterpolationTable::kPlain;
  std::string line;
  if (!in.Next(&line)) {
    return in.reader().status().ok()
               ? Status::AtLine(
                     in.reader().name(), in.line_number(),
                     "the file ends inside the table " + Quoted(name))
               : in.reader().status();
  }
  std::string_view header_rest;
  if (FirstWord(TrimSpace(line), &header_rest) == "real4" &&
      header_rest.find(',') == std::string_view::npos) {
    // The keyframe layout: skip the third header line, read the count.
    std::string header;
    ZUM_RETURN_IF_ERROR(in.reader().ReadLine(&header, "a table header line"));
    ZUM_RETURN_IF_ERROR(in.reader().ReadLine(&line, "the table's row count"));
    if (FirstWord(TrimSpace(line), &rest) != "dw" ||
        !ReadOperand(rest, &count)) {
      return Status::AtLine(in.reader().name(), in.line_number(),
                            "expected the row count of the table " +
                                Quoted(name) + ", found " +
                                Quoted(TrimSpace(line)));
    }
    if (!in.Next(&line)) {
      return in.reader().status().ok()
                 ? Status::AtLine(
                       in.reader().name(), in.line_number(),
                       "the file ends inside the table " + Quoted(name))
                 : in.reader().status();
    }
  }
  if (count < 1 || count > kMaxKeyframeRows) {
    return Status::AtLine(
        in.reader().name(), in.line_number() - 1,
        "the table " + Quoted(name) + " has " + std::to_string(count) +
            " rows; 1 to " + std::to_string(kMaxKeyframeRows) + " can be read");
  }
  for (long row = 0; row < count; ++row) {
    if (row > 0) {
      ZUM_RETURN_IF_ERROR(in.reader().ReadLine(&line, "a table row"));
    }
    std::string_view values;
    const std::string_view word = FirstWord(TrimSpace(line), &values);
    const std::vector<std::string_view> args = SplitArguments(values);
    double key, value;
    if ((word != "dw" && word != "real4") || args.size() != 2 ||
        !ReadTableNumber(args[0], &key) || !ReadTableNumber(args[1], &value)) {
      return Status::AtLine(in.reader().name(), in.line_number(),
                            "expected a row of the table " + Quoted(name) +
                                " (key, value), found " +
                                Quoted(TrimSpace(line)));
    }
    if (!table.keys.empty() && key < table.keys.back()) {
      return Status::AtLine(
          in.reader().name(), in.line_number(),
          "the keys of the table " + Quoted(name) + " do not ascend");
    }
    table.keys.push_back(key);
    table.values.push_back(value);
  }
  if (table.kind == InterpolationTable::kFloatHigh) {
    for (double& value : table.values) {
      value = FloatOfHighWord(value);
    }
  }
  *result = std::move(table);
  *found = true;
  return Status::OK();
}

}  // namespace zum
