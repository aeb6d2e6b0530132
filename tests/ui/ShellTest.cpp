#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <algorithm>

#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/ClassicColors.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/QtText.h"
#include "ui/shell/WindowManager.h"

namespace quendaro {
namespace {

// One run of the program: its services, its windows, and whether it ended.
struct Session {
  Session() { windows.Start(); }

  testing::RecordingPlatform platform;
  RandomSource random;
  WindowManager windows{random, platform};
  QSignalSpy ended{&windows, &WindowManager::LastWindowClosed};
};

// The design names of the windows on screen, in order.
QStringList Shown() {
  QStringList names;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->objectName().startsWith("Form")) {
      names << window->objectName();
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

template <typename T = QWidget>
T* Child(QWidget* window, const QString& name) {
  if (window == nullptr)
    qFatal("no window to look in for %s", qPrintable(name));
  T* child = window->findChild<T*>(name);
  if (child == nullptr) qFatal("no control named %s", qPrintable(name));
  return child;
}

void Click(QWidget* window, const QString& control) {
  QTest::mouseClick(Child(window, control), Qt::LeftButton);
}

void Trigger(QWidget* window, const QString& item) {
  Child<QAction>(window, item)->trigger();
}

// From the start window through the main menu's picture `image`.
void OpenFromMainMenu(Session& session, const QString& image) {
  Click(session.windows.Window(FormId::kForm7), QStringLiteral("Image1"));
  Click(session.windows.Window(FormId::kForm8), image);
}

// The program's own start: every window a player may open next is built
// ahead, hidden, while the logo is up. True once the spares are ready.
bool BuildAhead(Session& session) {
  QSignalSpy ready(&session.windows, &WindowManager::SparesReady);
  session.windows.BuildAheadWhenIdle();
  return ready.wait(10000);
}

// The spares of the windows that are closed now.
bool SparesReadyAgain(Session& session) {
  QSignalSpy ready(&session.windows, &WindowManager::SparesReady);
  return ready.wait(10000);
}

constexpr FormId kBuiltAhead[] = {
    FormId::kForm8, FormId::kForm1, FormId::kForm3, FormId::kForm5,
    FormId::kForm4, FormId::kForm2, FormId::kForm6};

bool OpensMaximized(const QString& form) {
  return form == QLatin1String("Form1") || form == QLatin1String("Form3") ||
         form == QLatin1String("Form5");
}

FormId TargetOf(const QString& image) {
  if (image == QLatin1String("Image2")) return FormId::kForm5;
  if (image == QLatin1String("Image3")) return FormId::kForm3;
  return FormId::kForm1;
}

QStringList Texts(QWidget* window, const QStringList& controls) {
  QStringList texts;
  for (const QString& name : controls) {
    QWidget* control = Child(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
      texts << line->text();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      texts << label->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
      texts << combo->currentText();
    }
  }
  return texts;
}

void Choose(QWidget* window, const QString& combo, const QString& item) {
  auto* box = Child<QComboBox>(window, combo);
  box->setCurrentIndex(box->findText(item));
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    // Closed windows are deleted by the event loop, which a test does not
    // run; clear them away so the next test starts with an empty screen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(Shown().isEmpty(), qPrintable(Shown().join(' ')));
  }

  void startShowsOnlyTheLogo() {
    Session session;
    QCOMPARE(Shown(), QStringList{"Form7"});
    QCOMPARE(session.random.ReseedCount(), std::size_t{1});
  }

  void logoLeadsToTheMainMenu_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("leads");
    QTest::newRow("logo") << "Image1" << true;
    QTest::newRow("name") << "Label1" << true;
    QTest::newRow("platform") << "Label4" << true;
    QTest::newRow("credit line") << "Label2" << false;
    QTest::newRow("version") << "Label3" << false;
    QTest::newRow("contact line") << "Label5" << false;
  }

  void logoLeadsToTheMainMenu() {
    QFETCH(QString, control);
    QFETCH(bool, leads);
    Session session;
    Click(session.windows.Window(FormId::kForm7), control);
    QCOMPARE(Shown(), leads ? QStringList{"Form8"} : QStringList{"Form7"});
    QCOMPARE(session.windows.Window(FormId::kForm7) == nullptr, leads);
  }

  void keyboardLeadsFromLogoToAGenerator() {
    Session session;
    QWidget* logo_window = session.windows.Window(FormId::kForm7);
    QTest::keyClick(logo_window->focusWidget(), Qt::Key_Return);
    QCOMPARE(Shown(), QStringList{"Form8"});
    QWidget* menu = session.windows.Window(FormId::kForm8);
    QCOMPARE(menu->focusWidget(), Child(menu, "Image1"));
    QTest::keyClick(Child(menu, "Image3"), Qt::Key_Space);
    QCOMPARE(Shown(), QStringList{"Form3"});
  }

  void mainMenuMarksTheChoiceThenGoes_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("treasure label") << "Label3"
                                    << "Label3"
                                    << "Image3" << QStringList{"Form3"};
    QTest::newRow("treasure icon") << "Image3"
                                   << "Label3"
                                   << "Image3" << QStringList{"Form3"};
    QTest::newRow("character icon") << "Image1"
                                    << "Label1"
                                    << "Image1" << QStringList{"Form1"};
    QTest::newRow("weapon label") << "Label2"
                                  << "Label2"
                                  << "Image2" << QStringList{"Form5"};
    QTest::newRow("exit icon") << "Image4"
                               << "Label4"
                               << "Image4" << QStringList{};
  }

  void mainMenuMarksTheChoiceThenGoes() {
    QFETCH(QString, control);
    QFETCH(QString, label);
    QFETCH(QString, image);
    QFETCH(QStringList, shown);
    Session session;
    Click(session.windows.Window(FormId::kForm7), "Image1");
    QWidget* menu = session.windows.Window(FormId::kForm8);
    const QPointer<QLabel> marked = Child<QLabel>(menu, label);
    const QPointer<PictureBox> framed = Child<PictureBox>(menu, image);
    QCOMPARE(framed->Border(), PictureBox::BorderStyle::kNone);

    Click(menu, control);

    // The menu is closed but not yet deleted: its last look is still there.
    QVERIFY(!marked.isNull());
    QCOMPARE(marked->palette().color(QPalette::WindowText), ClassicColor(12));
    QCOMPARE(framed->Border(), PictureBox::BorderStyle::kFixedSingle);
    QCOMPARE(Shown(), shown);
    QVERIFY(session.windows.Window(FormId::kForm8) == nullptr);
    QCOMPARE(session.ended.count(), shown.isEmpty() ? 1 : 0);
  }

  void everyWindowBearsItsCaption_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form1") << FormId::kForm1
                           << "Quendaro 32  v. 1.00 C -  Generatore PG-PNG";
    QTest::newRow("Form2") << FormId::kForm2 << "Genera-Nomi";
    QTest::newRow("Form3")
        << FormId::kForm3
        << "Quendaro 32 v.1.00 C -  Generatore di tesori della tana";
    QTest::newRow("Form4") << FormId::kForm4 << "Tira Punti-ferita (PF)";
    QTest::newRow("Form5")
        << FormId::kForm5
        << "Quendaro 32 v.1.00 C - Generatore di armi intelligenti";
    QTest::newRow("Form6") << FormId::kForm6 << "Quendaro 32  -  Crediti";
    QTest::newRow("Form7") << FormId::kForm7 << "";
    QTest::newRow("Form8") << FormId::kForm8
                           << "Quendaro 32  -  Menù principale";
  }

  void everyWindowBearsItsCaption() {
    QFETCH(FormId, form);
    QFETCH(QString, caption);
    Session session;
    session.windows.Show(form);
    QWidget* window = session.windows.Window(form);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->isMaximized(), OpensMaximized(window->objectName()));
    session.windows.Close(form);
    session.windows.Close(FormId::kForm7);
  }

  // The fixed words of the start window, the main menu and the credits, with
  // their double blanks and slips of the pen kept.
  void shellWindowsShowTheirWords_data() {
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    const QString none;
    QTest::newRow("Form7 Image1")
        << FormId::kForm7 << "Image1" << none << "Clicca qui per iniziare";
    QTest::newRow("Form7 Label1") << FormId::kForm7 << "Label1"
                                  << "Quendaro 32" << none;
    QTest::newRow("Form7 Label3") << FormId::kForm7 << "Label3"
                                  << "V.1.00 c" << none;
    QTest::newRow("Form7 Label4") << FormId::kForm7 << "Label4"
                                  << "FOR  Win95" << none;
    QTest::newRow("Form8 Label5")
        << FormId::kForm8 << "Label5"
        << "Clicca sull'icona corrispondente al generatore a cui vuoi "
           "accedere."
        << none;
    QTest::newRow("Form8 Label1") << FormId::kForm8 << "Label1"
                                  << "Generatore PG-PNG" << none;
    QTest::newRow("Form8 Label2") << FormId::kForm8 << "Label2"
                                  << "Generatore Armi intelligenti" << none;
    QTest::newRow("Form8 Label3") << FormId::kForm8 << "Label3"
                                  << "Generatore di Tesori" << none;
    QTest::newRow("Form8 Label4") << FormId::kForm8 << "Label4"
                                  << "ESCI" << none;
    QTest::newRow("Form6 Label1") << FormId::kForm6 << "Label1"
                                  << "Quendaro" << none;
    QTest::newRow("Form6 Label8") << FormId::kForm6 << "Label8"
                                  << "32" << none;
    QTest::newRow("Form6 Label2") << FormId::kForm6 << "Label2"
                                  << "Codice,Menu,Icone :" << none;
    QTest::newRow("Form6 Label3") << FormId::kForm6 << "Label3"
                                  << "Si ringraziano :" << none;
    QTest::newRow("Form6 Label4") << FormId::kForm6 << "Label4"
                                  << "LOGO :" << none;
    QTest::newRow("Form6 Label9") << FormId::kForm6 << "Label9"
                                  << "" << none;
    QTest::newRow("Form6 Label5")
        << FormId::kForm6 << "Label5" << none
        << "Il fondatore della Morvellan Software nonchè programmatore";
    QTest::newRow("Form6 Label6")
        << FormId::kForm6 << "Label6" << none
        << "I beta testers...ciò significa che se riscontrate qualche baco "
           "è colpa loro.";
    QTest::newRow("Form6 Label7")
        << FormId::kForm6 << "Label7" << none << "Colui che disegno i logo";
    QTest::newRow("Form6 Command1") << FormId::kForm6 << "Command1"
                                    << "OK" << none;
  }

  void shellWindowsShowTheirWords() {
    QFETCH(FormId, form);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    Session session;
    session.windows.Show(form);
    QWidget* widget = Child(session.windows.Window(form), control);
    // The names beside the credits are free, their tooltips fixed: a row
    // with no text checks only the tooltip.
    if (!text.isNull()) {
      const auto* label = qobject_cast<QLabel*>(widget);
      const auto* button = qobject_cast<QPushButton*>(widget);
      QVERIFY(label != nullptr || button != nullptr);
      QCOMPARE(label != nullptr ? label->text() : button->text(), text);
    }
    if (!tooltip.isNull()) QCOMPARE(widget->toolTip(), tooltip);
    session.windows.Close(form);
    session.windows.Close(FormId::kForm7);
  }

  void menuItemsLeadWhereTheySay_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("message");

    const QString none;
    const QString character_help = ToQt(kCharacterHelpText);
    const QString treasure_help = ToQt(kTreasureHelpText);
    const QString weapon_help = ToQt(kWeaponHelpText);
    const QString maker = ToQt(kMakerPresentation);

    QTest::newRow("PG menu00") << "Image1"
                               << "menu00" << QStringList{"Form8"} << none;
    QTest::newRow("PG menu02") << "Image1"
                               << "menu02" << QStringList{} << none;
    QTest::newRow("PG name") << "Image1"
                             << "name" << QStringList{"Form1", "Form2"} << none;
    QTest::newRow("PG pf") << "Image1"
                           << "pf" << QStringList{"Form1", "Form4"} << none;
    QTest::newRow("PG tes") << "Image1"
                            << "tes" << QStringList{"Form3"} << none;
    QTest::newRow("PG genarm") << "Image1"
                               << "genarm" << QStringList{"Form5"} << none;
    QTest::newRow("PG about")
        << "Image1"
        << "about" << QStringList{"Form1"} << character_help;
    QTest::newRow("PG wts") << "Image1"
                            << "wts" << QStringList{"Form1"} << maker;
    QTest::newRow("PG cred") << "Image1"
                             << "cred" << QStringList{"Form1", "Form6"} << none;

    QTest::newRow("tesori init") << "Image3"
                                 << "init" << QStringList{"Form8"} << none;
    QTest::newRow("tesori ex") << "Image3"
                               << "ex" << QStringList{} << none;
    QTest::newRow("tesori pgpng") << "Image3"
                                  << "pgpng" << QStringList{"Form1"} << none;
    QTest::newRow("tesori arm") << "Image3"
                                << "arm" << QStringList{"Form5"} << none;
    QTest::newRow("tesori about")
        << "Image3"
        << "about" << QStringList{"Form3"} << treasure_help;
    QTest::newRow("tesori soft") << "Image3"
                                 << "soft" << QStringList{"Form3"} << maker;
    QTest::newRow("tesori cred")
        << "Image3"
        << "cred" << QStringList{"Form3", "Form6"} << none;

    QTest::newRow("armi scher1") << "Image2"
                                 << "scher1" << QStringList{"Form8"} << none;
    QTest::newRow("armi exit") << "Image2"
                               << "exit" << QStringList{} << none;
    QTest::newRow("armi tes") << "Image2"
                              << "tes" << QStringList{"Form3"} << none;
    QTest::newRow("armi gen") << "Image2"
                              << "gen" << QStringList{"Form1"} << none;
    QTest::newRow("armi about")
        << "Image2"
        << "about" << QStringList{"Form5"} << weapon_help;
    QTest::newRow("armi wts") << "Image2"
                              << "wts" << QStringList{"Form5"} << maker;
    QTest::newRow("armi cred")
        << "Image2"
        << "cred" << QStringList{"Form5", "Form6"} << none;
  }

  void menuItemsLeadWhereTheySay() {
    QFETCH(QString, image);
    QFETCH(QString, item);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);
    Session session;
    OpenFromMainMenu(session, image);
    QWidget* origin = session.windows.Window(TargetOf(image));

    Trigger(origin, item);

    QCOMPARE(Shown(), shown);
    QCOMPARE(session.platform.messages,
             message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(session.ended.count(), shown.isEmpty() ? 1 : 0);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) {
        QCOMPARE(window->isMaximized(), OpensMaximized(window->objectName()));
      }
    }
    // What opens owned sits above the window that opened it.
    for (const FormId owned :
         {FormId::kForm2, FormId::kForm4, FormId::kForm6}) {
      if (QWidget* window = session.windows.Window(owned)) {
        QCOMPARE(window->parentWidget(), origin);
        QVERIFY(window->isWindow());
      }
    }
  }

  void characterWindowKeepsItsContentsWhileHidden() {
    Session session;
    OpenFromMainMenu(session, "Image1");
    QWidget* character = session.windows.Window(FormId::kForm1);
    QVERIFY(character->isMaximized());
    Choose(character, "Combo1", "Umano");
    Choose(character, "Combo2", "Guerriero(puro)");
    Choose(character, "Combo3", "Legale/buono");
    Click(character, "Command1");
    const QStringList controls = {"Combo1",  "Combo2",  "Combo3",  "Text2",
                                  "Text3",   "Text4",   "Text5",   "Text6",
                                  "Text7",   "Label23", "Label24", "Label25",
                                  "Label26", "Label27", "Label28", "Label35"};
    const QStringList before = Texts(character, controls);
    QVERIFY(!before.contains(QString()));

    Trigger(character, "menu00");
    QCOMPARE(Shown(), QStringList{"Form8"});
    QCOMPARE(session.windows.Window(FormId::kForm1), character);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Click(session.windows.Window(FormId::kForm8), "Label1");
    QCOMPARE(Shown(), QStringList{"Form1"});
    QCOMPARE(session.windows.Window(FormId::kForm1), character);
    QCOMPARE(Texts(character, controls), before);
  }

  void treasureWindowStartsEmptyAgain() {
    Session session;
    OpenFromMainMenu(session, "Image3");
    const QPointer<QWidget> first = session.windows.Window(FormId::kForm3);
    Click(first, "Command1");
    QVERIFY(!Child<QLabel>(first, "Label10")->text().isEmpty());
    QVERIFY(Child(first, "Command2")->isEnabled());

    Trigger(first, "init");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    Click(session.windows.Window(FormId::kForm8), "Image3");

    QWidget* again = session.windows.Window(FormId::kForm3);
    QVERIFY(again != nullptr);
    QCOMPARE(Child<QLabel>(again, "Label10")->text(), QString());
    QVERIFY(!Child(again, "Command2")->isEnabled());
  }

  void hitPointWindowOpensOnceAndKeepsItsValues() {
    Session session;
    OpenFromMainMenu(session, "Image1");
    QWidget* character = session.windows.Window(FormId::kForm1);
    Trigger(character, "pf");
    QWidget* points = session.windows.Window(FormId::kForm4);
    Click(points, "Command1");
    const QString rolled = Child<QLineEdit>(points, "Text5")->text();
    QVERIFY(!rolled.isEmpty());

    Trigger(character, "pf");

    QCOMPARE(session.windows.Window(FormId::kForm4), points);
    QCOMPARE(Shown(), (QStringList{"Form1", "Form4"}));
    QCOMPARE(Child<QLineEdit>(points, "Text5")->text(), rolled);
  }

  void characterWindowTakesItsOwnedWindowsAlong_data() {
    QTest::addColumn<bool>("close_box");
    QTest::newRow("Esci") << false;
    QTest::newRow("close box") << true;
  }

  void characterWindowTakesItsOwnedWindowsAlong() {
    QFETCH(bool, close_box);
    Session session;
    OpenFromMainMenu(session, "Image1");
    QWidget* character = session.windows.Window(FormId::kForm1);
    for (const char* item : {"pf", "name", "cred"}) Trigger(character, item);
    QCOMPARE(Shown(), (QStringList{"Form1", "Form2", "Form4", "Form6"}));

    if (close_box) {
      character->close();
    } else {
      Trigger(character, "menu02");
    }

    QCOMPARE(Shown(), QStringList{});
    for (const FormId form :
         {FormId::kForm1, FormId::kForm2, FormId::kForm4, FormId::kForm6}) {
      QVERIFY(session.windows.Window(form) == nullptr);
    }
    QCOMPARE(session.ended.count(), 1);
  }

  void ownedWindowsOpenOverTheirOwner_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<FormId>("owner");
    QTest::addColumn<QString>("item");
    QTest::addColumn<FormId>("owned");
    QTest::newRow("hit points")
        << "Image1" << FormId::kForm1 << "pf" << FormId::kForm4;
    QTest::newRow("names") << "Image1" << FormId::kForm1 << "name"
                           << FormId::kForm2;
    QTest::newRow("credits of the weapons")
        << "Image2" << FormId::kForm5 << "cred" << FormId::kForm6;
  }

  // A small window opens over the middle of the window it came from (give or
  // take its frame), not in a corner of the screen, and the desktop is told
  // that it belongs to that window, so that it stays above it.
  void ownedWindowsOpenOverTheirOwner() {
    QFETCH(QString, image);
    QFETCH(FormId, owner);
    QFETCH(QString, item);
    QFETCH(FormId, owned);
    Session session;
    OpenFromMainMenu(session, image);
    QWidget* opener = session.windows.Window(owner);
    QVERIFY(QTest::qWaitForWindowExposed(opener));
    Trigger(opener, item);
    QWidget* window = session.windows.Window(owned);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const QPoint off =
        window->frameGeometry().center() - opener->frameGeometry().center();
    QVERIFY2(qAbs(off.x()) <= 8 && qAbs(off.y()) <= 8,
             qPrintable(QStringLiteral("%1 stands %2, %3 from the middle")
                            .arg(window->objectName())
                            .arg(off.x())
                            .arg(off.y())));
    QVERIFY(window->windowHandle() != nullptr);
    QCOMPARE(window->windowHandle()->transientParent(), opener->windowHandle());
    opener->close();
  }

  // A panel of a generator window, such as the lair's contents, opens over
  // the window and stays above it in the same way.
  void panelsOpenOverTheirWindow() {
    Session session;
    OpenFromMainMenu(session, "Image3");
    QWidget* treasure = session.windows.Window(FormId::kForm3);
    QVERIFY(QTest::qWaitForWindowExposed(treasure));
    Trigger(treasure, "contents");
    QWidget* panel = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && window->parentWidget() == treasure) {
        panel = window;
      }
    }
    QVERIFY(panel != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    const QPoint off =
        panel->frameGeometry().center() - treasure->frameGeometry().center();
    QVERIFY2(qAbs(off.x()) <= 8 && qAbs(off.y()) <= 8,
             qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
    QCOMPARE(panel->windowHandle()->transientParent(),
             treasure->windowHandle());
    treasure->close();
  }

  void creditsCloseWithTheWeaponWindow() {
    Session session;
    OpenFromMainMenu(session, "Image2");
    QWidget* weapon = session.windows.Window(FormId::kForm5);
    Trigger(weapon, "cred");
    QCOMPARE(Shown(), (QStringList{"Form5", "Form6"}));
    Trigger(weapon, "exit");
    QCOMPARE(Shown(), QStringList{});
  }

  void creditsOkClosesOnlyTheCredits() {
    Session session;
    OpenFromMainMenu(session, "Image3");
    Trigger(session.windows.Window(FormId::kForm3), "cred");
    Click(session.windows.Window(FormId::kForm6), "Command1");
    QCOMPARE(Shown(), QStringList{"Form3"});
    QCOMPARE(session.ended.count(), 0);
  }

  void programEndsWhenTheLastVisibleWindowCloses() {
    Session session;
    OpenFromMainMenu(session, "Image1");
    Trigger(session.windows.Window(FormId::kForm1), "menu00");
    QCOMPARE(session.ended.count(), 0);

    Click(session.windows.Window(FormId::kForm8), "Label4");

    QCOMPARE(session.ended.count(), 1);
    QVERIFY(session.windows.Window(FormId::kForm1) == nullptr);
  }

  void anOwnedWindowOnScreenKeepsTheProgramRunning() {
    Session session;
    OpenFromMainMenu(session, "Image1");
    QWidget* character = session.windows.Window(FormId::kForm1);
    Trigger(character, "pf");
    Trigger(character, "menu00");
    Click(session.windows.Window(FormId::kForm8), "Image4");
    QCOMPARE(Shown(), QStringList{"Form4"});
    QCOMPARE(session.ended.count(), 0);

    session.windows.Window(FormId::kForm4)->close();

    QCOMPARE(session.ended.count(), 1);
    QVERIFY(session.windows.Window(FormId::kForm1) == nullptr);
  }

  void twoStartsRollDifferentHitPoints() {
    auto first_rolls = [] {
      Session session;
      OpenFromMainMenu(session, "Image1");
      Trigger(session.windows.Window(FormId::kForm1), "pf");
      QWidget* points = session.windows.Window(FormId::kForm4);
      Choose(points, "Combo1", "20");
      QStringList rolls;
      for (int press = 0; press < 4; ++press) {
        Click(points, "Command1");
        rolls << Child<QLineEdit>(points, "Text5")->text();
      }
      session.windows.Window(FormId::kForm1)->close();
      return rolls;
    };
    const QStringList first_run = first_rolls();
    const QStringList second_run = first_rolls();
    QCOMPARE(first_run.size(), 4);
    QVERIFY(!first_run.contains(QString()));
    QVERIFY2(first_run != second_run, qPrintable(first_run.join(' ')));
  }

  void windowsBuiltAheadStayHiddenAndClosed() {
    Session session;
    QVERIFY(BuildAhead(session));
    QCOMPARE(Shown(), QStringList{"Form7"});
    for (const FormId form : kBuiltAhead) {
      QVERIFY(session.windows.HasSpare(form));
      QVERIFY(session.windows.Window(form) == nullptr);
    }
    QVERIFY(!session.windows.HasSpare(FormId::kForm7));
  }

  void aWindowFromItsSpareStartsEmptyEachTime() {
    Session session;
    QVERIFY(BuildAhead(session));
    OpenFromMainMenu(session, "Image3");
    QCOMPARE(Shown(), QStringList{"Form3"});
    const QPointer<QWidget> first = session.windows.Window(FormId::kForm3);
    QVERIFY(!session.windows.HasSpare(FormId::kForm3));
    Click(first, "Command1");
    QVERIFY(!Child<QLabel>(first, "Label10")->text().isEmpty());

    Trigger(first, "init");
    QVERIFY(SparesReadyAgain(session));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(session.windows.HasSpare(FormId::kForm3));
    Click(session.windows.Window(FormId::kForm8), "Image3");

    QWidget* again = session.windows.Window(FormId::kForm3);
    QVERIFY(again != nullptr);
    QVERIFY(again->isMaximized());
    QCOMPARE(Child<QLabel>(again, "Label10")->text(), QString());
    QVERIFY(!Child(again, "Command2")->isEnabled());
  }

  void characterWindowFromItsSpareStillHidesAndComesBack() {
    Session session;
    QVERIFY(BuildAhead(session));
    OpenFromMainMenu(session, "Image1");
    QWidget* character = session.windows.Window(FormId::kForm1);
    Child<QLineEdit>(character, "Text11")->setText("Bertram");
    Trigger(character, "menu00");
    QCOMPARE(Shown(), QStringList{"Form8"});
    Click(session.windows.Window(FormId::kForm8), "Label1");
    QCOMPARE(session.windows.Window(FormId::kForm1), character);
    QCOMPARE(Child<QLineEdit>(character, "Text11")->text(), "Bertram");
  }

  void aSpareWaitsForTheFirstPaintOfTheWindowJustOpened() {
    // Opening the character window closes the main menu, whose spare is
    // then built again: not before the character window is on screen.
    Session session;
    QVERIFY(BuildAhead(session));
    Click(session.windows.Window(FormId::kForm7), QStringLiteral("Image1"));
    QVERIFY(
        QTest::qWaitForWindowExposed(session.windows.Window(FormId::kForm8)));

    struct FirstPaint final : QObject {
      const WindowManager* windows = nullptr;
      bool painted = false;
      bool menu_spare_at_paint = true;
      bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted &&
            watched->objectName() == QLatin1String("Form1") &&
            static_cast<QWidget*>(watched)->isWindow()) {
          painted = true;
          menu_spare_at_paint = windows->HasSpare(FormId::kForm8);
        }
        return false;
      }
    } first_paint;
    first_paint.windows = &session.windows;
    qApp->installEventFilter(&first_paint);
    Click(session.windows.Window(FormId::kForm8), QStringLiteral("Image1"));

    QVERIFY(SparesReadyAgain(session));
    qApp->removeEventFilter(&first_paint);
    QVERIFY(first_paint.painted);
    QVERIFY(!first_paint.menu_spare_at_paint);
    QVERIFY(session.windows.HasSpare(FormId::kForm8));
  }

  void sparesDoNotKeepTheProgramRunning() {
    Session session;
    QVERIFY(BuildAhead(session));
    session.windows.Window(FormId::kForm7)->close();

    QCOMPARE(session.ended.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const FormId form : kBuiltAhead) {
      QVERIFY(!session.windows.HasSpare(form));
    }
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      QVERIFY2(!window->objectName().startsWith("Form"),
               qPrintable(window->objectName()));
    }
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::ShellTest)
#include "ShellTest.moc"
