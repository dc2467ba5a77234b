#include "engine/asm_lines.h"

#include <algorithm>
#include <cmath>

#include "engine/number_rules.h"

namespace zum {
namespace {

// Assigns the trimmed TEXT to *token, reusing its storage.
void SetTrimmed(std::string_view text, std::string* token) {
  std::string_view t = TrimBlanks(text);
  token->assign(t.data(), t.size());
}

// TEXT without the blanks and tabs around it: a tab that only indents a
// word or follows a number changes nothing that is read.
std::string_view TrimWhiteSpace(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) {
    return std::string_view();
  }
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// A keyframe row's numbers as warnings name them.
std::string ColumnName(int column) {
  return column == 0 ? "the key" : "value " + std::to_string(column);
}

// Which columns from FIRST up to NUMBERS - 1 a row lacks: "value 3", "values
// 2 to 3", "the key and values 1 to 3".
std::string MissingColumns(int first, int numbers) {
  if (first == numbers - 1) {
    return ColumnName(first);
  }
  const std::string last = std::to_string(numbers - 1);
  return first == 0 ? "the key and values 1 to " + last
                    : "values " + std::to_string(first) + " to " + last;
}

// Adds the warning for row ROW of ROWS, the line IN returned last, which was
// read other than as written: a line that is no real4 row, or a row whose
// NUMBERS numbers (read as VALUES) are not all there and whole numbers. Only
// rows that warn come here.
void WarnKeyframeRow(const LineReader& in, std::string_view line, int row,
                     int rows, int numbers, const float* values,
                     RunWarnings* warnings) {
  LineTokens tokens;
  std::string err;
  SplitAsmLine(line, &tokens, &err);  // split before, without error
  const std::string place =
      "keyframe row " + IntText(row) + " of " + IntText(rows);
  const std::string_view first = TrimWhiteSpace(tokens.Token(1));
  if (first != "real4") {
    const std::string_view t = TrimBlanks(line);
    std::string message;
    if (t.empty()) {
      message = "empty line read as " + place;
    } else if (Contains(t, "_riff_end")) {
      message = "the chunk's end line " + Quoted(t) + " read as " + place +
                ": the row count runs past the end of its chunk";
    } else if (Contains(t, "label")) {
      message = "label line " + Quoted(t) + " read as " + place;
    } else if (first == "dw") {
      message = "dw line " + Quoted(t) + " read as " + place;
    } else {
      message = "line " + Quoted(t) + " read as " + place;
      if (first.starts_with("real4\t")) {
        message += " (a tab does not separate words: " + Quoted(first) +
                   " is one word, and the key is read from the number after "
                   "it)";
      }
    }
    warnings->AddHere(in, message);
    return;
  }
  // The words are Token(1)..Token(Count - 1); the last token is the comment.
  const int written = std::max(tokens.Count - 2, 0);
  std::string message;
  for (int c = 0; c < numbers && c < written; ++c) {
    const std::string_view token = tokens.Token(c + 2);
    // Blanks and tabs after a number change nothing; a tab before it does.
    const size_t end = token.find_last_not_of(" \t");
    bool whole = false;
    LeadingNumber(token.substr(0, end == std::string_view::npos ? 0 : end + 1),
                  &whole);
    if (!whole) {
      message += (message.empty() ? "" : ", ") + ColumnName(c) + " " +
                 Quoted(token) + " read as " + ReadValueText(values[c]);
    }
  }
  if (written < numbers) {
    message += (message.empty() ? "" : ", ") +
               MissingColumns(written, numbers) + " missing, read as 0";
  }
  if (!message.empty()) {
    warnings->AddHere(in, place + ": " + message);
  }
}

// Adds the warnings for a row count line read other than as written: one
// that is no dw line, or a count that is no whole number.
void WarnRowCount(const LineReader& in, std::string_view line,
                  const LineTokens& tokens, int16_t rows,
                  RunWarnings* warnings) {
  if (TrimWhiteSpace(tokens.Token(1)) != "dw") {
    warnings->AddHere(
        in, "row count " + IntText(rows) + " of a keyframe table read from " +
                Quoted(TrimBlanks(line)) + ", which is not a dw line");
  }
  const std::string rounded =
      RoundedNumberWarning("keyframe table row count", tokens.Token(2), rows);
  if (!rounded.empty()) {
    warnings->AddHere(in, rounded);
  }
}

// Reads a row as an exporter writes it: "real4" and a blank, then NUMBERS
// numbers that are each a whole word (words are separated by blanks and
// commas), and nothing after them but blanks. Returns false for any other
// line, which the splitter then takes; for a row read here it would give
// the same values, without a warning. VALUES receives the numbers as
// floats, and a number beyond the float range also returns false, for the
// splitter's error. One pass over the line.
// REQUIRES: the byte after LINE is readable and is a NUL, CR or LF (as
// after a line read as a view), which ends the scans of blanks and commas.
bool ReadExporterRow(std::string_view line, int numbers, float* values) {
  const char* const text = line.data();
  size_t i = 0;
  while (text[i] == ' ') {
    ++i;
  }
  if (line.substr(i, 6) != "real4 ") {
    return false;
  }
  i += 5;
  for (int c = 0; c < numbers; ++c) {
    while (text[i] == ' ' || text[i] == ',') {
      ++i;
    }
    double value;
    const size_t length = ReadNumberAt(line, i, &value);
    i += length;
    if (length == 0 || (i < line.size() && text[i] != ' ' && text[i] != ',')) {
      return false;
    }
    values[c] = static_cast<float>(value);
    if (!std::isfinite(values[c])) {
      return false;
    }
  }
  while (text[i] == ' ') {
    ++i;
  }
  return i == line.size();
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
                         KeyframeTable* table, TableRead read,
                         RunWarnings* warnings) {
  table->Kind = kind;
  std::string line;
  for (int i = 1; i <= 3; ++i) {
    ZUM_RETURN_IF_ERROR(in.SkipLine("header line " + std::to_string(i) +
                                    " of a keyframe table"));
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
  if (warnings != nullptr) {
    WarnRowCount(in, line, tokens, rows, warnings);
  }
  table->RowCount = rows;
  std::array<float, kMaxKeyframeRows + 1>* columns[] = {
      &table->Key, &table->Value1, &table->Value2, &table->Value3,
      &table->Value4};
  const int numbers = read == TableRead::kLastKey       ? 1
                      : kind == KeyframeKind::kRotation ? 5
                                                        : 4;
  // Rows are read by the hundred thousand: an exporter's row is read in one
  // pass (ReadExporterRow), others by the plain splitter without copying,
  // the full one the rest. The plain splitter sets every word of PLAIN,
  // which therefore serves every row.
  PlainTokens plain;
  for (int r = 1; r <= rows; ++r) {
    if (read == TableRead::kLastKey && r < rows) {
      ZUM_RETURN_IF_ERROR(in.SkipLine("a row of a keyframe table"));
      continue;
    }
    std::string_view row_text;
    ZUM_RETURN_IF_ERROR(
        in.ReadLineView(&row_text, "a row of a keyframe table"));
    float row[5];
    if (ReadExporterRow(row_text, numbers, row)) {
      for (int c = 0; c < numbers; ++c) {
        (*columns[c])[r] = row[c];
      }
      continue;
    }
    bool is_plain = SplitPlainAsmLine(row_text, &plain);
    if (!is_plain && !SplitAsmLine(row_text, &tokens, &err)) {
      return in.ErrorHere(err);
    }
    bool as_written = true;
    for (int c = 0; c < numbers; ++c) {
      std::string_view token =
          is_plain ? plain.Token(c + 2) : std::string_view(tokens.Token(c + 2));
      bool whole;
      // StoreFloat32 without its message, which this one replaces: the
      // conversion rounds to nearest, what rounds beyond the largest float
      // becomes infinite.
      const float value = static_cast<float>(LeadingNumber(token, &whole));
      if (!std::isfinite(value)) {
        return in.ErrorHere("keyframe table row: the number " + Quoted(token) +
                            " is beyond the range of a 32-bit float");
      }
      (*columns[c])[r] = value;
      as_written &= whole;
    }
    // A row of plain numbers costs two tests here.
    if (warnings != nullptr &&
        (!as_written ||
         (is_plain ? plain.Token(1) : std::string_view(tokens.Token(1))) !=
             "real4")) {
      float values[5];
      for (int c = 0; c < numbers; ++c) {
        values[c] = (*columns[c])[r];
      }
      WarnKeyframeRow(in, row_text, r, rows, numbers, values, warnings);
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
