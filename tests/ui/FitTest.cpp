// Every window on the screen the test runs on: CTest runs this file once per
// screen (1366x768 and 1920x1080, at 100 % and at a higher scale), each run
// with its own offscreen screen and QT_SCALE_FACTOR.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <algorithm>

#include "random/RandomSource.h"
#include "support/LayoutChecks.h"
#include "support/RecordingPlatform.h"
#include "ui/kit/Navigator.h"
#include "ui/shell/WindowManager.h"

namespace quendaro {

// What a game master would have on screen: nothing yet, or a result with the
// longest texts the window's inputs can hold.
enum class Contents { kFresh, kFilled };

}  // namespace quendaro

Q_DECLARE_METATYPE(quendaro::FormId)
Q_DECLARE_METATYPE(quendaro::Contents)

namespace quendaro {
namespace {

using testing::LayoutFaults;
using testing::RecordingPlatform;
using testing::Scrolls;

bool OpensMaximized(FormId form) {
  return form == FormId::kForm1 || form == FormId::kForm3 ||
         form == FormId::kForm5;
}

void ChooseLongest(QWidget& window, const char* name) {
  auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(name));
  QVERIFY(combo != nullptr);
  int longest = 0;
  for (int i = 1; i < combo->count(); ++i) {
    if (combo->itemText(i).size() > combo->itemText(longest).size()) {
      longest = i;
    }
  }
  combo->setCurrentIndex(longest);
}

void Press(QWidget& window, const char* name) {
  auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
  QVERIFY(button != nullptr);
  button->click();
}

void Fill(FormId form, QWidget& window) {
  switch (form) {
    case FormId::kForm1:
      ChooseLongest(window, "Combo1");
      ChooseLongest(window, "Combo2");
      ChooseLongest(window, "Combo3");
      ChooseLongest(window, "combo4");
      window.findChild<QLineEdit*>(QStringLiteral("Text11"))
          ->setText(QStringLiteral("Bertram Scudoferro"));
      Press(window, "Command1");
      return;
    case FormId::kForm3:
      for (QSpinBox* spinner : window.findChildren<QSpinBox*>()) {
        spinner->setValue(spinner->maximum());
      }
      Press(window, "Command1");
      return;
    case FormId::kForm5:
      ChooseLongest(window, "Combo1");
      Press(window, "Command1");
      return;
    case FormId::kForm4:
      window.findChild<QComboBox*>(QStringLiteral("Combo1"))
          ->setEditText(QStringLiteral("20"));
      for (const char* button :
           {"Command1", "Command2", "Command3", "Command4"}) {
        Press(window, button);
      }
      return;
    case FormId::kForm2:
      Press(window, "Option2");
      Press(window, "Command1");
      return;
    case FormId::kParty:
      // The largest party, of the race with the longest name.
      window.findChild<QSpinBox*>(QStringLiteral("count"))->setValue(12);
      window.findChild<QSpinBox*>(QStringLiteral("level"))->setValue(20);
      ChooseLongest(window, "race");
      Press(window, "generate");
      return;
    case FormId::kForm6:
    case FormId::kForm7:
    case FormId::kForm8:
      return;
  }
}

// The screen as the windows see it: its size in the program's own pixels.
QString ScreenName() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return QStringLiteral("%1x%2 at %3 %")
      .arg(screen->geometry().width())
      .arg(screen->geometry().height())
      .arg(qRound(screen->devicePixelRatio() * 100));
}

// The part of `window` its controls cover.
QRect ControlsArea(QWidget& window) {
  QRect area;
  for (QWidget* control : testing::VisibleControls(window)) {
    area |= QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
  }
  return area;
}

}  // namespace

class FitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qInfo("screen: %s", qPrintable(ScreenName())); }

  void everyWindowFitsAndShowsWhole_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<Contents>("contents");
    const struct {
      const char* name;
      FormId form;
    } forms[] = {
        {"Form1", FormId::kForm1},       {"Form2", FormId::kForm2},
        {"Form3", FormId::kForm3},       {"Form4", FormId::kForm4},
        {"Form5", FormId::kForm5},       {"Form6", FormId::kForm6},
        {"Form7", FormId::kForm7},       {"Form8", FormId::kForm8},
        {"PartyWindow", FormId::kParty},
    };
    for (const auto& row : forms) {
      QTest::addRow("%s fresh", row.name) << row.form << Contents::kFresh;
      QTest::addRow("%s filled", row.name) << row.form << Contents::kFilled;
    }
  }

  // A window opens as the program opens it, maximized or at its own size,
  // and every control shows whole, inside the window, apart from the others,
  // without scrolling.
  void everyWindowFitsAndShowsWhole() {
    QFETCH(FormId, form);
    QFETCH(Contents, contents);
    RecordingPlatform platform;
    RandomSource random;
    WindowManager windows(random, platform);
    windows.Show(form);
    QWidget* window = windows.Window(form);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (contents == Contents::kFilled) Fill(form, *window);
    QCoreApplication::processEvents();

    const QStringList faults = LayoutFaults(*window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    QVERIFY2(!Scrolls(*window), "part of the window is only seen by scrolling");
    windows.Close(form);
  }

  void maximizedWindowsUseTheRoom_data() {
    QTest::addColumn<FormId>("form");
    QTest::newRow("Form1") << FormId::kForm1;
    QTest::newRow("Form3") << FormId::kForm3;
    QTest::newRow("Form5") << FormId::kForm5;
  }

  // On a large screen the sheet spreads over the window instead of standing
  // small in the middle of the desk.
  void maximizedWindowsUseTheRoom() {
    QFETCH(FormId, form);
    RecordingPlatform platform;
    RandomSource random;
    WindowManager windows(random, platform);
    windows.Show(form);
    QWidget* window = windows.Window(form);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(OpensMaximized(form));
    QCoreApplication::processEvents();
    const QRect used = ControlsArea(*window);
    QVERIFY2(used.width() >= window->width() * 8 / 10,
             qPrintable(QStringLiteral("controls span %1 of %2 pixels")
                            .arg(used.width())
                            .arg(window->width())));
    QVERIFY2(used.height() >= window->height() * 8 / 10,
             qPrintable(QStringLiteral("controls span %1 of %2 pixels")
                            .arg(used.height())
                            .arg(window->height())));
    windows.Close(form);
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::FitTest)
#include "FitTest.moc"
