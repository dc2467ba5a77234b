#include "preview/findings.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>

#include "engine/number_rules.h"
#include "preview/model_names.h"
#include "preview/operands.h"

namespace zum {
namespace {

std::string Seconds(double seconds, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, seconds);
  return text;
}

std::string Range(int lo, int hi) {
  return std::to_string(lo) + ".." + std::to_string(hi);
}

// The ticks after which part 1's frames repeat: the last key of the
// wrapping table that its tick block reads the tick through, else 65536.
int FramePeriod(const PreviewProgram& program) {
  for (int i = program.frame_begin; i < program.frame_end; ++i) {
    const PreviewInstruction& in = program.code[i];
    if (in.op == PreviewOp::kInterpolate && in.a == kTickSource) {
      const InterpolationTable& table = program.interpolation_tables[in.b];
      if (table.kind == InterpolationTable::kWrapping &&
          table.keys.back() >= 1 && table.keys.back() <= 65536) {
        return static_cast<int>(table.keys.back());
      }
      break;
    }
  }
  return 65536;
}

// For every tick T, the first tick from T on whose frame lies in LO..HI
// (INT_MAX when none follows).
std::vector<int> NextInWindow(const std::vector<int>& frames, int lo, int hi) {
  std::vector<int> next(frames.size() + 1, INT_MAX);
  for (int t = static_cast<int>(frames.size()) - 1; t >= 0; --t) {
    next[t] = frames[t] >= lo && frames[t] <= hi ? t : next[t + 1];
  }
  return next;
}

std::string TestCondition(const PreviewProgram& program,
                          const VariableTest& test,
                          const VariableTable* names) {
  if (test.box) {
    const PreviewBox& b = program.boxes[test.box_index];
    char text[160];
    std::snprintf(text, sizeof text,
                  "the viewer is outside the box x %g..%g, y %g..%g, z "
                  "%g..%g m",
                  b.x_min, b.x_max, b.y_min, b.y_max, b.z_min, b.z_max);
    return text;
  }
  const std::string name = VariableName(test.variable_text, names);
  if (test.mask) {
    return name + " AND " + OffsetText(static_cast<uint16_t>(test.lo)) +
           " is 0";
  }
  return name + " is outside " + Range(test.lo, test.hi) +
         (test.lo > test.hi ? " (always: that range is empty)" : "");
}

// The first pass from FIRST on whose state is STATE; -1 when none.
int NextState(const PreviewRun& run, int first, int state) {
  for (int pass = first; pass < run.PassCount(); ++pass) {
    if (run.passes[pass].state == state) {
      return pass;
    }
  }
  return -1;
}

void TriggerFindings(const PreviewRun& run,
                     std::vector<std::string>* findings) {
  bool tested = false, held = false;
  for (const PassValues& pass : run.passes) {
    tested = tested || pass.trigger_tested;
    held = held || pass.trigger_holds;
  }
  if (!tested) {
    findings->push_back(
        "A gating condition fails throughout this scenario, so the trigger "
        "is never tested.");
    return;
  }
  if (!held) {
    findings->push_back("The trigger never holds in this scenario.");
    return;
  }
  int told = 0;
  for (int p = 1; p < run.PassCount() && told < 5; ++p) {
    const PassValues& before = run.passes[p - 1];
    const PassValues& now = run.passes[p];
    const std::string at = "At " + Seconds(PreviewRun::Time(p), 1) + " s ";
    if (before.trigger_holds && !now.trigger_holds &&
        (now.state == 1 || now.state == 2)) {
      std::string text = at + "the trigger stopped holding " +
                         (now.state == 2 ? "during the forward run"
                                         : "while the forward run waited for "
                                           "its frames") +
                         "; the object first reaches its end pose";
      // The end pose: the first pass that leaves the forward states (it may
      // turn to ReverseRequested in the same pass).
      int end = -1;
      for (int q = p; q < run.PassCount() && end < 0; ++q) {
        if (run.passes[q].state != 1 && run.passes[q].state != 2) {
          end = q;
        }
      }
      if (end < 0) {
        text += " (not within this scenario).";
      } else {
        text += " (" + Seconds(PreviewRun::Time(end), 1) + " s)";
        text += NextState(run, end, 4) >= 0 ? ", then closes." : ".";
      }
      findings->push_back(text);
      ++told;
    } else if (!before.trigger_holds && now.trigger_holds &&
               (now.state == 4 || now.state == 5)) {
      std::string text = at + "the trigger held again " +
                         (now.state == 5 ? "during the reverse run"
                                         : "while the reverse run waited for "
                                           "its frames") +
                         "; the object first returns to its start pose";
      int rest = -1;
      for (int q = p; q < run.PassCount(); ++q) {
        if (run.passes[q].state == 0 || run.passes[q].state == 1) {
          rest = q;
          break;
        }
      }
      if (rest < 0) {
        text += " (not within this scenario).";
      } else {
        text += " (" + Seconds(PreviewRun::Time(rest), 1) + " s)";
        text += NextState(run, rest, 2) >= 0 ? ", then opens again." : ".";
      }
      findings->push_back(text);
      ++told;
    } else if (now.gate_fails && before.state >= 1 && before.state <= 5) {
      findings->push_back(at +
                          "a gating condition failed while the object "
                          "was " +
                          std::string(TriggerStateWords(before.state)) +
                          ": the state went back to rest at the start at "
                          "once, in whatever pose the object was.");
      ++told;
    }
  }
}

void AnimationFindings(const PreviewProgram& program, const Scenario& scenario,
                       const PreviewRun& run, const VariableTable* names,
                       std::vector<std::string>* findings) {
  const VariableTest* secondary = nullptr;
  bool wrapper = false;
  for (const VariableTest& test : program.tests) {
    if (test.role == TestRole::kSecondary && secondary == nullptr) {
      secondary = &test;
    }
    wrapper = wrapper || test.role == TestRole::kWrapper;
  }
  if (secondary == nullptr && !wrapper) {
    return;
  }
  int told = 0;
  for (int first = 0; first < run.PassCount() && told < 12;) {
    int last = first;
    const int animation = run.passes[first].animation;
    while (last + 1 < run.PassCount() &&
           run.passes[last + 1].animation == animation) {
      ++last;
    }
    const double from = PreviewRun::Time(first);
    // Up to the switch to the next interval, or to the last pass.
    const int until = last + 1 < run.PassCount() ? last + 1 : last;
    const std::string span = Seconds(from, 1) + " s to " +
                             Seconds(PreviewRun::Time(until), 1) + " s";
    std::string value;
    if (secondary != nullptr) {
      value =
          " (" + VariableName(secondary->variable_text, names) + " = " +
          std::to_string(ScenarioValueAt(scenario, secondary->variable, from)) +
          ")";
    }
    if (animation > 0) {
      findings->push_back("Animation " + std::to_string(animation) +
                          " is shown from " + span + value + ".");
    } else if (animation == 0) {
      findings->push_back("From " + span +
                          " the parts are drawn in their "
                          "start pose: " +
                          (run.passes[first].wrapper_fails
                               ? std::string("a condition fails")
                               : "no animation's range holds" + value) +
                          ".");
    }
    ++told;
    first = last + 1;
  }
}

}  // namespace

std::string VariableName(std::string_view text, const VariableTable* names) {
  if (names != nullptr) {
    const int exact = names->RowOfOffset(text);
    if (exact != VariableTable::kNone) {
      return names->DisplayName(exact);
    }
    for (int row = 1; row <= names->VariableCount(); ++row) {
      if (VariableKey(names->OffsetText(row)) == VariableKey(text)) {
        return names->DisplayName(row);
      }
    }
  }
  return std::string(TrimBlanks(text));
}

std::string ForwardRunFinding(const PreviewProgram& program) {
  // The frames repeat after PERIOD ticks: one period is run, the two
  // after it are copies.
  const int period = FramePeriod(program);
  std::vector<int> frames = FrameSequence(program, 0, period);
  if (frames.empty()) {
    return "";
  }
  frames.resize(3 * static_cast<size_t>(period) + 1);
  for (size_t t = period; t < frames.size(); ++t) {
    frames[t] = frames[t - period];
  }
  const auto [low, high] =
      std::minmax_element(frames.begin(), frames.begin() + period);
  const std::string cycle = std::to_string(*high - *low + 1) + "-frame cycle";
  if (!program.has_trigger) {
    std::string text =
        "Without a trigger the object plays its forward animation over and "
        "over: a " +
        cycle;
    if (const int ticks = FrameCycleTicks(program); ticks > 0) {
      text += " of " + Seconds(ticks / kTicksPerSecond, 2) + " s";
    }
    return text + ".";
  }
  const std::string start =
      Range(program.start_window_lo, program.start_window_hi);
  const std::vector<int> next_start =
      NextInWindow(frames, program.start_window_lo, program.start_window_hi);
  const std::vector<int> next_end =
      NextInWindow(frames, program.end_window_lo, program.end_window_hi);
  int delay_min = INT_MAX, delay_max = 0;
  std::map<int, int> runs;  // length in ticks -> how often
  bool never_ends = false;
  for (int t = 0; t < period; ++t) {
    const int forward = next_start[t + 1];
    if (forward == INT_MAX) {
      continue;
    }
    delay_min = std::min(delay_min, forward - t);
    delay_max = std::max(delay_max, forward - t);
    const int end = next_end[forward];
    if (end == INT_MAX) {
      never_ends = true;
      continue;
    }
    ++runs[end - forward];
  }
  if (delay_min == INT_MAX) {
    return "Part 1's frame never reaches " + start +
           ", so the forward run never starts (a " + cycle + ").";
  }
  const std::string delay =
      delay_min == delay_max
          ? Seconds(delay_min / kTicksPerSecond, 2) + " s later"
          : "within " + Seconds(delay_min / kTicksPerSecond, 2) + " to " +
                Seconds(delay_max / kTicksPerSecond, 2) + " s";
  std::string text =
      "After the trigger starts holding, the forward run starts " + delay +
      " (it waits for frames " + start + " of a " + cycle + ")";
  if (never_ends || runs.empty()) {
    return text + ", but part 1's frame never reaches " +
           Range(program.end_window_lo, program.end_window_hi) +
           ", so it never ends.";
  }
  // The length most starts give (the tick counter's wrap makes a few
  // runs longer once an hour).
  const auto typical = std::max_element(
      runs.begin(), runs.end(),
      [](const auto& a, const auto& b) { return a.second < b.second; });
  return text + " and lasts about " +
         Seconds(typical->first / kTicksPerSecond, 1) + " s.";
}

std::vector<std::string> PreviewFindings(const PreviewProgram& program,
                                         const Scenario& scenario,
                                         const PreviewRun& run,
                                         const VariableTable* names) {
  std::vector<std::string> findings;
  const std::string forward = ForwardRunFinding(program);
  if (!forward.empty()) {
    findings.push_back(forward);
  }
  std::vector<std::string> conditions;
  for (const VariableTest& test : program.tests) {
    if (test.role != TestRole::kGate && test.role != TestRole::kWrapper) {
      continue;
    }
    const std::string text =
        "While " + TestCondition(program, test, names) +
        (test.role == TestRole::kGate
             ? " the object rests at its start pose."
             : " the parts are drawn in their start pose.");
    if (std::find(conditions.begin(), conditions.end(), text) ==
        conditions.end()) {
      conditions.push_back(text);
    }
  }
  findings.insert(findings.end(), conditions.begin(), conditions.end());
  if (program.has_trigger) {
    TriggerFindings(run, &findings);
  }
  AnimationFindings(program, scenario, run, names, &findings);
  return findings;
}

}  // namespace zum
