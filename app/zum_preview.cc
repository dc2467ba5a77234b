// zum-preview: the written code run over a scenario; see PreviewUsage().

#include <iostream>
#include <string>
#include <vector>

#include "app/preview_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zum::RunPreviewCommand(args, std::cout, std::cerr);
}
