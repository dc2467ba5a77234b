#include "wizard/welcome_page.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "wizard/named_controls.h"
#include "wizard/welcome_picture.h"

namespace zum {

WelcomePage::WelcomePage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  Image1 = NewLabel(QString(), "Image1");
  Image1->setPixmap(DrawWelcomePicture(300, 300));
  body->addWidget(Image1, 0, Qt::AlignTop);
  body->addSpacing(24);

  auto* texts = new QVBoxLayout;
  Label1 = NewLabel(tr("Welcome to"), "Label1");
  Label2 = NewLabel(tr("ZUM"), "Label2");
  Label3 = NewLabel(QStringLiteral("ZUM v%1.%2.%3")
                        .arg(ZUM_VERSION_MAJOR)
                        .arg(ZUM_VERSION_MINOR)
                        .arg(ZUM_VERSION_PATCH),
                    "Label3");
  Label5 = NewLabel(tr("for Fs2004"), "Label5");
  Label9 = NewLabel(tr("Please click next to continue."), "Label9");
  QFont welcome = Label1->font();
  welcome.setPointSizeF(welcome.pointSizeF() * 1.6);
  Label1->setFont(welcome);
  QFont title = Label2->font();
  title.setPointSizeF(title.pointSizeF() * 4.5);
  title.setBold(true);
  Label2->setFont(title);
  QFont fs = Label5->font();
  fs.setPointSizeF(fs.pointSizeF() * 1.3);
  fs.setItalic(true);
  Label5->setFont(fs);
  texts->addSpacing(20);
  texts->addWidget(Label1);
  texts->addWidget(Label2);
  texts->addWidget(Label5);
  texts->addSpacing(12);
  texts->addWidget(Label3);
  texts->addStretch(1);
  texts->addWidget(Label9);
  body->addLayout(texts, 1);
  layout->addLayout(body);
}

}  // namespace zum
