// zum: the wizard window.
//
// For scripts/screenshots.sh only: `zum --screenshot-state NAME` opens the
// window in one prepared state (a page, a condition editor mode) so that
// each can be photographed, and `zum --list-screenshot-states` prints the
// names; see wizard/screenshot_states.h. For scripts/test-install.sh only:
// `zum --print-program-folder` prints the folder where the window keeps its
// settings files and looks for the compiler (the program's own folder).

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include "wizard/form1.h"
#include "wizard/qt_dialogs.h"
#include "wizard/screenshot_states.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list-screenshot-states") == 0) {
    for (const QString& state : zum::TEST_ScreenshotStates()) {
      std::printf("%s\n", state.toUtf8().constData());
    }
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--print-program-folder") == 0) {
    QCoreApplication core(argc, argv);
    std::printf("%s\n",
                QCoreApplication::applicationDirPath().toUtf8().constData());
    return 0;
  }
  QApplication app(argc, argv);
  zum::QtDialogs dialogs;
  zum::Form1 window(&dialogs, QCoreApplication::applicationDirPath());
  dialogs.set_parent(&window);

  window.show();
  QStringList args = QCoreApplication::arguments();
  int flag = args.indexOf(QStringLiteral("--screenshot-state"));
  if (flag > 0 && flag + 1 < args.size()) {
    if (!zum::TEST_ApplyScreenshotState(&window, args[flag + 1])) {
      return 2;
    }
  }
  return app.exec();
}
