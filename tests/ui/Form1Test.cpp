#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <memory>

#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "npc/NpcGenerator.h"
#include "random/RandomSource.h"
#include "support/Draws.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form1.h"
#include "ui/kit/AboutTexts.h"

namespace quendaro {
namespace {

using testing::DrawFor;
using testing::RecordingPlatform;

const QString kInvalidNumber = QStringLiteral("Inserisci un valore valido!");
const QString kNoClassMessage = QStringLiteral("Devi selezionare una classe !");
const QString kNoRaceMessage = QStringLiteral("Devi selzionare una razza !");

const char* const kScoreBoxes[] = {"Text2", "Text3", "Text4",
                                   "Text5", "Text6", "Text7"};
const char* const kRowLabels[] = {"Label23", "Label24", "Label25",
                                  "Label26", "Label27", "Label28"};

// Draws that make a human of no class roll 13, 13, 13, 13, 13, 12: a total
// of 77, whose average is not whole.
std::vector<float> HumanDrawsTotalling77() {
  return {DrawFor(12, 7, 13), DrawFor(13, 6, 13), DrawFor(13, 6, 13),
          DrawFor(14, 5, 13), DrawFor(14, 5, 13), DrawFor(14, 5, 12)};
}

// Every reseed falls within one tick, so a seeded window rolls the same
// character every time.
std::uint64_t FrozenClock() { return 1'700'000'000'000'000'000ULL; }

template <std::size_t N>
bool IsOneOf(const std::array<std::string_view, N>& choices,
             const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::find(choices.begin(), choices.end(),
                   std::string_view(utf8.constData(), utf8.size())) !=
         choices.end();
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void freshPressWithoutChoicesWarnsAndRollsZeros();
  void presetNameWritesTheWholeCharacter_data();
  void presetNameWritesTheWholeCharacter();
  void clearButtonEmptiesTheWindow();
  void emptiedComboGetsItsPlaceholderBack_data();
  void emptiedComboGetsItsPlaceholderBack();
  void numberBoxKeyFilter_data();
  void numberBoxKeyFilter();
  void numberBoxesEditAsUsualAndHoldFourDigits();
  void numberBoxesTakeTheEditingKeys_data();
  void numberBoxesTakeTheEditingKeys();
  void returnInABoxRollsTheDice_data();
  void returnInABoxRollsTheDice();
  void outputBoxesAreReadOnly();
  void tabMovesThroughTheInputsInReadingOrder();
  void averageUsesTheRegionalSeparator_data();
  void averageUsesTheRegionalSeparator();
  void refusalEmptiesThePreviousCharacter_data();
  void refusalEmptiesThePreviousCharacter();
  void menuBarHoldsEveryItem_data();
  void menuBarHoldsEveryItem();
  void helpItemsShowTheirTexts_data();
  void helpItemsShowTheirTexts();
  void randomNpcIsInTheOptionsMenuWithItsShortcut();
  void randomNpcFillsTheBoxesAndRollsAWholeSheet();
  void randomNpcRollsAsTiraIDadiDoes();
  void randomNpcKeepsTheChoicesAlreadyMade();

 private:
  template <typename T>
  T* Find(const char* name) const {
    T* child = window_->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("Form1 has no control named %s", name);
    return child;
  }
  QString TextOf(const char* name) const;

  void Press(const char* button);
  void Choose(const char* combo, const QString& text);
  void TypeName(const QString& text);
  void TypeNumber(const char* box, const QString& digits);

  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<RecordingPlatform> platform_;
  std::unique_ptr<Form1> window_;
};

void Form1Test::init() {
  random_ = std::make_unique<RandomSource>();
  platform_ = std::make_unique<RecordingPlatform>();
  window_ = std::make_unique<Form1>(*random_, *platform_);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void Form1Test::cleanup() {
  window_.reset();
  platform_.reset();
  random_.reset();
}

QString Form1Test::TextOf(const char* name) const {
  QObject* child = window_->findChild<QObject*>(QString::fromLatin1(name));
  if (auto* box = qobject_cast<QLineEdit*>(child)) return box->text();
  if (auto* label = qobject_cast<QLabel*>(child)) return label->text();
  if (auto* combo = qobject_cast<QComboBox*>(child)) {
    return combo->currentText();
  }
  qFatal("Form1 has no text control named %s", name);
}

void Form1Test::Press(const char* button) {
  QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
}

void Form1Test::Choose(const char* combo, const QString& text) {
  QLineEdit* edit = Find<QComboBox>(combo)->lineEdit();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(edit, text);
  }
}

void Form1Test::TypeName(const QString& text) {
  QLineEdit* edit = Find<QLineEdit>("Text11");
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

// The old digits go by Shift+Home and Backspace, as a user would do it.
void Form1Test::TypeNumber(const char* box, const QString& digits) {
  QLineEdit* edit = Find<QLineEdit>(box);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, digits);
}

void Form1Test::freshPressWithoutChoicesWarnsAndRollsZeros() {
  Press("Command1");

  QCOMPARE(platform_->messages, QStringList({kNoClassMessage, kNoRaceMessage}));
  QVERIFY(!Find<QPushButton>("Command2")->isEnabled());
  for (const char* box : kScoreBoxes)
    QCOMPARE(TextOf(box), QStringLiteral("0"));
  QCOMPARE(TextOf("Label35"), QStringLiteral("0"));
  QCOMPARE(TextOf("Label30"), QStringLiteral("0"));
  QCOMPARE(TextOf("Text10"), QString());
  QCOMPARE(TextOf("Label22"), QString());
  QCOMPARE(TextOf("Text12"), QStringLiteral("1"));
}

void Form1Test::presetNameWritesTheWholeCharacter_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("preset");
  QTest::newRow("Orvo") << QStringLiteral("Orvo") << true;
  QTest::newRow("one trailing blank") << QStringLiteral("Orvo ") << true;
  QTest::newRow("full name") << QStringLiteral("Orvo Brantelmo") << true;
  QTest::newRow("two trailing blanks") << QStringLiteral("Orvo  ") << false;
  QTest::newRow("lower case") << QStringLiteral("orvo") << false;
  QTest::newRow("shorter prefix") << QStringLiteral("Orvo Bran") << false;
}

void Form1Test::presetNameWritesTheWholeCharacter() {
  QFETCH(QString, name);
  QFETCH(bool, preset);
  TypeName(name);
  Press("Command1");

  if (!preset) {
    QCOMPARE(TextOf("Combo2"), QStringLiteral("nessuna"));
    QCOMPARE(TextOf("Text2"), QStringLiteral("0"));
    return;
  }
  const QStringList scores = {"11", "16", "16", "14", "13", "12"};
  for (int i = 0; i < 6; ++i) QCOMPARE(TextOf(kScoreBoxes[i]), scores[i]);
  QCOMPARE(TextOf("Label35"), QStringLiteral("82"));
  QCOMPARE(TextOf("Combo2"), QStringLiteral("Ladro"));
  QCOMPARE(TextOf("Combo1"), QStringLiteral("Umano"));
  QCOMPARE(TextOf("Combo3"), QStringLiteral("Caotico/neutrale"));
  QCOMPARE(TextOf("Text8"), QStringLiteral("178"));
  QCOMPARE(TextOf("Text9"), QStringLiteral("69"));
  QCOMPARE(TextOf("Text12"), QStringLiteral("20"));
  QCOMPARE(TextOf("combo4"), QStringLiteral("Maschio"));
  QCOMPARE(TextOf("Text11"), name);
  const QStringList rows = {
      QStringLiteral("/  /  18  52  6  2%"), QStringLiteral("+1  +1  -2"),
      QStringLiteral("+2  95%  96%  0  /"),  QStringLiteral("4  7°  60%  9  /"),
      QStringLiteral("0  1°  0%  /"),        QStringLiteral("5  0  0"),
  };
  for (int i = 0; i < 6; ++i) QCOMPARE(TextOf(kRowLabels[i]), rows[i]);
}

void Form1Test::clearButtonEmptiesTheWindow() {
  Choose("Combo1", QStringLiteral("Umano"));
  Choose("Combo2", QStringLiteral("Ladro"));
  Choose("combo4", QStringLiteral("Femmina"));
  TypeName(QStringLiteral("Orvo"));
  TypeNumber("Text12", QStringLiteral("30"));
  Press("Command1");
  QVERIFY(platform_->messages.isEmpty());
  QVERIFY(Find<QPushButton>("Command2")->isEnabled());
  QVERIFY(!TextOf("Label22").isEmpty());
  const std::size_t draws = random_->DrawCount();

  Press("Command2");

  QCOMPARE(random_->DrawCount(), draws);
  for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                          "Text8", "Text9", "Text10", "Text11"}) {
    QCOMPARE(TextOf(box), QString());
  }
  for (const char* label :
       {"Label22", "Label23", "Label24", "Label25", "Label26", "Label27",
        "Label28", "Label30", "Label35"}) {
    QCOMPARE(TextOf(label), QString());
  }
  QCOMPARE(TextOf("Text12"), QStringLiteral("1"));
  QCOMPARE(TextOf("Combo1"), QStringLiteral("nessuna"));
  QCOMPARE(TextOf("Combo2"), QStringLiteral("nessuna"));
  QCOMPARE(TextOf("Combo3"), QStringLiteral("nessuno"));
  QCOMPARE(TextOf("combo4"), QStringLiteral("nessuno"));
  QVERIFY(!Find<QPushButton>("Command2")->isEnabled());
}

void Form1Test::emptiedComboGetsItsPlaceholderBack_data() {
  QTest::addColumn<QString>("combo");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("after");
  struct Row {
    const char* what;
    const char* combo;
    const char* typed;
    const char* after;
  };
  static constexpr Row kRows[] = {
      {"race", "Combo1", "Umano", "nessuna"},
      {"class", "Combo2", "Bardo", "nessuna"},
      {"alignment", "Combo3", "Legale/buono", "nessuno"},
      {"sex may stay empty", "combo4", "Maschio", ""},
  };
  for (const Row& row : kRows) {
    QTest::newRow(row.what)
        << QString::fromLatin1(row.combo) << QString::fromLatin1(row.typed)
        << QString::fromLatin1(row.after);
  }
}

void Form1Test::emptiedComboGetsItsPlaceholderBack() {
  QFETCH(QString, combo);
  QFETCH(QString, typed);
  QFETCH(QString, after);
  const QByteArray name = combo.toLatin1();
  Choose(name.constData(), typed);
  QCOMPARE(TextOf(name.constData()), typed);

  // Backspace at the end, one letter at a time: the placeholder is back as
  // soon as the last letter goes.
  QLineEdit* edit = Find<QComboBox>(name.constData())->lineEdit();
  QTest::keyClick(edit, Qt::Key_End);
  for (qsizetype i = 0; i < typed.size(); ++i) {
    QTest::keyClick(edit, Qt::Key_Backspace);
  }
  QCOMPARE(TextOf(name.constData()), after);
}

void Form1Test::numberBoxKeyFilter_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("refused");
  QTest::addColumn<QString>("after");

  const int none = Qt::NoModifier;
  const int ctrl = Qt::ControlModifier;
  for (const char* box : {"Text12", "Text8", "Text9"}) {
    const auto row = [&](const char* what) -> QTestData& {
      return QTest::addRow("%s %s", box, what) << QString::fromLatin1(box);
    };
    row("letter") << int(Qt::Key_A) << none << "a" << true << "12";
    row("digit") << int(Qt::Key_7) << none << "7" << false << "127";
    row("backspace") << int(Qt::Key_Backspace) << none << "\b" << false << "1";
    row("comma") << int(Qt::Key_Comma) << none << "," << true << "12";
  }
  const auto row = [](const char* what) -> QTestData& {
    return QTest::addRow("Text12 %s", what) << QStringLiteral("Text12");
  };
  row("blank") << int(Qt::Key_Space) << none << " " << true << "12";
  // Esc and the box's own commands type nothing: the box does with them
  // what any box does (an empty clipboard pastes nothing).
  row("Escape") << int(Qt::Key_Escape) << none << "\x1b" << false << "12";
  row("Ctrl+V as code 22") << int(Qt::Key_V) << ctrl << "\x16" << false << "12";
  row("Ctrl+V without text") << int(Qt::Key_V) << ctrl << "" << false << "12";
  row("Ctrl+C") << int(Qt::Key_C) << ctrl << "\x03" << false << "12";
  row("Ctrl+Alt+a, as AltGr types it")
      << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::AltModifier) << "a"
      << true << "12";
  row("minus") << int(Qt::Key_Minus) << none << "-" << true << "12";
  row("left arrow") << int(Qt::Key_Left) << none << "" << false << "12";
  row("Delete") << int(Qt::Key_Delete) << none << "\x7f" << false << "12";
  row("Tab") << int(Qt::Key_Tab) << none << "\t" << false << "12";
  row("Shift alone") << int(Qt::Key_Shift) << none << "" << false << "12";
}

void Form1Test::numberBoxKeyFilter() {
  QFETCH(QString, box);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, text);
  QFETCH(bool, refused);
  QFETCH(QString, after);
  const QByteArray name = box.toLatin1();
  QGuiApplication::clipboard()->clear();
  TypeNumber(name.constData(), QStringLiteral("12"));
  QVERIFY(platform_->events.isEmpty());

  QTest::sendKeyEvent(QTest::Click, Find<QLineEdit>(name.constData()),
                      static_cast<Qt::Key>(key), text,
                      Qt::KeyboardModifiers(modifiers));

  QCOMPARE(TextOf(name.constData()), after);
  if (refused) {
    QCOMPARE(platform_->events,
             QStringList({QStringLiteral("beep"), kInvalidNumber}));
  } else {
    QCOMPARE(platform_->events, QStringList());
  }
}

void Form1Test::numberBoxesEditAsUsualAndHoldFourDigits() {
  TypeNumber("Text8", QStringLiteral("178"));
  QLineEdit* height = Find<QLineEdit>("Text8");
  QTest::keyClick(height, Qt::Key_Home);
  QTest::keyClick(height, Qt::Key_Delete);
  QTest::keyClick(height, Qt::Key_Right);
  QTest::keyClick(height, Qt::Key_5);
  QCOMPARE(height->text(), QStringLiteral("758"));

  TypeNumber("Text12", QStringLiteral("12345"));
  QCOMPARE(TextOf("Text12"), QStringLiteral("1234"));
  QCOMPARE(platform_->beeps, 0);
}

void Form1Test::numberBoxesTakeTheEditingKeys_data() {
  QTest::addColumn<QString>("box");
  for (const char* box : {"Text12", "Text8", "Text9"}) {
    QTest::newRow(box) << QString::fromLatin1(box);
  }
}

// Selecting the digits to retype them, copying, cutting, pasting a number
// and undoing work as in any box, without a word from the key filter.
void Form1Test::numberBoxesTakeTheEditingKeys() {
  QFETCH(QString, box);
  const QByteArray name = box.toLatin1();
  TypeNumber(name.constData(), QStringLiteral("175"));
  QLineEdit* edit = Find<QLineEdit>(name.constData());
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();

  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(edit->selectedText(), QStringLiteral("175"));
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), QStringLiteral("175"));
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(edit->text(), QString());
  clipboard->setText(QStringLiteral("82"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(edit->text(), QStringLiteral("82"));
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(edit->text(), QString());
  QTest::keyClick(edit, Qt::Key_Escape);
  QCOMPARE(platform_->events, QStringList());
}

void Form1Test::returnInABoxRollsTheDice_data() {
  QTest::addColumn<QString>("box");
  for (const char* box : {"Text12", "Text8", "Text9", "Text11"}) {
    QTest::newRow(box) << QString::fromLatin1(box);
  }
}

// Return in a box presses "Tira i dadi", the window's default button, as
// Return does in a dialog: here a roll without race or class.
void Form1Test::returnInABoxRollsTheDice() {
  QFETCH(QString, box);
  QLineEdit* edit = Find<QLineEdit>(box.toLatin1().constData());
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(platform_->messages, QStringList({kNoClassMessage, kNoRaceMessage}));
  QCOMPARE(platform_->beeps, 0);
  QCOMPARE(TextOf("Text2"), QStringLiteral("0"));
}

void Form1Test::outputBoxesAreReadOnly() {
  for (const char* box :
       {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text10"}) {
    QTest::keyClicks(Find<QLineEdit>(box), QStringLiteral("5"));
    QCOMPARE(TextOf(box), QString());
  }
}

// Tab follows the rows as they stand on the sheet, down the character column
// to the sex, then to the two buttons.
void Form1Test::tabMovesThroughTheInputsInReadingOrder() {
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  // The clear button takes the focus only while it is enabled.
  Choose("Combo1", QStringLiteral("Umano"));
  Choose("Combo2", QStringLiteral("Ladro"));
  Press("Command1");
  QVERIFY(Find<QPushButton>("Command2")->isEnabled());

  const char* const order[] = {"Text11",   "Combo2",  "Combo1", "Combo3",
                               "Text8",    "Text9",   "Text12", "combo4",
                               "Command1", "Command2"};
  Find<QWidget>("Text11")->setFocus();
  for (const char* name : order) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    const QWidget* expected = Find<QWidget>(name);
    QVERIFY2(focus == expected || focus->parentWidget() == expected, name);
    QTest::keyClick(focus, Qt::Key_Tab);
  }
}

void Form1Test::averageUsesTheRegionalSeparator_data() {
  QTest::addColumn<char>("separator");
  QTest::addColumn<QString>("average");
  QTest::newRow("Italian comma") << ',' << QStringLiteral("12,83333");
  QTest::newRow("point") << '.' << QStringLiteral("12.83333");
}

void Form1Test::averageUsesTheRegionalSeparator() {
  QFETCH(char, separator);
  QFETCH(QString, average);
  platform_->SetDecimalSeparator(separator);
  Choose("Combo1", QStringLiteral("Umano"));
  random_->ScriptDraws(HumanDrawsTotalling77());

  Press("Command1");

  QCOMPARE(TextOf("Label35"), QStringLiteral("77"));
  QCOMPARE(TextOf("Label30"), average);
}

void Form1Test::refusalEmptiesThePreviousCharacter_data() {
  QTest::addColumn<QString>("race");
  QTest::addColumn<QString>("characterClass");
  QTest::addColumn<QString>("alignment");
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<QString>("category");

  QTest::newRow("paladin half-elf")
      << QStringLiteral("Mezzelfo") << QStringLiteral("Paladino")
      << QStringLiteral("Caotico/buono")
      << QStringList(
             {QStringLiteral("Un paladino può essere solo umano"),
              QStringLiteral("Un paladino può essere solo legale buono")})
      << QStringLiteral("Giovane");
  QTest::newRow("neither race nor class")
      << QString() << QString() << QStringLiteral("Caotico/buono")
      << QStringList({kNoClassMessage, kNoRaceMessage}) << QString();
}

// The second character gets no table rows; nothing of the first may stay on
// screen beside its zero scores.
void Form1Test::refusalEmptiesThePreviousCharacter() {
  QFETCH(QString, race);
  QFETCH(QString, characterClass);
  QFETCH(QString, alignment);
  QFETCH(QStringList, messages);
  QFETCH(QString, category);

  Choose("Combo1", QStringLiteral("Umano"));
  Choose("Combo2", QStringLiteral("Ladro"));
  TypeName(QStringLiteral("Orvo"));
  TypeNumber("Text12", QStringLiteral("30"));
  Press("Command1");
  QCOMPARE(TextOf("Label22"), QStringLiteral("Giovane"));
  for (const char* label : kRowLabels) QVERIFY(!TextOf(label).isEmpty());
  platform_->Clear();

  TypeName(QString());
  Choose("Combo1", race);
  Choose("Combo2", characterClass);
  Choose("Combo3", alignment);
  // No strength of 18, so no percentile either.
  random_->ScriptDraws({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
  Press("Command1");

  QCOMPARE(platform_->messages, messages);
  for (const char* box : kScoreBoxes)
    QCOMPARE(TextOf(box), QStringLiteral("0"));
  for (const char* label : kRowLabels) QCOMPARE(TextOf(label), QString());
  QCOMPARE(TextOf("Text10"), QString());
  QCOMPARE(TextOf("Label35"), QStringLiteral("0"));
  QCOMPARE(TextOf("Label22"), category);
}

void Form1Test::menuBarHoldsEveryItem_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  struct Row {
    const char* name;
    const char* caption;
  };
  static constexpr Row kRows[] = {
      {"menu00", "Menù principale"},
      {"menu02", "Esci"},
      {"name", "G&eneratore di nomi"},
      {"pf", "&Tira punti ferita(PF)"},
      {"tes", "&Generatore di tesori"},
      {"genarm", "Ge&neratore di armi intelligenti"},
      {"png", "&PNG casuale"},
      {"about", "&About.."},
      {"wts", "&Morvellan Soft."},
      {"cred", "&Crediti"},
  };
  for (const Row& row : kRows) {
    QTest::newRow(row.name)
        << QString::fromLatin1(row.name) << QString::fromUtf8(row.caption);
  }
}

void Form1Test::menuBarHoldsEveryItem() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  auto* action = window_->findChild<QAction*>(name);
  QVERIFY(action != nullptr);
  QCOMPARE(action->text(), caption);
}

void Form1Test::helpItemsShowTheirTexts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::newRow("about") << "about"
                         << QString::fromUtf8(kCharacterHelpText.data(),
                                              kCharacterHelpText.size());
  QTest::newRow("maker") << "wts"
                         << QString::fromUtf8(kMakerPresentation.data(),
                                              kMakerPresentation.size());
}

void Form1Test::helpItemsShowTheirTexts() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  window_->findChild<QAction*>(name)->trigger();
  QCOMPARE(platform_->messages, QStringList({text}));
}

void Form1Test::randomNpcIsInTheOptionsMenuWithItsShortcut() {
  auto* action = Find<QAction>("png");
  QCOMPARE(action->text(), QStringLiteral("&PNG casuale"));
  QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  QMenu* options = nullptr;
  for (QAction* menu : window_->menuBar()->actions()) {
    if (menu->text() == QStringLiteral("&Opzioni")) options = menu->menu();
  }
  QVERIFY(options != nullptr);
  QVERIFY(options->actions().contains(action));
}

void Form1Test::randomNpcFillsTheBoxesAndRollsAWholeSheet() {
  TypeNumber("Text12", QStringLiteral("30"));
  TypeNumber("Text8", QStringLiteral("180"));
  TypeNumber("Text9", QStringLiteral("75"));
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));

  for (int press = 0; press < 40; ++press) {
    QTest::keyClick(Find<QLineEdit>("Text11"), Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(platform_->messages, QStringList());
    const QString race = TextOf("Combo1");
    const QString character_class = TextOf("Combo2");
    const QString alignment = TextOf("Combo3");
    QVERIFY2(IsOneOf(kRaceChoices, race), qPrintable(race));
    QVERIFY2(IsOneOf(kClassChoices, character_class),
             qPrintable(character_class));
    QVERIFY2(IsOneOf(kAlignmentChoices, alignment), qPrintable(alignment));
    QVERIFY(
        ClassAcceptsRace(character_class.toStdString(), race.toStdString()));
    QVERIFY(ClassAcceptsAlignment(character_class.toStdString(),
                                  alignment.toStdString()));
    QVERIFY(IsOneOf(kSexChoices, TextOf("combo4")));
    QVERIFY(!TextOf("Text11").isEmpty());

    for (const char* box : kScoreBoxes) {
      QVERIFY(TextOf(box).toInt() > 0);
    }
    QVERIFY(TextOf("Label35").toInt() > 0);
    QVERIFY(!TextOf("Label30").isEmpty());
    QVERIFY(!TextOf("Label22").isEmpty());
    QVERIFY(Find<QPushButton>("Command2")->isEnabled());
    // A new adult of the race, whatever was typed before.
    const RaceTraits& traits = *TraitsOfRace(race.toStdString());
    const std::size_t sex = TextOf("combo4") == QStringLiteral("Femmina");
    const auto within = [](const QString& text, WholeRange range) {
      return text.toInt() >= range.low && text.toInt() <= range.high;
    };
    QVERIFY(within(TextOf("Text12"), traits.starting_age));
    QVERIFY(within(TextOf("Text8"), traits.height_cm[sex]));
    QVERIFY(within(TextOf("Text9"), traits.weight_kg[sex]));
  }
}

// The lists the game master set stay as set and the rest is drawn around
// them, press after press; a set the rules refuse gets the rule's message as
// "Tira i dadi" gives it, and "Cancella" leaves everything to the dice again.
void Form1Test::randomNpcKeepsTheChoicesAlreadyMade() {
  Choose("Combo1", QStringLiteral("Nano di collina"));
  Choose("combo4", QStringLiteral("Femmina"));
  QSet<QString> classes;
  for (int press = 0; press < 30; ++press) {
    Find<QAction>("png")->trigger();
    QCOMPARE(platform_->messages, QStringList());
    QCOMPARE(TextOf("Combo1"), QStringLiteral("Nano di collina"));
    QCOMPARE(TextOf("combo4"), QStringLiteral("Femmina"));
    classes.insert(TextOf("Combo2"));
  }
  QVERIFY(classes.size() > 3);

  // Typing again a text the dice drew makes it the game master's.
  Choose("Combo2", TextOf("Combo2"));
  const QString kept_class = TextOf("Combo2");
  Find<QAction>("png")->trigger();
  QCOMPARE(TextOf("Combo2"), kept_class);

  Choose("Combo1", QStringLiteral("Minotauro(Dragonlance)"));
  Choose("Combo2", QStringLiteral("Ladro"));
  Find<QAction>("png")->trigger();
  QCOMPARE(platform_->messages,
           QStringList({QStringLiteral("Un minotauro non può fare il ladro")}));
  QCOMPARE(TextOf("Text2"), QStringLiteral("0"));

  platform_->messages.clear();
  Press("Command2");
  QSet<QString> races;
  for (int press = 0; press < 30; ++press) {
    Find<QAction>("png")->trigger();
    races.insert(TextOf("Combo1"));
  }
  QCOMPARE(platform_->messages, QStringList());
  QVERIFY(races.size() > 3);
}

// Two windows on the same sequence: one makes its NPC from the menu, the
// other is given the same pick by hand and rolls with "Tira i dadi". Both
// show the same sheet, text for text.
void Form1Test::randomNpcRollsAsTiraIDadiDoes() {
  const char* const shown[] = {
      "Combo1",  "Combo2",  "Combo3",  "combo4",  "Text11",  "Text2",
      "Text3",   "Text4",   "Text5",   "Text6",   "Text7",   "Text10",
      "Text12",  "Text8",   "Text9",   "Label22", "Label23", "Label24",
      "Label25", "Label26", "Label27", "Label28", "Label30", "Label35"};
  const auto text_of = [](const Form1& window, const char* name) {
    QObject* child = window.findChild<QObject*>(QString::fromLatin1(name));
    if (auto* box = qobject_cast<QLineEdit*>(child)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(child)) return label->text();
    return qobject_cast<QComboBox*>(child)->currentText();
  };
  const auto qt = [](std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  };
  for (std::uint64_t seed : {3u, 18u, 1989u}) {
    RandomSource by_menu_random(seed, &FrozenClock);
    Form1 by_menu(by_menu_random, *platform_);
    QVERIFY(testing::ShowAndWait(by_menu));
    by_menu.findChild<QAction*>(QStringLiteral("png"))->trigger();

    window_.reset();
    random_ = std::make_unique<RandomSource>(seed, &FrozenClock);
    const NpcIdentity npc = PickNpcIdentity({}, *random_);
    window_ = std::make_unique<Form1>(*random_, *platform_);
    QVERIFY(testing::ShowAndWait(*window_));
    Choose("Combo1", qt(npc.choices.race));
    Choose("Combo2", qt(npc.choices.character_class));
    Choose("Combo3", qt(npc.choices.alignment));
    Choose("combo4", qt(npc.choices.sex));
    TypeName(QString::fromStdString(npc.name));
    TypeNumber("Text12", QString::number(npc.physique->age));
    TypeNumber("Text8", QString::number(npc.physique->height_cm));
    TypeNumber("Text9", QString::number(npc.physique->weight_kg));
    Press("Command1");

    QCOMPARE(platform_->messages, QStringList());
    QVERIFY(TextOf("Text2").toInt() > 0);
    for (const char* name : shown) {
      QCOMPARE(text_of(by_menu, name), text_of(*window_, name));
    }
  }
}

}  // namespace quendaro

QTEST_MAIN(quendaro::Form1Test)
#include "Form1Test.moc"
