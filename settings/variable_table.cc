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
  static constexpr std::string_view kBuiltIn[][2] = {
      {"Aircraft altitude MSL", "0280h"},
      {"Beacon", "0282h"},
      {"Time of day", "028Ch"},
      {"Beacon2", "030Ah"},
      {"Beacon3", "030Ch"},
      {"Beacon4", "030Eh"},
      {"Beacon5", "0310h"},
      {"User variable 1", "0312h"},
      {"User variable 2", "0314h"},
      {"User variable 3", "0316h"},
      {"User variable 4", "0318h"},
      {"User variable 5", "031Ah"},
      {"Distance to RefPoint", "033Bh"},
      {"Scenery complexity", "0346h"},
      {"Distance along x axis", "037Eh"},
      {"Distance along y axis", "0382h"},
      {"Distance along z axis", "0386h"},
      {"Day of the year", "038Ah"},
      {"Year", "038Ch"},
      {"18Hz timer", "05FCh"},
      {"Season", "06F8h"},
      {"NAV1 frequency", "07C0h"},
      {"NAV2 frequency", "07C2h"},
      {"Wind velocity", "0C72h"},
      {"Wind heading", "0C74h"},
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
