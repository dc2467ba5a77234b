#include "preview/timeline.h"

#include <cstdio>

#include "preview/model_names.h"

namespace zum {
namespace {

std::string Window(int lo, int hi) {
  return std::to_string(lo) + ".." + std::to_string(hi);
}

// The words for a change of the state word from FROM to TO.
std::string StateChange(const PreviewProgram& program, const PassValues& pass,
                        int from, int to) {
  const std::string start =
      Window(program.start_window_lo, program.start_window_hi);
  if (to == 0 && pass.gate_fails && from != 0) {
    return "a gating condition fails: back at rest at the start at once";
  }
  if (to == 1) {
    return "trigger holds: waiting for frame " + start;
  }
  if (to == 4) {
    return "trigger stops holding: waiting for frame " + start;
  }
  if (from == 1 && to == 2) {
    return "forward run starts";
  }
  if (from == 4 && to == 5) {
    return "reverse run starts";
  }
  if (from == 2 && to == 3) {
    return "end pose reached";
  }
  if (from == 5 && to == 0) {
    return "start pose reached";
  }
  if (from == 1 && to == 3) {
    return "forward run starts and reaches the end pose in the same pass";
  }
  if (from == 4 && to == 0) {
    return "reverse run starts and reaches the start pose in the same pass";
  }
  return std::string(TriggerStateWords(to));
}

std::string AnimationWords(int animation) {
  return animation > 0 ? "animation " + std::to_string(animation) + " shown"
                       : "the first copy's matrix drawn (no condition holds)";
}

}  // namespace

bool ShowsAnimations(const PreviewProgram& program) {
  if (program.animations > 1) {
    return true;
  }
  for (const VariableTest& test : program.tests) {
    if (test.role == TestRole::kWrapper || test.role == TestRole::kSecondary) {
      return true;
    }
  }
  return false;
}

std::vector<TimelineEvent> RunTimeline(const PreviewProgram& program,
                                       const PreviewRun& run) {
  std::vector<TimelineEvent> events;
  const bool animations = ShowsAnimations(program);
  for (int pass = 0; pass < run.PassCount(); ++pass) {
    const PassValues& now = run.passes[pass];
    if (pass == 0) {
      if (now.state >= 0) {
        events.push_back({0, std::string(TriggerStateWords(now.state))});
      }
      if (animations && now.animation >= 0) {
        events.push_back({0, AnimationWords(now.animation)});
      }
      continue;
    }
    const PassValues& before = run.passes[pass - 1];
    if (now.state != before.state && now.state >= 0) {
      events.push_back(
          {pass, StateChange(program, now, before.state, now.state)});
    }
    if (animations && now.animation != before.animation && now.animation >= 0) {
      events.push_back({pass, AnimationWords(now.animation)});
    }
  }
  return events;
}

std::string TimelineLine(const TimelineEvent& event) {
  char time[32];
  std::snprintf(time, sizeof time, "%.2f s ", PreviewRun::Time(event.pass));
  return time + event.text;
}

}  // namespace zum
