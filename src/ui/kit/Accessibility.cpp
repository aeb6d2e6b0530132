#include "ui/kit/Accessibility.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "ui/kit/PictureBox.h"

namespace quendaro {
namespace {

// A combo box as a screen reader should hear it: its name is the caption
// beside it ("Razza"), its value the text it holds ("nessuna"). Qt's own
// interface gives the value as the name on Linux, which leaves every combo
// box of a form sounding like its current choice.
class ComboBoxAccessible final : public QAccessibleWidget {
 public:
  explicit ComboBoxAccessible(QComboBox* combo)
      : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name:
        return widget()->accessibleName();
      case QAccessible::Value:
        return Combo()->currentText();
      default:
        return QAccessibleWidget::text(kind);
    }
  }

  int childCount() const override { return Combo()->isEditable() ? 2 : 1; }

  QAccessibleInterface* child(int index) const override {
    if (index == 0)
      return QAccessible::queryAccessibleInterface(Combo()->view());
    if (index == 1 && Combo()->isEditable()) {
      return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
    }
    return nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->object() == Combo()->view()) return 0;
    if (Combo()->isEditable() && child->object() == Combo()->lineEdit()) {
      return 1;
    }
    return -1;
  }

  QAccessibleInterface* focusChild() const override {
    return Combo()->isEditable() ? child(1) : nullptr;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = Combo()->isEditable();
    state.expandable = true;
    state.expanded = Combo()->view()->isVisible();
    return state;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} +
           QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      if (Combo()->view()->isVisible()) {
        Combo()->hidePopup();
      } else {
        Combo()->showPopup();
      }
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// A picture that leads somewhere is a button: it has a name, its tooltip as
// description, and pressing it does what a click does.
class PictureBoxAccessible final : public QAccessibleWidget {
 public:
  explicit PictureBoxAccessible(PictureBox* picture)
      : QAccessibleWidget(picture, QAccessible::Button) {}

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction()) {
      static_cast<PictureBox*>(widget())->Press();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }
};

QAccessibleInterface* ProgramInterfaces(const QString& class_name,
                                        QObject* object) {
  if (class_name == QLatin1String("quendaro::PictureBox")) {
    return new PictureBoxAccessible(static_cast<PictureBox*>(object));
  }
  // Only the combo boxes the program has named: any other keeps Qt's own.
  if (class_name == QLatin1String("QComboBox")) {
    auto* combo = static_cast<QComboBox*>(object);
    if (!combo->accessibleName().isEmpty()) {
      return new ComboBoxAccessible(combo);
    }
  }
  return nullptr;
}

}  // namespace

void NameControl(QWidget* control, const QString& name) {
  static const bool installed = [] {
    QAccessible::installFactory(&ProgramInterfaces);
    return true;
  }();
  Q_UNUSED(installed);

  control->setAccessibleName(name);
  // Qt may have built the control's interface already, while the control was
  // being set up; it is built again, now by the program's own factory.
  if (qobject_cast<QComboBox*>(control) != nullptr ||
      qobject_cast<PictureBox*>(control) != nullptr) {
    QAccessibleInterface* built =
        QAccessible::queryAccessibleInterface(control);
    if (dynamic_cast<ComboBoxAccessible*>(built) == nullptr &&
        dynamic_cast<PictureBoxAccessible*>(built) == nullptr) {
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
  }
  QLineEdit* field = nullptr;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    field = combo->lineEdit();
  } else if (qobject_cast<QAbstractSpinBox*>(control) != nullptr) {
    field = control->findChild<QLineEdit*>();
  }
  if (field != nullptr) field->setAccessibleName(name);
}

}  // namespace quendaro
