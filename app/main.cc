// zum: the wizard window. It keeps the settings files in its own folder and
// looks for the BGL compiler there.

#include <QApplication>

#include "wizard/form1.h"
#include "wizard/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zum::QtDialogs dialogs;
  zum::Form1 window(&dialogs, QApplication::applicationDirPath());
  dialogs.set_parent(&window);
  window.show();
  return app.exec();
}
