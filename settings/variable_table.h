#ifndef ZUM_SETTINGS_VARIABLE_TABLE_H_
#define ZUM_SETTINGS_VARIABLE_TABLE_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zum {

// The simulator variables offered in the window's variable lists: a display
// name and the hexadecimal offset text ("0280h") that a condition pastes
// into the generated code. Rows are numbered 1..VariableCount() in the order
// they were added; list position p (from 0) is row p + 1.
class VariableTable {
 public:
  static constexpr int kCapacity = 50;
  static constexpr int kNone = 0;

  // Stores the pair in the next row. Returns false, changing nothing, when
  // the table already holds kCapacity rows.
  bool AddVariable(std::string_view display_name, std::string_view offset_text);

  // Adds the 25 built-in rows, "Aircraft altitude MSL" first and "Wind
  // heading" last.
  void AddBuiltInVariables();

  int16_t VariableCount() const { return count_; }
  // REQUIRES: 1 <= row <= VariableCount().
  const std::string& DisplayName(int row) const { return names_[row]; }
  const std::string& OffsetText(int row) const { return offsets_[row]; }

  // The row whose display name (or offset text) equals TEXT exactly, case
  // included; the last match wins. kNone when no row matches.
  int RowOfName(std::string_view text) const;
  int RowOfOffset(std::string_view text) const;

 private:
  using Column = std::array<std::string, kCapacity + 1>;  // [1..50]

  int LastRowOf(const Column& column, std::string_view text) const;

  int16_t count_ = 0;
  Column names_;
  Column offsets_;
};

}  // namespace zum

#endif  // ZUM_SETTINGS_VARIABLE_TABLE_H_
