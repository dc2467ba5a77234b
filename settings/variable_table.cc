#include "settings/variable_table.h"

namespace zum {

bool VariableTable::AddVariable(std::string_view display_name,
                                std::string_view offset_text) {
  if (count_ >= kCapacity) {
    return false;
  }
  ++count_;
  names_[count_] = std::string(display_name);
  offsets_[count_] = std::string(offset_text);
  return true;
}

void VariableTable::AddBuiltInVariables() {
  // "033Bh" is an odd offset on purpose: it is the simulator's own.
  // The rows of variable_table.txt, in its order.
  static constexpr std::string_view kBuiltIn[][2] = {
#include "settings/variable_rows.inc"
  };
  for (const auto& row : kBuiltIn) {
    AddVariable(row[0], row[1]);
  }
}

int VariableTable::RowOfName(std::string_view text) const {
  return LastRowOf(names_, text);
}

int VariableTable::RowOfOffset(std::string_view text) const {
  return LastRowOf(offsets_, text);
}

int VariableTable::LastRowOf(const Column& column,
                             std::string_view text) const {
  int found = kNone;
  for (int row = 1; row <= count_; ++row) {
    if (column[row] == text) {
      found = row;
    }
  }
  return found;
}

}  // namespace zum
