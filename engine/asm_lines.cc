#include "engine/asm_lines.h"

#include <cmath>

#include "engine/number_rules.h"

namespace zum {
namespace {

// Assigns the trimmed TEXT to *token, reusing its storage.
void SetTrimmed(std::string_view text, std::string* token) {
  std::string_view t = TrimBlanks(text);
  token->assign(t.data(), t.size());
}

}  // namespace

bool SplitPlainAsmLine(std::string_view line, PlainTokens* tokens) {
  std::string_view t = TrimBlanks(line);
  if (!t.empty() && (t.front() == ',' || t.back() == ',')) {
    return false;
  }
  if (t.find(';') != std::string_view::npos) {
    return false;
  }
  int count = 0;
  size_t i = 0;
  while (i < t.size()) {
    size_t end = i;
    while (end < t.size() && t[end] != ' ' && t[end] != ',') {
      ++end;
    }
    if (count == kMaxLineTokens - 1) {
      return false;  // too many: the full splitter reports it
    }
    tokens->words[++count] = t.substr(i, end - i);
    i = end;
    while (i < t.size() && (t[i] == ' ' || t[i] == ',')) {
      ++i;
    }
  }
  tokens->count = count == 0 ? 2 : count + 1;  // the last word, the comment
  for (int k = count + 1; k <= kMaxLineTokens; ++k) {
    tokens->words[k] = {};
  }
  return true;
}

bool IncludedFileName(std::string_view name, std::string* companion,
                      std::string* err) {
  if (name.size() < 4) {
    *err = "file name '" + std::string(name) +
           "' is too short to derive its _0.asm companion";
    return false;
  }
  companion->assign(name.substr(0, name.size() - 4));
  companion->append("_0.asm");
  return true;
}

bool SplitAsmLine(std::string_view line, LineTokens* tokens, std::string* err) {
  // Work on a copy with commas turned into blanks.
  thread_local std::string s;
  std::string_view trimmed = TrimBlanks(line);
  s.assign(trimmed.data(), trimmed.size());
  for (char& c : s) {
    if (c == ',') {
      c = ' ';
    }
  }
  std::string_view rest(s);
  std::string_view comment;
  size_t semicolon = rest.find(';');
  if (semicolon != std::string_view::npos) {
    comment = TrimBlanks(rest.substr(semicolon));
    rest = TrimBlanks(rest.substr(0, semicolon));
  }
  int count = 0;
  auto add = [&](std::string_view text) {
    if (count == kMaxLineTokens) {
      return false;
    }
    SetTrimmed(text, &tokens->Tokens[++count]);
    return true;
  };
  size_t blank;
  while ((blank = rest.find(' ')) != std::string_view::npos) {
    if (!add(rest.substr(0, blank + 1))) {
      break;
    }
    rest = TrimBlanks(rest.substr(blank));
  }
  if (blank != std::string_view::npos || !add(rest) || !add(comment)) {
    *err = "the line splits into more than " + std::to_string(kMaxLineTokens) +
           " words and comment; at most " + std::to_string(kMaxLineTokens) +
           " fit";
    tokens->Count = static_cast<int16_t>(count);
    return false;
  }
  tokens->Count = static_cast<int16_t>(count);
  return true;
}

std::optional<KeyframeKind> ScannedTableKind(std::string_view line) {
  if (!Contains(line, "label")) {
    return std::nullopt;
  }
  if (Contains(line, "_quat_")) {
    return KeyframeKind::kRotation;
  }
  if (Contains(line, "_trans_")) {
    return KeyframeKind::kTranslation;
  }
  return std::nullopt;
}

std::optional<KeyframeKind> ParameterTableKind(std::string_view line) {
  if (Contains(line, "_trans_")) {
    return KeyframeKind::kTranslation;
  }
  if (Contains(line, "_quat_")) {
    return KeyframeKind::kRotation;
  }
  return std::nullopt;
}

Status ReadKeyframeTable(LineReader& in, KeyframeKind kind,
                         KeyframeTable* table, TableRead read) {
  table->Kind = kind;
  std::string line;
  for (int i = 1; i <= 3; ++i) {
    ZUM_RETURN_IF_ERROR(in.ReadLine(
        &line, "header line " + std::to_string(i) + " of a keyframe table"));
  }
  ZUM_RETURN_IF_ERROR(
      in.ReadLine(&line, "the row count line of a keyframe table"));
  LineTokens tokens;
  std::string err;
  if (!SplitAsmLine(line, &tokens, &err)) {
    return in.ErrorHere(err);
  }
  int16_t rows;
  if (!ToInt16Named("keyframe table row count", tokens.Token(2), &rows, &err)) {
    return in.ErrorHere(err);
  }
  if (rows < 1) {
    return in.ErrorHere("keyframe table has " + IntText(rows) +
                        " rows; at least 1 is needed");
  }
  if (rows > kMaxKeyframeRows) {
    return in.ErrorHere("keyframe table has " + IntText(rows) +
                        " rows; at most " + IntText(kMaxKeyframeRows) + " fit");
  }
  table->RowCount = rows;
  std::array<float, kMaxKeyframeRows + 1>* columns[] = {
      &table->Key, &table->Value1, &table->Value2, &table->Value3,
      &table->Value4};
  const int numbers = read == TableRead::kLastKey       ? 1
                      : kind == KeyframeKind::kRotation ? 5
                                                        : 4;
  for (int r = 1; r <= rows; ++r) {
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "a row of a keyframe table"));
    if (read == TableRead::kLastKey && r < rows) {
      continue;
    }
    // Rows are read by the hundred thousand: the plain splitter takes the
    // usual row without copying, the full one the rest.
    PlainTokens plain;
    bool is_plain = SplitPlainAsmLine(line, &plain);
    if (!is_plain && !SplitAsmLine(line, &tokens, &err)) {
      return in.ErrorHere(err);
    }
    for (int c = 0; c < numbers; ++c) {
      std::string_view token =
          is_plain ? plain.Token(c + 2) : std::string_view(tokens.Token(c + 2));
      if (!StoreFloat32(LeadingNumber(token), &(*columns[c])[r], &err)) {
        return in.ErrorHere("keyframe table row: the number " + Quoted(token) +
                            " is beyond the range of a 32-bit float");
      }
    }
  }
  if (read == TableRead::kAllRows) {
    // The reverse table's keys are the last key less each key, taken in
    // 32-bit float arithmetic; every one must stay a finite number.
    const long first_row_line = in.line_number() - rows + 1;
    for (int r = 1; r <= rows; ++r) {
      float reverse_key = table->Key[rows] - table->Key[r];
      if (!std::isfinite(reverse_key)) {
        return Status::AtLine(
            in.name(), first_row_line + r - 1,
            "keyframe table row: the key " +
                std::string(TrimBlanks(KeyframeNumber(table->Key[r], 1))) +
                " lies too far from the last key " +
                std::string(TrimBlanks(KeyframeNumber(table->Key[rows], 1))) +
                "; their distance is beyond the range of a 32-bit float");
      }
    }
  }
  return Status::OK();
}

}  // namespace zum
