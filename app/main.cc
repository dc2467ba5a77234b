// zum: the wizard window.
//
// `zum --screenshot-state NAME` is for scripts/screenshots.sh only: it opens
// the window in one prepared state (a page, a condition editor mode) so that
// each can be photographed; see wizard/screenshot_states.h.

#include <QApplication>
#include <QStringList>

#include "wizard/form1.h"
#include "wizard/qt_dialogs.h"
#include "wizard/screenshot_states.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zum::QtDialogs dialogs;
  zum::Form1 window(&dialogs, QCoreApplication::applicationDirPath());
  dialogs.set_parent(&window);

  QStringList args = QCoreApplication::arguments();
  int flag = args.indexOf(QStringLiteral("--screenshot-state"));
  if (flag > 0 && flag + 1 < args.size()) {
    if (!zum::TEST_ApplyScreenshotState(&window, args[flag + 1])) {
      return 2;
    }
  }
  window.show();
  return app.exec();
}
