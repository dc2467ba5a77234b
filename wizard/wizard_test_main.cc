// The window tests: one QApplication for all of them, offscreen unless the
// caller chose a platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

namespace {

QtMessageHandler default_handler = nullptr;

// The offscreen platform warns on every shown top-level window that it
// cannot size it and on every window raised that it cannot raise it, and
// Qt that a test machine has no runtime folder; none says anything about
// the window under test.
void QuietHandler(QtMsgType type, const QMessageLogContext& context,
                  const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints")) ||
      message.contains(QLatin1String("does not support raise()")) ||
      message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
    return;
  }
  default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  default_handler = qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
