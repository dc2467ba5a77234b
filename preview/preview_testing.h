#ifndef ZUM_PREVIEW_PREVIEW_TESTING_H_
#define ZUM_PREVIEW_PREVIEW_TESTING_H_

#include <string>
#include <vector>

#include "engine/testing.h"

// Helpers of the preview's tests. Used by tests only.
namespace zum::testing {

// Copies a written output pair into DIR under the names its include line
// expects and returns the main file's path. SOURCE names a folder below
// tests/data: "golden/JOB" (expected_NAME.asm files) or "reference-jobs/JOB"
// (expected/NAME.asm files). EDITS, lines "OLD => NEW", replace every OLD in
// the companion file by NEW (NEW may hold "\n" for a line break), as a hand
// would break or change an output. A source without a pair fails the test.
std::string StageOutput(const std::string& source,
                        const std::vector<std::string>& edits,
                        const TempDir& dir);

// The compared jobs: "golden/JOB" for every golden job and
// "reference-jobs/JOB" for every reference job whose outcome is "compared".
std::vector<std::string> ComparedOutputs();

// The path of NAME in preview/testdata.
std::string PreviewTestData(const std::string& name);

}  // namespace zum::testing

#endif  // ZUM_PREVIEW_PREVIEW_TESTING_H_
