#include "preview/interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <numeric>

#include "preview/operands.h"

namespace zum {

double PreviewPose::AngleDegrees() const {
  const double w = std::min(1.0, std::fabs(static_cast<double>(qw)));
  const double length = std::sqrt(double{qx} * qx + double{qy} * qy +
                                  double{qz} * qz + double{qw} * qw);
  if (length == 0) {
    return 0;
  }
  return 2 * std::acos(std::min(1.0, w / length)) * 180 / std::numbers::pi;
}

void PreviewPose::Axis(double* ax, double* ay, double* az) const {
  double length =
      std::sqrt(double{qx} * qx + double{qy} * qy + double{qz} * qz);
  if (length < 1e-9) {
    *ax = *ay = *az = 0;
    return;
  }
  if (qw < 0) {
    length = -length;  // the same rotation with w >= 0
  }
  *ax = qx / length;
  *ay = qy / length;
  *az = qz / length;
}

namespace {

float FloatOfBits(uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

uint32_t BitsOfFloat(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The segment of KEYS that X falls in: the index of its first row, or -1
// before the first key and size - 1 from the last key on.
template <typename Key>
int Segment(const std::vector<Key>& keys, double x) {
  if (x < keys.front()) {
    return -1;
  }
  const auto after = std::upper_bound(keys.begin(), keys.end(), x,
                                      [](double v, Key k) { return v < k; });
  return static_cast<int>(after - keys.begin()) - 1;
}

// Linear interpolation over rows KEYS -> VALUES; EXTEND carries the first
// and last segment on beyond the table, otherwise the end values hold.
double Interpolate(const std::vector<double>& keys,
                   const std::vector<double>& values, double x, bool extend) {
  const int n = static_cast<int>(keys.size());
  if (n == 1) {
    return values[0];
  }
  int row = Segment(keys, x);
  if (!extend && row < 0) {
    return values[0];
  }
  if (!extend && row >= n - 1) {
    return values[n - 1];
  }
  row = std::clamp(row, 0, n - 2);
  const double span = keys[row + 1] - keys[row];
  if (span == 0) {
    return values[row + 1];
  }
  return values[row] + (values[row + 1] - values[row]) * (x - keys[row]) / span;
}

uint16_t WordOf(double value) {
  if (!std::isfinite(value)) {
    return 0;
  }
  const double whole = std::trunc(value);
  return static_cast<uint16_t>(
      static_cast<long long>(std::fmod(whole, 65536.0)) & 0xFFFF);
}

}  // namespace

uint16_t InterpolateWord(const InterpolationTable& table, double input) {
  switch (table.kind) {
    case InterpolationTable::kWrapping: {
      const double last = table.keys.back();
      if (last > 0) {
        input = std::fmod(input, last);
        if (input < 0) {
          input += last;
        }
      }
      return WordOf(Interpolate(table.keys, table.values, input, false));
    }
    case InterpolationTable::kFloatHigh: {
      const float result = static_cast<float>(
          Interpolate(table.keys, table.values, input, true));
      return static_cast<uint16_t>(BitsOfFloat(result) >> 16);
    }
    case InterpolationTable::kPlain:
      break;
  }
  return WordOf(Interpolate(table.keys, table.values, input, false));
}

PreviewPose KeyframePose(const PreviewKeyframes& table, float time) {
  PreviewPose pose;
  const int n = static_cast<int>(table.keys.size());
  int row = std::isfinite(time) ? Segment(table.keys, time) : -1;
  std::array<float, 4> v;
  if (row < 0 || row >= n - 1) {
    v = table.values[row < 0 ? 0 : n - 1];
  } else {
    const double span = double{table.keys[row + 1]} - table.keys[row];
    const double u = span > 0 ? (time - table.keys[row]) / span : 1.0;
    const std::array<float, 4>& a = table.values[row];
    const std::array<float, 4>& b = table.values[row + 1];
    if (table.kind == KeyframeKind::kTranslation) {
      for (int i = 0; i < 3; ++i) {
        v[i] = static_cast<float>(a[i] + (b[i] - a[i]) * u);
      }
    } else {
      // Spherical interpolation the shorter way round.
      double dot = 0;
      for (int i = 0; i < 4; ++i) {
        dot += double{a[i]} * b[i];
      }
      const double sign = dot < 0 ? -1 : 1;
      dot = std::fabs(dot);
      double wa = 1 - u, wb = u;
      if (dot < 0.9995) {
        const double theta = std::acos(std::min(1.0, dot));
        wa = std::sin((1 - u) * theta) / std::sin(theta);
        wb = std::sin(u * theta) / std::sin(theta);
      }
      for (int i = 0; i < 4; ++i) {
        v[i] = static_cast<float>(wa * a[i] + sign * wb * b[i]);
      }
    }
  }
  if (table.kind == KeyframeKind::kTranslation) {
    pose.kind = PreviewPose::kTranslation;
    pose.x = v[0];
    pose.y = v[1];
    pose.z = v[2];
  } else {
    pose.kind = PreviewPose::kRotation;
    pose.qx = v[0];
    pose.qy = v[1];
    pose.qz = v[2];
    pose.qw = v[3];
  }
  return pose;
}

namespace {

class Machine {
 public:
  Machine(const PreviewProgram& program, PreviewRun* run, bool poses)
      : p_(program),
        run_(*run),
        poses_(poses),
        words_(program.local_word_count, 0),
        variables_(program.variables.size(), 0),
        time_of_matrix_(poses ? 32768 : 0, 0.0f),
        selected_(program.blocks.size(), -1),
        failed_(program.blocks.size(), 0) {}

  void SetVariable(const std::string& key, uint16_t value) {
    const int slot = p_.VariableSlot(key);
    if (slot >= 0) {
      variables_[slot] = value;
    }
  }
  void SetViewer(double x, double y, double z) {
    viewer_x_ = x;
    viewer_y_ = y;
    viewer_z_ = z;
  }

  Status Pass(long tick);
  // Part 1's frame word at TICK, from part 1's tick block alone.
  int FrameAt(long tick) {
    tick_ = tick;
    Execute(p_.frame_begin, p_.frame_end);
    return SignedWord(words_[p_.frame_word]);
  }

 private:
  Status Execute(int begin, int end);
  uint16_t Value(int32_t source) const {
    if (source >= 0) {
      return words_[source];
    }
    return variables_[-1 - source];
  }
  double Input(int32_t source) const {
    return source == kTickSource ? static_cast<double>(tick_)
                                 : static_cast<double>(Value(source));
  }
  void Record();

  const PreviewProgram& p_;
  PreviewRun& run_;
  const bool poses_;
  std::vector<uint16_t> words_;
  std::vector<uint16_t> variables_;
  std::vector<float> time_of_matrix_;
  std::vector<int32_t> selected_;
  std::vector<uint8_t> failed_;
  double viewer_x_ = 0, viewer_y_ = 0, viewer_z_ = 0;
  long tick_ = 0;
  PassValues pass_;
};

Status Machine::Pass(long tick) {
  tick_ = tick;
  pass_ = PassValues();
  pass_.tick = tick;
  std::fill(selected_.begin(), selected_.end(), -1);
  std::fill(failed_.begin(), failed_.end(), 0);
  if (poses_) {
    ZUM_RETURN_IF_ERROR(Execute(p_.commands_begin, p_.commands_end));
  } else {
    ZUM_RETURN_IF_ERROR(Execute(p_.frame_begin, p_.frame_end));
  }
  ZUM_RETURN_IF_ERROR(Execute(p_.drawing_begin, p_.drawing_end));
  Record();
  return Status::OK();
}

Status Machine::Execute(int begin, int end) {
  // Written code only jumps forward; a loop is stopped after this many steps.
  long budget = 16L * (end - begin) + 1024;
  int pc = begin;
  while (pc < end) {
    if (--budget < 0) {
      return Status::AtLine(p_.companion_file, p_.code[pc].line,
                            "the code runs in a loop through this line");
    }
    const PreviewInstruction& in = p_.code[pc];
    bool holds = true;
    switch (in.op) {
      case PreviewOp::kIfIn1: {
        const int value = SignedWord(Value(in.a));
        holds = value >= in.lo && value <= in.hi;
        break;
      }
      case PreviewOp::kIfMask:
        holds = (Value(in.a) & in.lo) != 0;
        break;
      case PreviewOp::kIfInBox: {
        const PreviewBox& box = p_.boxes[in.a];
        holds = viewer_x_ >= box.x_min && viewer_x_ <= box.x_max &&
                viewer_y_ >= box.y_min && viewer_y_ <= box.y_max &&
                viewer_z_ >= box.z_min && viewer_z_ <= box.z_max;
        break;
      }
      case PreviewOp::kSetWord:
        words_[in.a] = static_cast<uint16_t>(in.b);
        break;
      case PreviewOp::kJump:
        pc = in.target;
        continue;
      case PreviewOp::kSetMatrix:
        selected_[in.b] = in.a;
        failed_[in.b] = static_cast<uint8_t>(in.c);
        break;
      case PreviewOp::kInterpolate:
        words_[in.c] =
            InterpolateWord(p_.interpolation_tables[in.b], Input(in.a));
        break;
      case PreviewOp::kAnimate:
        if (poses_) {
          time_of_matrix_[in.a] = FloatOfBits(
              static_cast<uint32_t>(words_[in.c + 1]) << 16 | words_[in.c]);
        }
        break;
      case PreviewOp::kTransform:
        break;
    }
    switch (in.role) {
      case TestRole::kTrigger:
        pass_.trigger_tested = true;
        pass_.trigger_holds = holds;
        break;
      case TestRole::kGate:
        pass_.gate_fails = pass_.gate_fails || !holds;
        break;
      case TestRole::kWrapper:
        pass_.wrapper_fails = pass_.wrapper_fails || !holds;
        break;
      default:
        break;
    }
    pc = holds ? pc + 1 : in.target;
  }
  return Status::OK();
}

void Machine::Record() {
  if (p_.state_word >= 0) {
    pass_.state = SignedWord(words_[p_.state_word]);
  }
  if (p_.frame_word >= 0) {
    pass_.frame = SignedWord(words_[p_.frame_word]);
  }
  if (!selected_.empty()) {
    pass_.animation = failed_[0] ? 0 : p_.AnimationOfMatrix(selected_[0]);
  }
  run_.passes.push_back(pass_);
  for (size_t block = 0; block < selected_.size(); ++block) {
    const int matrix = selected_[block];
    run_.matrices.push_back(matrix);
    if (!poses_) {
      continue;
    }
    PreviewPose pose;
    if (matrix >= 0) {
      const int32_t index = p_.command_of_matrix[matrix];
      if (index < 0 || p_.code[index].op == PreviewOp::kTransform) {
        pose.kind = PreviewPose::kFixed;
      } else {
        pose = KeyframePose(p_.keyframe_tables[p_.code[index].b],
                            time_of_matrix_[matrix]);
      }
    }
    run_.poses.push_back(pose);
  }
}

}  // namespace

std::vector<int> FrameSequence(const PreviewProgram& program, long first,
                               int count) {
  std::vector<int> frames;
  if (program.frame_word < 0 || program.frame_begin >= program.frame_end) {
    return frames;
  }
  PreviewRun unused;
  Machine machine(program, &unused, false);
  frames.reserve(count);
  for (int i = 0; i < count; ++i) {
    frames.push_back(machine.FrameAt(first + i));
  }
  return frames;
}

int FrameCycleTicks(const PreviewProgram& program) {
  const std::vector<int> frames = FrameSequence(program, 0, 65537);
  int first_wrap = -1;
  for (size_t t = 1; t < frames.size(); ++t) {
    if (frames[t] < frames[t - 1]) {
      if (first_wrap >= 0) {
        return static_cast<int>(t) - first_wrap;
      }
      first_wrap = static_cast<int>(t);
    }
  }
  return 0;
}

Status RunScenario(const PreviewProgram& program, const Scenario& scenario,
                   PreviewRun* run, ScenarioRunOptions options) {
  *run = PreviewRun();
  run->block_count = static_cast<int>(program.blocks.size());
  const int passes = scenario.PassCount();
  run->passes.reserve(passes);
  run->matrices.reserve(static_cast<size_t>(passes) * run->block_count);
  if (options.poses) {
    run->poses.reserve(static_cast<size_t>(passes) * run->block_count);
  }
  std::vector<int> order(scenario.changes.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return scenario.changes[a].time < scenario.changes[b].time;
  });
  Machine machine(program, run, options.poses);
  size_t next = 0;
  for (int pass = 0; pass < passes; ++pass) {
    const double now = PreviewRun::Time(pass) + 1e-9;
    for (; next < order.size() && scenario.changes[order[next]].time <= now;
         ++next) {
      const ScenarioChange& change = scenario.changes[order[next]];
      if (change.viewer) {
        machine.SetViewer(change.x, change.y, change.z);
      } else {
        machine.SetVariable(change.variable, change.value);
      }
    }
    Status status = machine.Pass(scenario.start_tick + pass);
    if (!status.ok()) {
      *run = PreviewRun();
      return status;
    }
  }
  return Status::OK();
}

}  // namespace zum
