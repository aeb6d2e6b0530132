#include "ui/forms/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "character/CharacterChoices.h"
#include "character/CharacterGenerator.h"
#include "npc/NpcGenerator.h"
#include "presentation/CharacterPresentation.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/ClassicColors.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Headings.h"
#include "ui/kit/QtText.h"
#include "ui/kit/RequireChild.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultTexts.h"

namespace quendaro {
namespace {

constexpr std::string_view kFirstAge = "1";
constexpr std::string_view kInvalidNumber = "Inserisci un valore valido!";

// Type sizes in points, chosen for a maximized window on a desktop screen.
constexpr qreal kDialogPoints = 12;
constexpr qreal kDecorativePoints = 14;
constexpr qreal kHeadingPoints = 20;
constexpr qreal kTitleCapitalPoints = 60;
constexpr qreal kTitleMiddlePoints = 38;

template <std::size_t N>
QStringList ItemList(const std::array<std::string_view, N>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(N));
  for (std::string_view item : items) list << ToQt(item);
  return list;
}

// A key types a character when it carries printable text without Ctrl: a
// number box takes digits alone. Ctrl with a key is the box's own command
// (select all, copy, cut, paste, undo), and what a paste brings meets the
// DigitsOnly check below; Return, Esc, Tab, Backspace and the keys that move
// the cursor or delete type nothing and do what they do in any box. AltGr,
// which some systems report as Ctrl+Alt, still types.
bool TypesNonDigit(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  if ((modifiers.testFlag(Qt::ControlModifier) ||
       modifiers.testFlag(Qt::MetaModifier)) &&
      !modifiers.testFlag(Qt::AltModifier)) {
    return false;
  }
  const QString text = key.text();
  return std::any_of(text.cbegin(), text.cend(), [](QChar typed) {
    return typed.isPrint() && !(typed >= u'0' && typed <= u'9');
  });
}

// What a number box takes as a whole: digits only. It remembers whether the
// last text it saw held anything else, so that text refused for a letter can
// be told from digits refused for being longer than the box.
class DigitsOnly final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& /*position*/) const override {
    saw_non_digit_ = std::any_of(input.cbegin(), input.cend(),
                                 [](QChar c) { return c < u'0' || c > u'9'; });
    return saw_non_digit_ ? Invalid : Acceptable;
  }

  bool SawNonDigit() const { return saw_non_digit_; }

 private:
  mutable bool saw_non_digit_ = false;
};

QFont DialogFont() { return RoleFont(FontRole::kDialog, kDialogPoints); }

QFont HeadingFont() {
  return RoleFont(FontRole::kSerif, kHeadingPoints, QFont::Bold);
}

// Room for `characters` digits and the box's frame, so that the four-digit
// boxes stay narrow however large the screen.
int NumberBoxWidth(const QFont& font, int characters) {
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(QString(characters, u'0')) + 18;
}

}  // namespace

Form1::Form1(RandomSource& random, Platform& platform, Navigator* navigator,
             QWidget* parent)
    : QMainWindow(parent),
      shell_(*this, random, platform, navigator, kCharacterHelpText) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Quendaro 32  v. 1.00 C -  Generatore PG-PNG"));
  setFont(RoleFont(FontRole::kDecorative, kDecorativePoints));

  shell_.AddMenus(
      this,
      {{"menu00", "Menù principale", &Form1::menu00_Click},
       {"menu02", "Esci", &Form1::menu02_Click}},
      {{"name", "G&eneratore di nomi", &Form1::name_Click},
       {"pf", "&Tira punti ferita(PF)", &Form1::pf_Click},
       {"tes", "&Generatore di tesori", &Form1::tes_Click},
       {"genarm", "Ge&neratore di armi intelligenti", &Form1::genarm_Click},
       {"png", "&PNG casuale", &Form1::png_Click}},
      {{"about", "&About..", &Form1::about_Click},
       {"wts", "&Morvellan Soft.", &Form1::wts_Click},
       {"cred", "&Crediti", &Form1::cred_Click}});
  RequireChild<QAction>(*this, "png")
      .setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

  // The character sheet lies on a dark desk, centred. It grows with the
  // window up to a comfortable size, so that a large screen gets airier rows
  // and a wider margin rather than a form stretched thin.
  // The sheet's dark edge is the design's frame line around the form.
  const Desk desk = SetDeskAsCentralWidget(this);
  desk.edge->setObjectName(QStringLiteral("Line7"));
  QWidget* content = desk.sheet;

  auto* grid = new QGridLayout(content);
  grid->setContentsMargins(28, 10, 28, 18);
  grid->setHorizontalSpacing(22);
  grid->setVerticalSpacing(12);
  grid->addWidget(BuildTitle(), 0, 0, 1, 2);

  // Line1: the rule under the title.
  auto* Line1 = new QFrame(content);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  grid->addWidget(Line1, 1, 0, 1, 2);

  grid->addWidget(BuildCharacterPanel(), 2, 0);
  grid->addWidget(BuildAbilityPanel(), 2, 1);

  // Line4: the rule over the footer.
  auto* Line4 = new QFrame(content);
  Line4->setObjectName(QStringLiteral("Line4"));
  Line4->setFrameShape(QFrame::HLine);
  Line4->setFrameShadow(QFrame::Sunken);
  grid->addWidget(Line4, 3, 0, 1, 2);

  // Label33: the heading "Dati" in the lower left corner.
  QLabel* Label33 = MakeHeading("Label33", "Dati", HeadingFont(), content);
  grid->addWidget(Label33, 4, 0, Qt::AlignLeft | Qt::AlignVCenter);
  grid->addWidget(BuildFooter(), 4, 1);

  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);
  grid->setRowStretch(2, 1);

  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(Combo1, &QComboBox::editTextChanged, this, &Form1::combo1_Change);
  connect(Combo2, &QComboBox::editTextChanged, this, &Form1::Combo2_Change);
  connect(Combo3, &QComboBox::editTextChanged, this, &Form1::Combo3_Change);
  // Whatever the game master types or picks in a list is a choice of theirs,
  // even a text the dice drew there before.
  const std::array<QComboBox*, 4> lists = {Combo1, Combo2, Combo3, combo4};
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const auto chosen = [this, i] { drawn_[i].clear(); };
    connect(lists[i], &QComboBox::textActivated, this, chosen);
    connect(lists[i]->lineEdit(), &QLineEdit::textEdited, this, chosen);
  }
  for (QLineEdit* box : {Text12, Text8, Text9}) {
    box->installEventFilter(this);
    // Text that arrives without a key press (pasted from the menu or with
    // the middle button, or dropped) gets the same check as a typed key.
    auto* digits = new DigitsOnly(box);
    box->setValidator(digits);
    connect(box, &QLineEdit::inputRejected, this, [this, digits] {
      if (digits->SawNonDigit()) RefuseNonDigitText();
    });
  }

  // Tab follows the character column from top to bottom, then goes to the
  // buttons; the read-only results come last.
  const std::array<QWidget*, 10> tab_order = {Text11,   Combo2,  Combo1, Combo3,
                                              Text8,    Text9,   Text12, combo4,
                                              Command1, Command2};
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    setTabOrder(tab_order[i - 1], tab_order[i]);
  }

  NameControls();
  shell_.Finish(Command1, Command1, [this] { Form_Load(); });
}

void Form1::NameControls() {
  const struct {
    QWidget* control;
    const char* name;
  } names[] = {
      {Text11, "Nome"},
      {Combo2, "Classe"},
      {Combo1, "Razza"},
      {Combo3, "Allineamento"},
      {Text8, "ALTEZZA"},
      {Text9, "PESO"},
      {Text12, "ETA'"},
      {combo4, "SESSO"},
      {Text2, "FORZA"},
      {Text10, "Forza eccezionale"},
      {Text3, "DESTREZZA"},
      {Text4, "COSTITUZIONE"},
      {Text5, "INTELLIGENZA"},
      {Text6, "SAGGEZZA"},
      {Text7, "CARISMA"},
      // The results, which can be selected from the keyboard.
      {Label22, "Categoria d'età"},
      {Label23, "Tabella FORZA"},
      {Label24, "Tabella DESTREZZA"},
      {Label25, "Tabella COSTITUZIONE"},
      {Label26, "Tabella INTELLIGENZA"},
      {Label27, "Tabella SAGGEZZA"},
      {Label28, "Tabella CARISMA"},
      {Label30, "MEDIA"},
      {Label35, "TOTALE"},
  };
  for (const auto& entry : names) {
    NameControl(entry.control, QString::fromUtf8(entry.name));
  }
}

QWidget* Form1::BuildTitle() {
  // Label2, Label3, Label4: the title "Quendaro", its first letter large,
  // its middle, its last letter large.
  const QFont capital = RoleFont(FontRole::kDecorative, kTitleCapitalPoints);
  return MakeTitle({{{"Label2", "Q", capital},
                     {"Label3", "uendar",
                      RoleFont(FontRole::kDecorative, kTitleMiddlePoints)},
                     {"Label4", "o", capital}}},
                   TitlePlace::kCentred, this);
}

QWidget* Form1::BuildCharacterPanel() {
  // Line2: the frame of the character column.
  auto* Line2 = new QFrame(this);
  Line2->setObjectName(QStringLiteral("Line2"));
  MakePanel(Line2);
  auto* column = new QVBoxLayout(Line2);
  column->setContentsMargins(20, 14, 20, 20);
  column->setSpacing(14);

  // Label32: the heading of the character column.
  QLabel* Label32 = MakeHeading("Label32", "Personaggio", HeadingFont(), Line2);
  column->addWidget(Label32);

  auto* form = new QGridLayout();
  form->setHorizontalSpacing(10);
  form->setVerticalSpacing(10);
  column->addLayout(form, 1);

  const QFont dialog = DialogFont();
  const auto caption = [&](const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), Line2);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(dialog);
    // Expanding captions let their rows take a share of a tall window.
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return label;
  };
  const auto combo = [&](const char* name, const QStringList& items) {
    auto* box = new QComboBox(Line2);
    box->setObjectName(QString::fromUtf8(name));
    box->setFont(dialog);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The rules compare the typed text exactly, so nothing completes it.
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setMaxVisibleItems(20);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Wide enough for the longest item, so that no race or class is ever
    // shown cut in half.
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
  };
  const auto number_box = [&](const char* name, const char* tooltip) {
    auto* box = new QLineEdit(Line2);
    box->setObjectName(QString::fromUtf8(name));
    box->setFont(dialog);
    box->setMaxLength(4);
    // Text composed by an input method (dead keys, compose) would arrive
    // without a key press for the digit filter to refuse.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setToolTip(QString::fromUtf8(tooltip));
    box->setFixedWidth(NumberBoxWidth(dialog, 5));
    box->setAlignment(Qt::AlignRight);
    SetBoxColor(box, LightYellow());
    return box;
  };

  Text11 = new QLineEdit(Line2);
  Text11->setObjectName(QStringLiteral("Text11"));
  Text11->setFont(RoleFont(FontRole::kDecorative, kDecorativePoints));
  Text11->setToolTip(QStringLiteral("Inserire il nome del Pg"));
  SetBoxColor(Text11, LightCyan());

  Combo2 = combo("Combo2", ItemList(kClassChoices));
  Combo2->setToolTip(QStringLiteral("Menù selezione della classe"));
  Combo1 = combo("Combo1", ItemList(kRaceChoices));
  Combo1->setToolTip(QStringLiteral("Menù di selezione delle razze"));
  Combo3 = combo("Combo3", ItemList(kAlignmentChoices));
  Combo3->setToolTip(QStringLiteral("Menù di selezione dell'allineamento"));
  combo4 = combo("combo4", ItemList(kSexChoices));

  Text8 = number_box("Text8", "Seleziona l'altezza del pg");
  Text9 = number_box("Text9", "Seleziona il peso del pg");
  Text12 = number_box("Text12", "Seleziona l'età del pg");

  Label22 = new QLabel(Line2);
  Label22->setObjectName(QStringLiteral("Label22"));
  Label22->setFont(dialog);
  SetTextColor(Label22, ResultColor());
  Label22->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Room for the longest age category from the start, so that the column
  // does not widen when the first category shows.
  Label22->setText(QString::fromUtf8("Età veneranda"));
  Label22->setMinimumSize(Label22->sizeHint());
  Label22->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

  // Caption | wide control | number box | unit.
  int row = 0;
  const auto wide_row = [&](QLabel* label, QWidget* control) {
    form->addWidget(label, row, 0);
    form->addWidget(control, row, 1, 1, 3);
    ++row;
  };
  const auto number_row = [&](QLabel* label, QWidget* middle, QLineEdit* box,
                              QLabel* unit) {
    form->addWidget(label, row, 0);
    if (middle != nullptr) form->addWidget(middle, row, 1);
    form->addWidget(box, row, 2);
    form->addWidget(unit, row, 3);
    ++row;
  };
  wide_row(caption("Label17", "Nome"), Text11);
  wide_row(caption("Label5", "Classe"), Combo2);
  wide_row(caption("Label1", " Razza"), Combo1);
  wide_row(caption("Label18", "Allineamento"), Combo3);

  // Line6: the rule between the choices and the numbers.
  auto* Line6 = new QFrame(Line2);
  Line6->setObjectName(QStringLiteral("Line6"));
  Line6->setFrameShape(QFrame::HLine);
  Line6->setFrameShadow(QFrame::Sunken);
  form->addWidget(Line6, row++, 0, 1, 4);

  number_row(caption("Label12", "ALTEZZA"), nullptr, Text8,
             caption("Label15", "cm"));
  number_row(caption("Label13", "PESO"), nullptr, Text9,
             caption("Label16", "Kg"));
  number_row(caption("Label19", "ETA' :"), Label22, Text12,
             caption("Label20", "anni"));
  wide_row(caption("Label21", "SESSO"), combo4);
  form->setColumnStretch(1, 1);
  // Extra height is shared out between the rows.
  for (int r = 0; r < form->rowCount(); ++r) form->setRowStretch(r, 1);
  form->setColumnMinimumWidth(
      3, QFontMetrics(dialog).horizontalAdvance(QStringLiteral("anni")));
  return Line2;
}

QWidget* Form1::BuildAbilityPanel() {
  // Line3: the frame of the ability column.
  auto* Line3 = new QFrame(this);
  Line3->setObjectName(QStringLiteral("Line3"));
  MakePanel(Line3);
  auto* column = new QVBoxLayout(Line3);
  column->setContentsMargins(20, 14, 20, 20);
  column->setSpacing(14);

  // Label31: the heading of the ability column.
  QLabel* Label31 = MakeHeading("Label31", "Abilità", HeadingFont(), Line3);
  column->addWidget(Label31);

  auto* table = new QGridLayout();
  table->setHorizontalSpacing(10);
  table->setVerticalSpacing(10);
  column->addLayout(table, 1);

  const QFont dialog = DialogFont();
  const QFont bold_dialog =
      RoleFont(FontRole::kDialog, kDialogPoints, QFont::DemiBold);
  const auto score_box = [&](const char* name, const char* tooltip) {
    auto* box = new QLineEdit(Line3);
    box->setObjectName(QString::fromUtf8(name));
    box->setFont(dialog);
    box->setReadOnly(true);
    box->setToolTip(QString::fromUtf8(tooltip));
    box->setFixedWidth(NumberBoxWidth(dialog, 3));
    box->setAlignment(Qt::AlignCenter);
    SetBoxColor(box, LightYellow());
    return box;
  };
  const auto output_label = [&](const char* name, const QFont& font) {
    auto* label = new QLabel(Line3);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(font);
    MakeResultBox(label);
    // Its width comes from the layout alone, never from the text it shows,
    // so that no column moves when a character is rolled.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setFixedHeight(label->minimumHeight());
    return label;
  };

  Text2 = score_box("Text2", "Punteggio della forza");
  Text3 = score_box("Text3", "Punteggio della destrezza");
  Text4 = score_box("Text4", "Punteggio della costituzione");
  Text5 = score_box("Text5", "Punteggio dell'intelligenza");
  Text6 = score_box("Text6", "Punteggio della saggezza");
  Text7 = score_box("Text7", "Punteggio del carisma");
  Text10 = score_box("Text10",
                     "Forza eccezionale(solo per i guerrieri esclusi quelli "
                     "gnomi o halfling)");
  SetBoxColor(Text10, LightCyan());

  const QFont row_font = RoleFont(FontRole::kDecorative, kDecorativePoints);
  Label23 = output_label("Label23", row_font);
  Label24 = output_label("Label24", row_font);
  Label25 = output_label("Label25", row_font);
  Label26 = output_label("Label26", row_font);
  Label27 = output_label("Label27", row_font);
  Label28 = output_label("Label28", row_font);
  // Room for the longest shape of a table row, so that no row is ever cut
  // short on a narrow screen.
  const int row_width = QFontMetrics(row_font).horizontalAdvance(
                            QStringLiteral("+0  +0  000,0  000  00(00)  00%")) +
                        16;
  for (QLabel* label : {Label23, Label24, Label25, Label26, Label27, Label28}) {
    label->setMinimumWidth(row_width);
  }

  struct AbilityRow {
    const char* name;
    const char* caption;
    QLineEdit* score;
    QLabel* table_row;
  };
  const std::array<AbilityRow, 6> rows = {{
      {"Label6", "FORZA", Text2, Label23},
      {"Label7", "DESTREZZA", Text3, Label24},
      {"Label8", "COSTITUZIONE", Text4, Label25},
      {"Label9", "INTELLIGENZA", Text5, Label26},
      {"Label10", "SAGGEZZA", Text6, Label27},
      {"Label11", "CARISMA", Text7, Label28},
  }};
  // Name | score | percentile | "/ 100" | table row; only strength has the
  // percentile, the other rows leave its two cells empty so that all six
  // table rows start in one column.
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    auto* name = new QLabel(QString::fromUtf8(rows[i].caption), Line3);
    name->setObjectName(QString::fromUtf8(rows[i].name));
    name->setFont(bold_dialog);
    name->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    table->addWidget(name, i, 0);
    table->addWidget(rows[i].score, i, 1);
    table->addWidget(rows[i].table_row, i, 4);
  }
  // Label14: the unit of the exceptional-strength percentile.
  auto* Label14 = new QLabel(QStringLiteral("/ 100"), Line3);
  Label14->setObjectName(QStringLiteral("Label14"));
  Label14->setFont(dialog);
  table->addWidget(Text10, 0, 2);
  table->addWidget(Label14, 0, 3);
  table->setColumnStretch(4, 1);
  for (int r = 0; r < table->rowCount(); ++r) table->setRowStretch(r, 1);

  // Line5: the rule over the average and the total.
  auto* Line5 = new QFrame(Line3);
  Line5->setObjectName(QStringLiteral("Line5"));
  Line5->setFrameShape(QFrame::HLine);
  Line5->setFrameShadow(QFrame::Sunken);
  column->addWidget(Line5);

  auto* summary = new QHBoxLayout();
  summary->setSpacing(10);
  column->addLayout(summary);

  // Label29 and Label34: the captions of the average and the total.
  auto* Label29 = new QLabel(QStringLiteral("MEDIA :"), Line3);
  Label29->setObjectName(QStringLiteral("Label29"));
  Label29->setFont(bold_dialog);
  Label30 = output_label("Label30", dialog);
  auto* Label34 = new QLabel(QStringLiteral("TOTALE :"), Line3);
  Label34->setObjectName(QStringLiteral("Label34"));
  Label34->setFont(bold_dialog);
  Label35 = output_label("Label35", dialog);
  const int summary_width = NumberBoxWidth(dialog, 9);
  for (QLabel* label : {Label30, Label35}) {
    label->setFixedWidth(summary_width);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  }
  summary->addWidget(Label29);
  summary->addWidget(Label30);
  summary->addSpacing(24);
  summary->addWidget(Label34);
  summary->addWidget(Label35);
  summary->addStretch(1);
  return Line3;
}

QWidget* Form1::BuildFooter() {
  auto* footer = new QWidget(this);
  auto* row = new QHBoxLayout(footer);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(16);

  const QFont button_font =
      RoleFont(FontRole::kDecorative, kDecorativePoints + 2, QFont::Bold);
  Command1 = new QPushButton(QStringLiteral("&Tira i dadi"), footer);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setToolTip(
      QStringLiteral("Tira i dadi per visualizzare i punteggi delle abilità"));
  Command2 = new QPushButton(QStringLiteral("&Cancella"), footer);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setToolTip(
      QStringLiteral("Cancella i dati del PG/PNG visualizzato"));
  for (QPushButton* button : {Command1, Command2}) {
    button->setFont(button_font);
    button->setMinimumSize(170, 44);
    button->setAutoDefault(false);
  }
  row->addStretch(1);
  row->addWidget(Command1);
  row->addWidget(Command2);
  row->addStretch(1);
  return footer;
}

void Form1::Form_Load() {
  Combo1->setCurrentIndex(-1);
  Combo1->setEditText(ToQt(kNoRace));
  Combo2->setCurrentIndex(-1);
  Combo2->setEditText(ToQt(kNoClass));
  Combo3->setCurrentIndex(-1);
  Combo3->setEditText(ToQt(kNoAlignment));
  combo4->setCurrentIndex(-1);
  combo4->setEditText(ToQt(kNoSex));
  for (QLineEdit* box : {Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9,
                         Text10, Text11}) {
    box->clear();
  }
  Text12->setText(ToQt(kFirstAge));
  for (QLabel* label : {Label22, Label23, Label24, Label25, Label26, Label27,
                        Label28, Label30, Label35}) {
    label->clear();
  }
  Command2->setEnabled(false);
}

void Form1::Command1_Click() {
  CharacterRequest request;
  request.race = Combo1->currentText().toStdString();
  request.character_class = Combo2->currentText().toStdString();
  request.alignment = Combo3->currentText().toStdString();
  request.sex = combo4->currentText().toStdString();
  request.name = Text11->text().toStdString();
  request.age = Text12->text().toStdString();
  request.height = Text8->text().toStdString();
  request.weight = Text9->text().toStdString();

  const char separator = shell_.platform().DecimalSeparator();
  const CharacterGenerator generator(separator);
  const CharacterSheet sheet = shell_.Audited([&](RandomSource& random) {
    return generator.Generate(request, random);
  });

  for (const std::string& message : sheet.messages) {
    shell_.ShowMessage(QString::fromStdString(message));
  }

  const CharacterWindowTexts texts = WindowTexts(sheet, separator);
  Command2->setEnabled(texts.clear_enabled);
  Text12->setText(QString::fromStdString(texts.age));
  Label22->setText(QString::fromStdString(texts.age_category));

  const std::array<QLineEdit*, kAbilityCount> score_boxes = {
      Text2, Text3, Text4, Text5, Text6, Text7};
  for (int i = 0; i < kAbilityCount; ++i) {
    score_boxes[i]->setText(QString::fromStdString(texts.scores[i]));
  }
  Text10->setText(QString::fromStdString(texts.percentile));
  Label30->setText(QString::fromStdString(texts.average));
  Label35->setText(QString::fromStdString(texts.total));
  const std::array<QLabel*, kAbilityCount> row_labels = {
      Label23, Label24, Label25, Label26, Label27, Label28};
  for (int i = 0; i < kAbilityCount; ++i) {
    row_labels[i]->setText(QString::fromStdString(texts.rows[i]));
  }

  if (texts.preset) {
    const PresetTexts& preset = *texts.preset;
    Combo2->setEditText(QString::fromStdString(preset.character_class));
    Combo1->setEditText(QString::fromStdString(preset.race));
    Combo3->setEditText(QString::fromStdString(preset.alignment));
    Text8->setText(QString::fromStdString(preset.height));
    Text9->setText(QString::fromStdString(preset.weight));
    Text12->setText(QString::fromStdString(preset.age));
    combo4->setEditText(QString::fromStdString(preset.sex));
  }
  shell_.results().Publish(CharacterDocument(sheet, separator, shell_.Start()));
}

// A whole non-player character in one go: the pick and its name, age,
// height and weight fill the boxes as the game master would, then the roll
// is that of "Tira i dadi". A list the game master has set is kept and the
// pick goes around it; what an earlier press drew is drawn again. Choices
// that no legal character keeps get the rule's message from the roll.
void Form1::png_Click() {
  const std::array<QComboBox*, 4> lists = {Combo1, Combo2, Combo3, combo4};
  const std::array<std::string_view, 4> placeholders = {kNoRace, kNoClass,
                                                        kNoAlignment, kNoSex};
  ChoiceLocks locks;
  const std::array<std::optional<std::string_view>*, 4> lock_of = {
      &locks.race, &locks.character_class, &locks.alignment, &locks.sex};
  std::array<std::string, 4> kept;  // what the locks view
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const QString text = lists[i]->currentText();
    if (text.isEmpty() || text == ToQt(placeholders[i]) || text == drawn_[i]) {
      continue;
    }
    kept[i] = text.toStdString();
    *lock_of[i] = kept[i];
  }
  const NpcIdentity npc = PickNpcIdentity(locks, shell_.random());
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const ChoiceStep& step = npc.choices.steps[i];
    lists[i]->setEditText(ToQt(step.picked));
    drawn_[i] = step.locked ? QString() : ToQt(step.picked);
  }
  Text11->setText(QString::fromStdString(npc.name));
  if (npc.physique) {
    Text12->setText(QString::number(npc.physique->age));
    Text8->setText(QString::number(npc.physique->height_cm));
    Text9->setText(QString::number(npc.physique->weight_kg));
  }
  Command1_Click();
}

void Form1::Command2_Click() {
  Label30->clear();
  for (QLineEdit* box : {Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9,
                         Text10, Text11}) {
    box->clear();
  }
  Text12->setText(ToQt(kFirstAge));
  Combo1->setEditText(ToQt(kNoRace));
  Combo2->setEditText(ToQt(kNoClass));
  Combo3->setEditText(ToQt(kNoAlignment));
  combo4->setEditText(ToQt(kNoSex));
  drawn_ = {};
  for (QLabel* label : {Label22, Label23, Label24, Label25, Label26, Label27,
                        Label28, Label35}) {
    label->clear();
  }
  Command2->setEnabled(false);
  shell_.results().Withdraw();
}

// An emptied race, class or alignment box gets its placeholder back at once,
// so that the generator always sees "nothing chosen" rather than no text.
void Form1::combo1_Change() {
  if (Combo1->currentText().isEmpty()) Combo1->setEditText(ToQt(kNoRace));
}

void Form1::Combo2_Change() {
  if (Combo2->currentText().isEmpty()) Combo2->setEditText(ToQt(kNoClass));
}

void Form1::Combo3_Change() {
  if (Combo3->currentText().isEmpty()) {
    Combo3->setEditText(ToQt(kNoAlignment));
  }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == Text12) return text12_KeyPress(key);
    if (watched == Text8) return text8_KeyPress(key);
    if (watched == Text9) return text9_KeyPress(key);
  }
  return QMainWindow::eventFilter(watched, event);
}

bool Form1::text12_KeyPress(const QKeyEvent& key) {
  return RefuseNonDigit(key);
}

bool Form1::text8_KeyPress(const QKeyEvent& key) { return RefuseNonDigit(key); }

bool Form1::text9_KeyPress(const QKeyEvent& key) { return RefuseNonDigit(key); }

// The beep comes first and the key is gone before the message box opens, so
// the box never shows the refused character in the text.
bool Form1::RefuseNonDigit(const QKeyEvent& key) {
  if (!TypesNonDigit(key)) return false;
  shell_.platform().Beep();
  shell_.ShowMessage(ToQt(kInvalidNumber));
  return true;
}

// A refused paste or drop has already left the box as it was.
void Form1::RefuseNonDigitText() {
  shell_.platform().Beep();
  shell_.ShowMessage(ToQt(kInvalidNumber));
}

void Form1::menu00_Click() { shell_.ShowAndHide(FormId::kForm8); }
void Form1::menu02_Click() { shell_.CloseWith(FormId::kForm4); }
void Form1::name_Click() { shell_.OpenOwned(FormId::kForm2); }
void Form1::pf_Click() { shell_.OpenOwned(FormId::kForm4); }
void Form1::tes_Click() { shell_.SwitchTo(FormId::kForm3); }
void Form1::genarm_Click() { shell_.SwitchTo(FormId::kForm5); }
void Form1::about_Click() { shell_.ShowHelp(); }
void Form1::wts_Click() { shell_.ShowMakerPresentation(); }
void Form1::cred_Click() { shell_.OpenOwned(FormId::kForm6); }

}  // namespace quendaro
