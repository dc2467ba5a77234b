#ifndef ZUM_ENGINE_JOB_H_
#define ZUM_ENGINE_JOB_H_

#include <array>
#include <cstdint>
#include <string>

namespace zum {

// Capacities of the job records. Per-animation arrays are indexed by the
// animation number 1..kMaxAnimations (element 0 is unused), keyframe rows by
// 1..kMaxKeyframeRows, tables of one file by 1..kMaxTablesPerFile.
inline constexpr int kMaxAnimations = 50;
inline constexpr int kMaxKeyframeRows = 1025;
inline constexpr int kMaxTablesPerFile = 50;
inline constexpr int kMaxSceneGraphEntries = 1024;

enum class ConditionKind { kBetween, kMask, kBoundingBox };

// One condition exactly as the user typed it. The code generators paste the
// texts into the output unconverted.
struct ConditionSpec {
  ConditionKind Kind = ConditionKind::kBetween;
  std::string Variable;
  std::string Minimum;  // the mask value for a mask test
  std::string Maximum;
  std::string BoxXMin, BoxXMax, BoxYMin, BoxYMax, BoxZMin, BoxZMax;
  std::string Rotation;
};

enum class AppliesTo { kAnimationTrigger, kAnimation };

// Everything one generation run needs, as the controls' texts.
struct JobSettings {
  bool AnimationConditionEnabled = false;
  ConditionSpec AnimationCondition;
  bool AdditionalConditionEnabled = false;
  ConditionSpec AdditionalCondition;
  AppliesTo AdditionalAppliesTo = AppliesTo::kAnimationTrigger;
  bool TriggerEnabled = true;
  ConditionSpec Trigger;
  bool SecondaryEnabled = false;
  std::string SecondaryVariable;
  // The text of the number-of-animations box; "1" when the secondary
  // condition is off. The run converts it to a 16-bit integer.
  std::string AnimationCount = "1";
  std::array<std::string, kMaxAnimations + 1> InputFile;  // [1..50]
  std::array<std::string, kMaxAnimations + 1> SecondaryMin;
  std::array<std::string, kMaxAnimations + 1> SecondaryMax;
  std::string OutputFile;
  // What the main output's include line names the companion output: its
  // companion as the output's name was written (a settings file's relative
  // name stays relative); empty: OutputFile's companion.
  std::string IncludeName;
};

// What the scanner found in one companion input file.
struct SourceScan {
  int16_t TransformCount = 0;
  int16_t AnimateCount = 0;
  std::array<int16_t, kMaxTablesPerFile + 1> Frames{};  // [1..50]
  std::string LabelBase;
};

// The kinds of keyframe table, numbered as the table's first header line
// writes them ("dw 1", "dw 3").
enum class KeyframeKind : int16_t {
  kTranslation = 1,  // a key and three values a row
  kRotation = 3,     // a key and four values a row
};

// One keyframe table. Rows are 1..RowCount.
struct KeyframeTable {
  KeyframeKind Kind = KeyframeKind::kTranslation;
  int16_t RowCount = 0;
  std::array<float, kMaxKeyframeRows + 1> Key{};
  std::array<float, kMaxKeyframeRows + 1> Value1{};
  std::array<float, kMaxKeyframeRows + 1> Value2{};
  std::array<float, kMaxKeyframeRows + 1> Value3{};
  std::array<float, kMaxKeyframeRows + 1> Value4{};
};

}  // namespace zum

#endif  // ZUM_ENGINE_JOB_H_
