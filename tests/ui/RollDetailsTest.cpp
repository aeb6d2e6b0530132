#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form1.h"
#include "ui/forms/Form2.h"
#include "ui/forms/Form3.h"
#include "ui/forms/Form4.h"
#include "ui/forms/Form5.h"
#include "ui/results/RollDetails.h"

namespace quendaro {

using testing::Child;
using testing::Click;
using testing::RecordingPlatform;
using testing::ShowAndWait;

namespace {

// The panel's lines, top to bottom.
QStringList Lines(const RollDetails& panel) {
  auto* list = Child<QListWidget>(panel, "StepList");
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

// Ctrl+D in `window`, as the game master presses it, and the panel it opens.
RollDetails* OpenWithKeys(QWidget& window) {
  QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
  return window.findChild<RollDetails*>();
}

std::unique_ptr<QWidget> MakeForm(int form, RandomSource& random,
                                  RecordingPlatform& platform) {
  switch (form) {
    case 1:
      return std::make_unique<Form1>(random, platform);
    case 2:
      return std::make_unique<Form2>(random, platform);
    case 3:
      return std::make_unique<Form3>(random, platform);
    case 4:
      return std::make_unique<Form4>(random, platform);
    default:
      return std::make_unique<Form5>(random, platform);
  }
}

}  // namespace

class RollDetailsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachWindowShowsTheStepsOfItsLastGeneration_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("first_line");
    QTest::newRow("character") << 1 << "FORZA: tiro fra 7 e 18 → ";
    QTest::newRow("names") << 2 << "Prima sillaba: tiro fra 1 e 99 → ";
    QTest::newRow("treasure") << 3
                              << QString::fromUtf8(
                                     "Tesoro A: rame, probabilità: tiro fra 1 "
                                     "e 100 → ");
    QTest::newRow("hit points") << 4 << "PF: tiro fra 1 e 10 → ";
    QTest::newRow("weapon") << 5 << "Lingue parlate: tiro fra 1 e 100 → ";
  }
  void eachWindowShowsTheStepsOfItsLastGeneration() {
    QFETCH(int, form);
    QFETCH(QString, first_line);
    RandomSource random(7);
    RecordingPlatform platform;
    const std::unique_ptr<QWidget> window = MakeForm(form, random, platform);
    QVERIFY(ShowAndWait(*window));

    // Before any generation the panel says there is nothing yet.
    RollDetails* panel = OpenWithKeys(*window);
    QVERIFY(panel != nullptr);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->windowTitle(), "Dettagli dei tiri");
    QVERIFY(Lines(*panel).isEmpty());
    QVERIFY(!Child<QPushButton>(*panel, "Copy")->isEnabled());

    switch (form) {
      case 1:
        Child<QComboBox>(*window, "Combo1")->setEditText("Umano");
        Child<QComboBox>(*window, "Combo2")->setEditText("Guerriero(puro)");
        Click(*window, "Command1");
        break;
      case 2:
        Click(*window, "Option1");
        Click(*window, "Command1");
        break;
      case 3:
        QTest::keyClick(Child(*window, "UpDown1"), Qt::Key_Up);
        Click(*window, "Command1");
        break;
      default:
        Click(*window, "Command1");
        break;
    }
    // The open panel follows the new generation.
    const QStringList lines = Lines(*panel);
    QVERIFY(!lines.isEmpty());
    QVERIFY2(lines.first().startsWith(first_line), qPrintable(lines.first()));
    for (const QString& line : lines) {
      QVERIFY2(!line.contains("Roll(") && !line.contains("Reseed"),
               qPrintable(line));
    }
    QVERIFY(Child<QPushButton>(*panel, "Copy")->isEnabled());
  }

  void characterPanelNamesTheRuleThatRaisedAScore() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form1 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Child<QComboBox>(window, "Combo1")->setEditText("Umano");
    Child<QComboBox>(window, "Combo2")->setEditText("Guerriero(puro)");
    // Every draw 0: each score at the human minimum, so the warrior's
    // constitution of 6 goes up to 10.
    random.ScriptDraws(std::vector<float>(6, 0.0f));
    Click(window, "Command1");
    RollDetails* panel = OpenWithKeys(window);
    QVERIFY(panel != nullptr);
    QVERIFY(Lines(*panel).contains(QString::fromUtf8(
        "COSTITUZIONE: minimo di Guerriero(puro) (sotto 10 diventa 10) 6 → "
        "10")));
    QCOMPARE(Child<QLineEdit>(window, "Text4")->text(), "10");
  }

  void optionsMenuOffersTheDetails_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("Form1") << 1;
    QTest::newRow("Form3") << 3;
    QTest::newRow("Form5") << 5;
  }
  void optionsMenuOffersTheDetails() {
    QFETCH(int, form);
    RandomSource random(2);
    RecordingPlatform platform;
    const std::unique_ptr<QWidget> window = MakeForm(form, random, platform);
    auto* action = Child<QAction>(*window, "dettagli");
    QCOMPARE(action->text(), "&Dettagli dei tiri");
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    bool in_options = false;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
      if (menu->title() == "&Opzioni")
        in_options = menu->actions().contains(action);
    }
    QVERIFY(in_options);
  }

  void hitPointBoxesOfferTheDetailsInTheirContextMenu() {
    RandomSource random(3);
    RecordingPlatform platform;
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command2");
    auto* box = Child<QLineEdit>(window, "Text6");
    QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    // The menu may run its own event loop: look at it from inside that loop,
    // then close it as a user who pressed Escape.
    QAction* details = nullptr;
    QTimer::singleShot(0, this, [&details] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* action : menu->actions()) {
        if (action->objectName() == "dettagli") details = action;
      }
      menu->close();
    });
    QApplication::sendEvent(box, &event);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QVERIFY(details != nullptr);
    details->trigger();
    auto* panel = window.findChild<RollDetails*>();
    QVERIFY(panel != nullptr);
    const QStringList lines = Lines(*panel);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first(),
             QString::fromUtf8("PF: tiro fra 1 e 6 → ") + box->text());
  }

  void nameResultOffersTheDetailsInItsContextMenu() {
    RandomSource random(3);
    RecordingPlatform platform;
    Form2 window(random, platform);
    QVERIFY(ShowAndWait(window));
    auto* label = Child<QLabel>(window, "Label1");
    QContextMenuEvent event(QContextMenuEvent::Mouse, label->rect().center(),
                            label->mapToGlobal(label->rect().center()));
    QStringList items;
    QTimer::singleShot(0, this, [&items] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* action : menu->actions()) items << action->objectName();
      menu->close();
    });
    QApplication::sendEvent(label, &event);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QVERIFY2(items.contains("dettagli"), qPrintable(items.join(',')));
  }

  void copyAndSaveWriteTheLines() {
    RandomSource random(4);
    RecordingPlatform platform;
    Form5 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    RollDetails* panel = OpenWithKeys(window);
    QVERIFY(panel != nullptr);
    const QString expected = Lines(*panel).join('\n') + '\n';

    Click(*panel, "Copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("tiri.txt");
    Click(*panel, "Save");
    auto* dialog = panel->findChild<QFileDialog*>("SaveDialog");
    QVERIFY(dialog != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // Typed into the dialog's name box and confirmed with Return.
    auto* name = Child<QLineEdit>(*dialog, "fileNameEdit");
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), expected);
    QVERIFY(platform.messages.isEmpty());
  }

  void aFailedSaveSaysSoAndLeavesNoFile() {
    RandomSource random(5);
    RecordingPlatform platform;
    Form3 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    RollDetails* panel = OpenWithKeys(window);
    QVERIFY(panel != nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath("manca/tiri.txt");
    QVERIFY(!panel->SaveTo(path));
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages.first().startsWith(
        QString::fromUtf8("Impossibile salvare i tiri in «")));
    QVERIFY(!QFile::exists(path));
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::RollDetailsTest)
#include "RollDetailsTest.moc"
