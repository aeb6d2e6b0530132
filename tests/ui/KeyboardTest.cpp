// The windows from the keyboard: buttons pressed with Return and Space, the
// generate key and the access keys, F1 for help, Esc to close; and the
// character window's number boxes against text that comes without a key
// press (a paste, a drop).

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form1.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"
#include "ui/kit/QtText.h"
#include "ui/shell/WindowManager.h"

Q_DECLARE_METATYPE(quendaro::FormId)

namespace quendaro {
namespace {

using testing::Child;
using testing::RecordingPlatform;

const QString kInvalidNumber = QStringLiteral("Inserisci un valore valido!");

struct Session {
  RecordingPlatform platform;
  RandomSource random;
  WindowManager windows{random, platform};

  QWidget& Open(FormId form) {
    windows.Show(form);
    QWidget* window = windows.Window(form);
    if (!QTest::qWaitForWindowExposed(window))
      qFatal("the window never showed");
    window->activateWindow();
    return *window;
  }
};

// How text reaches a number box without a typed character.
enum class Route { kContextMenu, kShiftInsert, kDrop };

void Deliver(QLineEdit& box, const QString& text, Route route) {
  switch (route) {
    case Route::kContextMenu: {
      QGuiApplication::clipboard()->setText(text);
      std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
      for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(QLatin1String("&Paste"))) {
          action->trigger();
          return;
        }
      }
      QFAIL("the box's menu has no paste item");
      return;
    }
    case Route::kShiftInsert:
      QGuiApplication::clipboard()->setText(text);
      box.setFocus();
      QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
      return;
    case Route::kDrop: {
      QMimeData data;
      data.setText(text);
      const QPointF at = box.rect().center();
      QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
      QApplication::sendEvent(&box, &enter);
      QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
      QApplication::sendEvent(&box, &move);
      QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton,
                      Qt::NoModifier);
      QApplication::sendEvent(&box, &drop);
      return;
    }
  }
}

}  // namespace
}  // namespace quendaro

Q_DECLARE_METATYPE(quendaro::Route)

namespace quendaro {

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void returnAndSpacePressTheFocusedButton_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    const struct {
      const char* name;
      FormId form;
      const char* button;
    } buttons[] = {
        {"Tira i dadi", FormId::kForm1, "Command1"},
        {"Genera tesoro", FormId::kForm3, "Command1"},
        {"Genera Arma", FormId::kForm5, "Command1"},
        {"Genera", FormId::kForm2, "Command1"},
        {"Militare", FormId::kForm4, "Command1"},
        {"OK", FormId::kForm6, "Command1"},
    };
    const struct {
      const char* name;
      Qt::Key key;
    } keys[] = {{"Return", Qt::Key_Return},
                {"Enter", Qt::Key_Enter},
                {"Space", Qt::Key_Space}};
    for (const auto& button : buttons) {
      for (const auto& key : keys) {
        QTest::addRow("%s, %s", button.name, key.name)
            << button.form << button.button << static_cast<int>(key.key);
      }
    }
  }

  void returnAndSpacePressTheFocusedButton() {
    QFETCH(FormId, form);
    QFETCH(QString, button);
    QFETCH(int, key);
    Session session;
    QWidget& window = session.Open(form);
    auto* control = Child<QAbstractButton>(window, qPrintable(button));
    control->setFocus();
    QSignalSpy pressed(control, &QAbstractButton::clicked);
    QTest::keyClick(control, static_cast<Qt::Key>(key));
    QCOMPARE(pressed.count(), 1);
    session.windows.Close(form);
  }

  void generateKeyPressesTheMainButton_data() {
    QTest::addColumn<FormId>("form");
    QTest::newRow("character") << FormId::kForm1;
    QTest::newRow("treasure") << FormId::kForm3;
    QTest::newRow("weapon") << FormId::kForm5;
    QTest::newRow("names") << FormId::kForm2;
    QTest::newRow("hit points") << FormId::kForm4;
  }

  // Ctrl+G generates again wherever the focus is.
  void generateKeyPressesTheMainButton() {
    QFETCH(FormId, form);
    Session session;
    QWidget& window = session.Open(form);
    auto* generate = Child<QAbstractButton>(window, "Command1");
    QSignalSpy pressed(generate, &QAbstractButton::clicked);
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(pressed.count(), 1);
    session.windows.Close(form);
  }

  // In the hit-point window the key rolls again for the class last rolled.
  void generateKeyRollsTheLastClassAgain() {
    Session session;
    QWidget& window = session.Open(FormId::kForm4);
    auto* priest = Child<QAbstractButton>(window, "Command3");
    QTest::mouseClick(priest, Qt::LeftButton);
    QSignalSpy pressed(priest, &QAbstractButton::clicked);
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(pressed.count(), 1);
    QVERIFY(window.accessibleDescription().contains(QStringLiteral("Ctrl+G")));
    session.windows.Close(FormId::kForm4);
  }

  void optionsMenuLeadsWithTheGenerateItem_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("caption");
    QTest::newRow("character") << FormId::kForm1 << "Tira i dadi";
    QTest::newRow("treasure") << FormId::kForm3 << "Genera tesoro";
    QTest::newRow("weapon") << FormId::kForm5 << "Genera Arma";
  }

  // The key shows in the menu: the first item, then a separator before the
  // menu's own items.
  void optionsMenuLeadsWithTheGenerateItem() {
    QFETCH(FormId, form);
    QFETCH(QString, caption);
    Session session;
    auto& window = static_cast<QMainWindow&>(session.Open(form));
    QMenu* options = nullptr;
    for (QAction* top : window.menuBar()->actions()) {
      if (top->text() == QStringLiteral("&Opzioni")) options = top->menu();
    }
    QVERIFY(options != nullptr);
    const QList<QAction*> items = options->actions();
    QVERIFY(items.size() >= 3);
    QCOMPARE(items[0]->text(), caption);
    QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QVERIFY(items[1]->isSeparator());
    QVERIFY(!items[2]->isSeparator());
    session.windows.Close(form);
  }

  void accessKeysPressTheirButtons_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("letter");
    QTest::newRow("Tira i dadi")
        << FormId::kForm1 << "Command1" << int{Qt::Key_T};
    QTest::newRow("Genera tesoro")
        << FormId::kForm3 << "Command1" << int{Qt::Key_G};
    QTest::newRow("Genera Arma")
        << FormId::kForm5 << "Command1" << int{Qt::Key_G};
    QTest::newRow("Genera") << FormId::kForm2 << "Command1" << int{Qt::Key_G};
    QTest::newRow("Vagabondo")
        << FormId::kForm4 << "Command2" << int{Qt::Key_V};
    QTest::newRow("Esperto di magia")
        << FormId::kForm4 << "Command4" << int{Qt::Key_E};
  }

  void accessKeysPressTheirButtons() {
    QFETCH(FormId, form);
    QFETCH(QString, button);
    QFETCH(int, letter);
    Session session;
    QWidget& window = session.Open(form);
    auto* control = Child<QAbstractButton>(window, qPrintable(button));
    QSignalSpy pressed(control, &QAbstractButton::clicked);
    QTest::keyClick(&window, static_cast<Qt::Key>(letter), Qt::AltModifier);
    // An access key presses its button the way a click looks: down, then up
    // a moment later.
    QTRY_COMPARE(pressed.count(), 1);
    session.windows.Close(form);
  }

  void helpKeyShowsTheHelp_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("help");
    QTest::newRow("character") << FormId::kForm1 << ToQt(kCharacterHelpText);
    QTest::newRow("treasure") << FormId::kForm3 << ToQt(kTreasureHelpText);
    QTest::newRow("weapon") << FormId::kForm5 << ToQt(kWeaponHelpText);
    QTest::newRow("names") << FormId::kForm2 << ToQt(kNameHelpText);
    QTest::newRow("hit points") << FormId::kForm4 << ToQt(kHitPointHelpText);
    QTest::newRow("credits") << FormId::kForm6 << ToQt(kCreditsHelpText);
    QTest::newRow("start") << FormId::kForm7 << ToQt(kStartHelpText);
    QTest::newRow("main menu") << FormId::kForm8 << ToQt(kMainMenuHelpText);
  }

  void helpKeyShowsTheHelp() {
    QFETCH(FormId, form);
    QFETCH(QString, help);
    Session session;
    QWidget& window = session.Open(form);
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(session.platform.messages, QStringList{help});
    session.windows.Close(form);
  }

  void escapeClosesTheSmallWindows_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<bool>("closes");
    QTest::newRow("names") << FormId::kForm2 << true;
    QTest::newRow("hit points") << FormId::kForm4 << true;
    QTest::newRow("credits") << FormId::kForm6 << true;
    QTest::newRow("character") << FormId::kForm1 << false;
  }

  // A generator's results are not thrown away by a stray Esc.
  void escapeClosesTheSmallWindows() {
    QFETCH(FormId, form);
    QFETCH(bool, closes);
    Session session;
    QWidget& window = session.Open(form);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(session.windows.Window(form) == nullptr ||
                 !session.windows.Window(form)->isVisible(),
             closes);
    if (!closes) session.windows.Close(form);
  }

  // The desktop's message box closes with Esc as with its OK button.
  void escapeClosesAMessage() {
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    bool pressed = false;
    QTimer::singleShot(0, &owner, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr) return;
      QTest::keyClick(box, Qt::Key_Escape);
      pressed = true;
    });
    DesktopPlatform platform;
    platform.ShowMessage(&owner, QStringLiteral("Selezionare"));
    QVERIFY(pressed);
  }

  void pastedTextObeysTheNumberBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("refused");
    const struct {
      const char* name;
      Route route;
    } routes[] = {{"menu", Route::kContextMenu},
                  {"Shift+Insert", Route::kShiftInsert},
                  {"drop", Route::kDrop}};
    for (const char* box : {"Text12", "Text8", "Text9"}) {
      for (const auto& route : routes) {
        QTest::addRow("%s, %s, letters", box, route.name)
            << box << route.route << "ab-9"
            << "" << true;
        QTest::addRow("%s, %s, digits then letters", box, route.name)
            << box << route.route << "20Or"
            << "" << true;
        QTest::addRow("%s, %s, a blank", box, route.name)
            << box << route.route << " 12"
            << "" << true;
        QTest::addRow("%s, %s, digits", box, route.name)
            << box << route.route << "175"
            << "175" << false;
        QTest::addRow("%s, %s, too many digits", box, route.name)
            << box << route.route << "123456"
            << "1234" << false;
      }
    }
  }

  // Text that comes without a key press meets the key filter's rule: all
  // digits go in (as many as the box holds), anything else is refused with
  // the same beep and message as a typed letter.
  void pastedTextObeysTheNumberBoxes() {
    QFETCH(QString, box);
    QFETCH(Route, route);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(bool, refused);
    RandomSource random;
    RecordingPlatform platform;
    Form1 window(random, platform);
    QVERIFY(testing::ShowAndWait(window));
    auto* field = Child<QLineEdit>(window, qPrintable(box));
    field->clear();
    Deliver(*field, text, route);
    QCOMPARE(field->text(), after);
    const QStringList refusal = {QStringLiteral("beep"), kInvalidNumber};
    QCOMPARE(platform.events, refused ? refusal : QStringList());
  }

  // A fifth typed digit is simply not taken, as before: no message.
  void fullBoxTakesNoMoreDigitsQuietly() {
    RandomSource random;
    RecordingPlatform platform;
    Form1 window(random, platform);
    QVERIFY(testing::ShowAndWait(window));
    auto* height = Child<QLineEdit>(window, "Text8");
    height->setFocus();
    QTest::keyClicks(height, QStringLiteral("18256"));
    QCOMPARE(height->text(), QStringLiteral("1825"));
    QVERIFY(platform.events.isEmpty());
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::KeyboardTest)
#include "KeyboardTest.moc"
