#ifndef ZUM_BENCH_LARGEST_JOB_H_
#define ZUM_BENCH_LARGEST_JOB_H_

#include <string>

#include "engine/job.h"

namespace zum::bench {

// Writes the largest job ZUM takes into FOLDER: 50 animations of PARTS
// animated parts each, every part with a translation and a rotation table
// of 1025 rows, and returns its settings with the trigger, both wrapper
// conditions and the secondary condition on.
JobSettings WriteLargestJob(const std::string& folder, int parts);

}  // namespace zum::bench

#endif  // ZUM_BENCH_LARGEST_JOB_H_
