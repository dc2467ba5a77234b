#include "preview/default_scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "preview/interpreter.h"

namespace zum {
namespace {

// A value that makes TEST hold, or fail.
uint16_t Passing(const VariableTest& test) {
  if (test.mask) {
    return static_cast<uint16_t>(test.lo);
  }
  const int lo = test.lo, hi = test.hi;
  return static_cast<uint16_t>(lo <= hi ? lo + (hi - lo) / 2 : lo);
}
uint16_t Failing(const VariableTest& test) {
  if (test.mask) {
    return 0;
  }
  return static_cast<uint16_t>(test.lo > -32768 ? test.lo - 1 : test.hi + 1);
}

ScenarioChange VariableChange(double time, const VariableTest& test,
                              uint16_t value) {
  ScenarioChange change;
  change.time = time;
  change.variable = test.variable;
  change.name = test.variable;
  change.value = value;
  return change;
}

ScenarioChange ViewerChange(double time, double x, double y, double z) {
  ScenarioChange change;
  change.time = time;
  change.viewer = true;
  change.name = "viewer";
  change.x = x;
  change.y = y;
  change.z = z;
  return change;
}

// The first pass from FIRST on in which the state word is STATE, or -1.
int FirstPassIn(const PreviewRun& run, int first, int state) {
  for (int pass = first; pass < run.PassCount(); ++pass) {
    if (run.passes[pass].state == state) {
      return pass;
    }
  }
  return -1;
}

// TIME rounded down to hundredths of a second: a scenario file shows it as
// typed, and the change still falls on the same pass (a pass lasts more).
double Hundredths(double time) {
  return std::floor(time * 100 + 1e-6) / 100;
}

// How long the default scenario holds a trigger that starts nothing.
constexpr double kNoStartSeconds = 10;

double Centre(double lo, double hi) {
  return lo + (hi - lo) / 2;
}

}  // namespace

Scenario DefaultScenario(const PreviewProgram& program) {
  Scenario scenario;
  std::vector<ScenarioChange> start;
  std::vector<std::string> set;
  bool viewer_set = false;
  const VariableTest* trigger = nullptr;
  for (const VariableTest& test : program.tests) {
    if (test.role == TestRole::kTrigger) {
      trigger = trigger ? trigger : &test;
      continue;
    }
    if (test.box) {
      if (!viewer_set) {
        const PreviewBox& box = program.boxes[test.box_index];
        start.push_back(ViewerChange(0, Centre(box.x_min, box.x_max),
                                     Centre(box.y_min, box.y_max),
                                     Centre(box.z_min, box.z_max)));
        viewer_set = true;
      }
    } else if (test.variable.find(' ') == std::string::npos &&
               std::find(set.begin(), set.end(), test.variable) == set.end()) {
      set.push_back(test.variable);
      start.push_back(VariableChange(0, test, Passing(test)));
    }
  }
  if (!program.has_trigger || trigger == nullptr) {
    scenario.changes = start;
    scenario.seconds = 10;
    return scenario;
  }
  // The trigger's own values replace any other test's.
  ScenarioChange fail, hold;
  if (trigger->box) {
    const PreviewBox& box = program.boxes[trigger->box_index];
    const double y = Centre(box.y_min, box.y_max);
    const double z = Centre(box.z_min, box.z_max);
    fail = ViewerChange(0, box.x_max + 100, y, z);
    hold = ViewerChange(1, Centre(box.x_min, box.x_max), y, z);
    std::erase_if(start, [](const ScenarioChange& c) { return c.viewer; });
  } else {
    fail = VariableChange(0, *trigger, Failing(*trigger));
    hold = VariableChange(1, *trigger, Passing(*trigger));
    std::erase_if(start, [&](const ScenarioChange& c) {
      return !c.viewer && c.variable == trigger->variable;
    });
  }
  start.push_back(fail);
  start.push_back(hold);
  scenario.changes = start;

  // Hold until 2 s after the end pose, then wait 2 s past the start pose.
  const double wait =
      std::clamp(2 * FrameCycleTicks(program) / kTicksPerSecond + 2,
                 kMinWaitSeconds, kMaxWaitSeconds);
  scenario.seconds = 1 + wait;
  PreviewRun run;
  double release = scenario.seconds;
  if (RunScenario(program, scenario, &run, {.poses = false}).ok()) {
    const int hold_pass = static_cast<int>(kTicksPerSecond);
    const int end = FirstPassIn(run, hold_pass, 3);
    if (FirstPassIn(run, hold_pass, 1) < 0 && end < 0) {
      release = 1 + kNoStartSeconds;  // the trigger never starts a run
    } else if (end >= 0) {
      release = Hundredths(PreviewRun::Time(end) + 2);
    }
  }
  fail.time = release;
  scenario.changes.push_back(fail);
  scenario.seconds = release + wait;
  double finish = scenario.seconds;
  if (RunScenario(program, scenario, &run, {.poses = false}).ok()) {
    const int first = static_cast<int>(release * kTicksPerSecond) + 1;
    const int rest = FirstPassIn(run, first, 0);
    if (rest >= 0) {
      finish = Hundredths(PreviewRun::Time(rest) + 2);
    }
  }
  scenario.seconds = finish;
  return scenario;
}

}  // namespace zum
