#include "wizard/named_controls.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "wizard/text_bytes.h"

namespace zum {

QLabel* NewLabel(const QString& text, const QString& name, int index) {
  return Named(new QLabel(text), name, index);
}

QLabel* NewPageText(const QString& text, const QString& name) {
  QLabel* label = NewLabel(text, name);
  label->setWordWrap(true);
  label->setMinimumHeight(label->fontMetrics().lineSpacing() * 3);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLineEdit* NewField(const QString& name, int index) {
  QLineEdit* field = Named(new QLineEdit, name, index);
  field->setMinimumWidth(kFieldWidth);
  return field;
}

QPushButton* NewCopyButton(const QString& caption, int index) {
  QPushButton* button = Named(new QPushButton(caption), "cmd_copyvar", index);
  button->setFixedWidth(kCopyButtonWidth);
  button->setToolTip(caption == QLatin1String("<")
                         ? QObject::tr("Copy the selected variable")
                         : QObject::tr("Copy the selected variable to the "
                                       "additional condition"));
  return button;
}

QComboBox* NewVariableList(int index) {
  QComboBox* list = Named(new QComboBox, "cmb_var", index);
  list->setEditable(true);
  // Typed text is not used: only a picked entry counts.
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setMinimumWidth(200);
  return list;
}

QAction* AddWarningMark(QLineEdit* box, MarkedBox kind, ConditionRole role) {
  auto* mark = Named(
      new QAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                  QString(), box),
      QStringLiteral("mark_") + box->objectName());
  box->addAction(mark, QLineEdit::TrailingPosition);
  auto show = [box, mark, kind, role] {
    const QString tip =
        FromBytes(WarningMarkTip(kind, role, Bytes(box->text())));
    mark->setText(tip);
    mark->setToolTip(tip);
    mark->setVisible(!tip.isEmpty());
  };
  QObject::connect(box, &QLineEdit::textChanged, mark, show);
  show();
  return mark;
}

int LabelColumnWidth(std::initializer_list<QLabel*> labels) {
  int width = 0;
  for (QLabel* label : labels) {
    width = std::max(width, label->sizeHint().width());
  }
  return width + 8;
}

}  // namespace zum
