// What a screen reader finds in each window: every control it can land on
// has a name from its caption, a combo box is named by its caption rather
// than by what it holds, and the pictures that lead somewhere are buttons.

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/kit/Navigator.h"
#include "ui/shell/WindowManager.h"

Q_DECLARE_METATYPE(quendaro::FormId)

namespace quendaro {
namespace {

using testing::Child;
using testing::RecordingPlatform;

QString Describe(QAccessibleInterface& control) {
  QObject* object = control.object();
  return QStringLiteral("%1 (role %2)")
      .arg(object != nullptr ? object->objectName() : QStringLiteral("?"))
      .arg(static_cast<int>(control.role()));
}

// Walks the accessible tree under `control` and notes every control a
// screen reader could land on whose name says nothing about it.
void CollectUnnamed(QAccessibleInterface* control, QStringList& faults,
                    int depth = 0) {
  if (control == nullptr || depth > 40) return;
  const QAccessible::State state = control->state();
  if (state.focusable && !state.invisible) {
    const QString name = control->text(QAccessible::Name);
    if (name.trimmed().isEmpty()) {
      faults << Describe(*control) + QStringLiteral(" has no name");
    } else if (control->role() == QAccessible::ComboBox &&
               name == control->text(QAccessible::Value)) {
      faults << Describe(*control) +
                    QStringLiteral(" is named by its value \"%1\"").arg(name);
    }
  }
  for (int i = 0; i < control->childCount(); ++i) {
    CollectUnnamed(control->child(i), faults, depth + 1);
  }
}

struct Session {
  RecordingPlatform platform;
  RandomSource random;
  WindowManager windows{random, platform};
};

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void everyFocusableControlHasAName_data() {
    QTest::addColumn<FormId>("form");
    QTest::newRow("Form1") << FormId::kForm1;
    QTest::newRow("Form2") << FormId::kForm2;
    QTest::newRow("Form3") << FormId::kForm3;
    QTest::newRow("Form4") << FormId::kForm4;
    QTest::newRow("Form5") << FormId::kForm5;
    QTest::newRow("Form6") << FormId::kForm6;
    QTest::newRow("Form7") << FormId::kForm7;
    QTest::newRow("Form8") << FormId::kForm8;
    QTest::newRow("PartyWindow") << FormId::kParty;
  }

  void everyFocusableControlHasAName() {
    QFETCH(FormId, form);
    Session session;
    session.windows.Show(form);
    QWidget* window = session.windows.Window(form);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QStringList faults;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    session.windows.Close(form);
  }

  void everyControlOfTheHistoryHasAName() {
    const QTemporaryDir folder;
    Session session;
    session.windows.SetHistory(
        folder.filePath(QStringLiteral("cronologia.jsonl")));
    session.windows.ShowHistory();
    QWidget* history = session.windows.History();
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QStringList faults;
    CollectUnnamed(QAccessible::queryAccessibleInterface(history), faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
  }

  void controlsAreNamedByTheirCaptions_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("race") << FormId::kForm1 << "Combo1"
                          << "Razza"
                          << QString::fromUtf8("Menù di selezione delle razze");
    QTest::newRow("class") << FormId::kForm1 << "Combo2"
                           << "Classe"
                           << QString::fromUtf8("Menù selezione della classe");
    QTest::newRow("alignment")
        << FormId::kForm1 << "Combo3"
        << "Allineamento"
        << QString::fromUtf8("Menù di selezione dell'allineamento");
    QTest::newRow("strength") << FormId::kForm1 << "Text2"
                              << "FORZA"
                              << "Punteggio della forza";
    QTest::newRow("age") << FormId::kForm1 << "Text12"
                         << "ETA'"
                         << QString::fromUtf8("Seleziona l'età del pg");
    QTest::newRow("roll") << FormId::kForm1 << "Command1"
                          << "Tira i dadi"
                          << QString::fromUtf8(
                                 "Tira i dadi per visualizzare i punteggi "
                                 "delle abilità");
    QTest::newRow("type A") << FormId::kForm3 << "UpDown1"
                            << "Tesoro di tipo A" << QString();
    QTest::newRow("type I") << FormId::kForm3 << "UpDown7"
                            << "Tesoro di tipo I" << QString();
    QTest::newRow("weapon type") << FormId::kForm5 << "Combo1"
                                 << "Tipo"
                                 << "Scegli che arma intelligente vuoi creare";
    QTest::newRow("level") << FormId::kForm4 << "Combo1"
                           << "N. Livello"
                           << "Indica il numero del livello del PNG";
    QTest::newRow("rogue clear") << FormId::kForm4 << "Command6"
                                 << "CANC Vagabondo" << QString();
  }

  // The name is the caption; the tooltip stays the description.
  void controlsAreNamedByTheirCaptions() {
    QFETCH(FormId, form);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    Session session;
    session.windows.Show(form);
    QWidget* widget = Child(*session.windows.Window(form), qPrintable(control));
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    if (!description.isNull()) {
      QCOMPARE(accessible->text(QAccessible::Description), description);
    }
    session.windows.Close(form);
  }

  void picturesArePressableButtons_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<FormId>("leadsTo");
    QTest::newRow("logo") << FormId::kForm7 << "Image1"
                          << "Quendaro 32" << FormId::kForm8;
    QTest::newRow("die") << FormId::kForm8 << "Image1"
                         << "Generatore PG-PNG" << FormId::kForm1;
    QTest::newRow("sword") << FormId::kForm8 << "Image2"
                           << "Generatore Armi intelligenti" << FormId::kForm5;
    QTest::newRow("amulet") << FormId::kForm8 << "Image3"
                            << "Generatore di Tesori" << FormId::kForm3;
  }

  // A screen reader's press does what a click does.
  void picturesArePressableButtons() {
    QFETCH(FormId, form);
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(FormId, leadsTo);
    Session session;
    session.windows.Show(form);
    QWidget* image = Child(*session.windows.Window(form), qPrintable(picture));
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(image);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), image->toolTip());
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QWidget* target = session.windows.Window(leadsTo);
    QVERIFY(target != nullptr && target->isVisible());
    session.windows.Close(leadsTo);
  }

  // The combo box's own parts still work for a screen reader: its value is
  // the text it holds and its edit field is named like it.
  void comboBoxKeepsItsValueAndField() {
    Session session;
    session.windows.Show(FormId::kForm1);
    QWidget* window = session.windows.Window(FormId::kForm1);
    QAccessibleInterface* race =
        QAccessible::queryAccessibleInterface(Child(*window, "Combo1"));
    QCOMPARE(race->text(QAccessible::Value), QStringLiteral("nessuna"));
    QCOMPARE(race->childCount(), 2);
    QAccessibleInterface* field = race->child(1);
    QVERIFY(field != nullptr);
    QCOMPARE(field->role(), QAccessible::EditableText);
    QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Razza"));
    session.windows.Close(FormId::kForm1);
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::AccessibilityTest)
#include "AccessibilityTest.moc"
