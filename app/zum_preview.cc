// zum-preview: the written code run over a scenario; see PreviewUsage().

#include <iostream>
#include <string>
#include <vector>

#include "app/console_text.h"
#include "app/preview_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args = zum::Utf8Arguments(argc, argv);
  const zum::Utf8Console console;
  return zum::RunPreviewCommand(args, std::cout, std::cerr);
}
