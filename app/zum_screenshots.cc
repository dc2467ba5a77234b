// zum-screenshots: the window in one of the prepared states that
// scripts/screenshots.sh photographs (see wizard/screenshot_states.h).
// Built with the tests only and never installed.
//
//   zum-screenshots --list                  prints the names of the states
//   zum-screenshots STATE                   opens the window in STATE
//   zum-screenshots --print-program-folder  prints the folder that the window
//                                           takes as its own, as zum does
//                                           (scripts/test-install.sh)

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QCoreApplication>

#include "wizard/form1.h"
#include "wizard/qt_dialogs.h"
#include "wizard/screenshot_states.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr,
                 "usage: zum-screenshots --list | STATE | "
                 "--print-program-folder\n");
    return 2;
  }
  if (std::strcmp(argv[1], "--list") == 0) {
    for (const QString& state : zum::TEST_ScreenshotStates()) {
      std::printf("%s\n", state.toUtf8().constData());
    }
    return 0;
  }
  if (std::strcmp(argv[1], "--print-program-folder") == 0) {
    QCoreApplication core(argc, argv);
    std::printf("%s\n",
                QCoreApplication::applicationDirPath().toUtf8().constData());
    return 0;
  }
  QApplication app(argc, argv);
  zum::QtDialogs dialogs;
  zum::Form1 window(&dialogs, QApplication::applicationDirPath());
  dialogs.set_parent(&window);
  window.show();
  if (!zum::TEST_ApplyScreenshotState(&window,
                                      QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "zum-screenshots: no state %s (see --list)\n",
                 argv[1]);
    return 2;
  }
  return app.exec();
}
