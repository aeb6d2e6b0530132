#include "ui/results/WindowSnapshot.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>

namespace quendaro {
namespace {

// Controls Qt makes inside others (a spinner's box, a list's editor) carry
// no name, or one of Qt's own.
bool Named(const QObject& object) {
  const QString name = object.objectName();
  return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

bool InsideSpinner(const QLineEdit& box) {
  return qobject_cast<QAbstractSpinBox*>(box.parentWidget()) != nullptr ||
         qobject_cast<QComboBox*>(box.parentWidget()) != nullptr;
}

// A picture shows no text: writing its empty text back would wipe it.
bool ShowsText(const QLabel& label) {
  return label.pixmap().isNull() && label.picture().isNull() &&
         label.movie() == nullptr;
}

}  // namespace

QJsonObject CaptureInputs(const QWidget& window) {
  QJsonObject inputs;
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (Named(*box) && !box->isReadOnly() && !InsideSpinner(*box)) {
      inputs[box->objectName()] = box->text();
    }
  }
  for (const QComboBox* list : window.findChildren<QComboBox*>()) {
    if (Named(*list)) inputs[list->objectName()] = list->currentText();
  }
  for (const QSpinBox* spinner : window.findChildren<QSpinBox*>()) {
    if (Named(*spinner)) inputs[spinner->objectName()] = spinner->value();
  }
  for (const QAbstractButton* button :
       window.findChildren<QAbstractButton*>()) {
    if (Named(*button) &&
        (qobject_cast<const QCheckBox*>(button) != nullptr ||
         qobject_cast<const QRadioButton*>(button) != nullptr)) {
      inputs[button->objectName()] = button->isChecked();
    }
  }
  return inputs;
}

QJsonObject CaptureShown(const QWidget& window) {
  QJsonObject shown;
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (Named(*box) && box->isReadOnly())
      shown[box->objectName()] = box->text();
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (Named(*label) && ShowsText(*label)) {
      shown[label->objectName()] = label->text();
    }
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    if (Named(*button)) shown[button->objectName()] = button->isEnabled();
  }
  return shown;
}

void RestoreControls(QWidget& window, const QJsonObject& inputs,
                     const QJsonObject& shown) {
  // Spinners first: each writes its value into its count box, which the
  // boxes' own texts then overwrite.
  for (QSpinBox* spinner : window.findChildren<QSpinBox*>()) {
    const QJsonValue value = inputs.value(spinner->objectName());
    if (Named(*spinner) && value.isDouble()) {
      spinner->setValue(value.toInt());
    }
  }
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (!Named(*box) || InsideSpinner(*box)) continue;
    const QJsonValue value =
        (box->isReadOnly() ? shown : inputs).value(box->objectName());
    if (!value.isString()) continue;
    const QSignalBlocker blocker(box);
    box->setText(value.toString());
  }
  for (QComboBox* list : window.findChildren<QComboBox*>()) {
    const QJsonValue value = inputs.value(list->objectName());
    if (!Named(*list) || !value.isString()) continue;
    const QSignalBlocker blocker(list);
    if (list->isEditable()) {
      list->setCurrentIndex(list->findText(value.toString()));
      list->setEditText(value.toString());
    } else {
      list->setCurrentText(value.toString());
    }
  }
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!Named(*button)) continue;
    if (qobject_cast<QPushButton*>(button) != nullptr) {
      const QJsonValue enabled = shown.value(button->objectName());
      if (enabled.isBool()) button->setEnabled(enabled.toBool());
      continue;
    }
    const QJsonValue checked = inputs.value(button->objectName());
    if (checked.isBool() && button->isCheckable()) {
      // An option button's group unchecks the others only when it is
      // checked, so every button is written, checked ones last.
      if (!checked.toBool()) {
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
      }
    }
  }
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    const QJsonValue checked = inputs.value(button->objectName());
    if (Named(*button) && checked.isBool() && checked.toBool() &&
        button->isCheckable()) {
      button->setChecked(true);
    }
  }
  for (QLabel* label : window.findChildren<QLabel*>()) {
    const QJsonValue value = shown.value(label->objectName());
    if (Named(*label) && ShowsText(*label) && value.isString()) {
      label->setText(value.toString());
    }
  }
}

}  // namespace quendaro
