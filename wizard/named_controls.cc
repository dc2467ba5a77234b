#include "wizard/named_controls.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

int LabelColumnWidth(std::initializer_list<QLabel*> labels) {
  int width = 0;
  for (QLabel* label : labels) {
    width = std::max(width, label->sizeHint().width());
  }
  return width + 8;
}

}  // namespace zum
