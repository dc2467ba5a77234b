// zum: the wizard window. It keeps the settings files in its own folder and
// looks for the BGL compiler there.

#include <QApplication>

#include "app/batch_run.h"
#include "wizard/form1.h"
#include "wizard/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // A run's temporary files go also when a signal ends the window.
  zum::RemoveTemporariesOnInterrupt();
  zum::QtDialogs dialogs;
  zum::Form1 window(&dialogs, QApplication::applicationDirPath());
  dialogs.set_parent(&window);
  window.show();
  return app.exec();
}
