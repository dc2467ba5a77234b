#include "preview/written_finding.h"

#include "engine/status.h"
#include "preview/findings.h"
#include "preview/program.h"

namespace zum {

std::string WrittenForwardRunFinding(const std::string& main_output) {
  PreviewProgram program;
  const Status status = LoadPreviewProgram(main_output, &program);
  if (!status.ok()) {
    return "The preview cannot run the written code: " + status.message();
  }
  return ForwardRunFinding(program);
}

}  // namespace zum
