#ifndef ZUM_WIZARD_WELCOME_PAGE_H_
#define ZUM_WIZARD_WELCOME_PAGE_H_

#include <QWidget>

class QLabel;

namespace zum {

// The welcome page: the picture, the program's name and version. It holds
// no settings.
class WelcomePage : public QWidget {
  Q_OBJECT

 public:
  explicit WelcomePage(QWidget* parent = nullptr);

 private:
  QLabel* Label1 = nullptr;  // "Welcome to"
  QLabel* Label2 = nullptr;  // "ZUM"
  QLabel* Label3 = nullptr;  // the version
  QLabel* Label5 = nullptr;  // "for Fs2004"
  QLabel* Label9 = nullptr;  // "Please click next to continue."
  QLabel* Image1 = nullptr;  // the picture
};

}  // namespace zum

#endif  // ZUM_WIZARD_WELCOME_PAGE_H_
