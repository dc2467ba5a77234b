#ifndef ZUM_PREVIEW_SCENARIO_H_
#define ZUM_PREVIEW_SCENARIO_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/status.h"

// A scenario: what the simulator variables and the viewer do over time.
//
// The file holds one change a line, "TIME NAME VALUE": TIME in seconds, NAME
// a variable offset as the settings write it ("0282h", "033Bh"; an
// assembler symbol that the code tests counts too) and VALUE a 16-bit number,
// or "TIME viewer X Y Z" with the viewer's position in metres. "seconds S" sets
// the scenario's length and "start_tick T" the tick of the first pass. "#"
// starts a comment; blank lines are passed over.
namespace zum {

struct ScenarioChange {
  double time = 0;
  bool viewer = false;
  std::string variable;  // its VariableKey, when not the viewer
  std::string name;      // as written: "0282h" or "viewer"
  uint16_t value = 0;
  double x = 0, y = 0, z = 0;
  int line = 0;  // in the file it was read from; 0 otherwise
};

struct Scenario {
  // 0: until 5 s after the last change, and at least 10 s.
  double seconds = 0;
  long start_tick = 0;
  std::vector<ScenarioChange> changes;  // in the order written

  // The length in seconds and the number of passes it runs (one at 0 s and
  // one per tick up to the length).
  double Length() const;
  int PassCount() const;
};

// The passes per second of the simulator's tick counter.
inline constexpr double kTicksPerSecond = 18.0;

// Reads one line of a scenario file into *SCENARIO. Errors read "FILE:LINE:
// message".
Status ReadScenarioLine(std::string_view line, const std::string& file,
                        int line_number, Scenario* scenario);

// The value SCENARIO gives the variable KEY at TIME: the latest change at or
// before it (of two at the same time the later one written), 0 before any.
int ScenarioValueAt(const Scenario& scenario, const std::string& key,
                    double time);

// Reads the scenario file PATH. Errors name the file and line.
Status ReadScenarioFile(const std::string& path, Scenario* scenario);

// The file form of SCENARIO (LF line ends, as ReadScenarioFile reads any).
std::string ScenarioText(const Scenario& scenario);

// Writes ScenarioText(SCENARIO) to PATH, replacing it only when complete.
Status WriteScenarioFile(const std::string& path, const Scenario& scenario);

}  // namespace zum

#endif  // ZUM_PREVIEW_SCENARIO_H_
