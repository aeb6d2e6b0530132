#include "ui/forms/Form5.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "presentation/WeaponPresentation.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/ClassicColors.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Headings.h"
#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultTexts.h"
#include "weapon/WeaponTypes.h"

namespace quendaro {
namespace {

constexpr std::string_view kCaption =
    "Quendaro 32 v.1.00 C - Generatore di armi intelligenti";
constexpr std::string_view kRepeatNote =
    "NOTA : se  ottieni più volte la stessa abilità "
    "      raddoppia, triplica ecc. il raggio d'azione come da "
    "regolamento ufficiale AD&D 2° Edizione (MDM)";

// The design's type sizes in points; the decorative captions are light. The
// design's dialog type of 8 points is too small to read on a maximized
// window, so the window's plain texts are set at 11.
constexpr qreal kDialogPoints = 11;
constexpr qreal kBoxTitlePoints = 14.25;
// The two buttons stand side by side as a pair, so they share one size: the
// larger of the design's two, which the longer caption still fits.
constexpr qreal kButtonPoints = 12;
constexpr qreal kTitleCapitalPoints = 48;
constexpr qreal kTitleMiddlePoints = 27.75;

// The window was designed in twips; spacings keep the design's proportions
// at 15 twips a pixel.
constexpr int kTwipsPerPixel = 15;

const QColor kCaptionRed(255, 0, 0);
const QColor kNoteYellow(255, 255, 128);

QFont DialogFont() { return RoleFont(FontRole::kDialog, kDialogPoints); }

QFont DecorativeFont(qreal points) {
  return RoleFont(FontRole::kDecorative, points, QFont::Light);
}

QLabel* NewLabel(const char* name, std::string_view text, QWidget* parent) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setFont(DialogFont());
  return label;
}

QLabel* NewCaption(const char* name, std::string_view text, QWidget* parent) {
  QLabel* label = NewLabel(name, text, parent);
  SetTextColor(label, kCaptionRed);
  return label;
}

// An output label keeps the height of a line while it is blank, so that the
// window does not shift when a weapon fills it.
QLabel* NewOutput(const char* name, QWidget* parent) {
  QLabel* label = NewLabel(name, {}, parent);
  SetTextColor(label, ResultColor());
  // A result can be selected and copied like any text.
  label->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                 Qt::TextSelectableByKeyboard);
  // A selectable label is a line taller with text than without: room for a
  // line from the start keeps the rows still when a weapon fills them.
  label->setText(QStringLiteral("Ag"));
  label->setMinimumHeight(label->sizeHint().height());
  label->clear();
  return label;
}

// Gives a result label room for the longest text it can show, and takes its
// width from that room alone, so that no column moves when a weapon fills
// the labels.
void ReserveRoom(QLabel* label, std::string_view longest) {
  label->setMinimumWidth(
      QFontMetrics(label->font()).horizontalAdvance(ToQt(longest)) + 2);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void SetCaption(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
}

// A panel of thin lines whose top edge breaks where its title sits, as the
// window's hand-drawn boxes do. The title label is laid out in the top row,
// with stretches on either side that place it along the edge.
class TitledBox final : public QWidget {
 public:
  TitledBox(QLabel* title, int left_share, int right_share, QWidget* parent)
      : QWidget(parent), title_(title) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    top->addStretch(left_share);
    title_->setParent(this);
    SetTextColor(title_, HeadingColor());
    top->addWidget(title_);
    top->addStretch(right_share);
    column->addLayout(top);
    body_ = new QWidget(this);
    column->addWidget(body_, 1);
  }

  QWidget* Body() const { return body_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect title = title_->geometry();
    const int gap = title.height() / 4;
    const int top = title.center().y();
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.fillRect(0, top, width(), height() - top, QColor(kPanelColor));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, top, std::max(0, title.left() - gap), top);
    painter.drawLine(std::min(right, title.right() + gap), top, right, top);
    painter.drawLine(0, top, 0, bottom);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
  }

 private:
  QLabel* title_;
  QWidget* body_ = nullptr;
};

}  // namespace

Form5::Form5(RandomSource& random, Platform& platform, Navigator* navigator,
             QWidget* parent)
    : QMainWindow(parent),
      shell_(*this, random, platform, navigator, kWeaponHelpText) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(ToQt(kCaption));
  shell_.AddMenus(this,
                  {{"scher1", "Menù principale", &Form5::scher1_Click},
                   {"exit", "Esci", &Form5::exit_Click}},
                  {{"tes", "&Generatore di tesori", &Form5::tes_Click},
                   {"gen", "Generatore &PG/PNG", &Form5::gen_Click}},
                  {{"about", "&About...", &Form5::about_Click},
                   {"wts", "&Morvellan Soft.", &Form5::wts_Click},
                   {"cred", "&Crediti", &Form5::cred_Click}});

  // Columns and rows share the space as the design's twips do: the ability
  // box, the gap beside it, the note under the data box's end, the note's
  // overhang; then the data box, the ability box and the buttons.
  auto* grid = new QGridLayout(SetDeskAsCentralWidget(this).sheet);
  grid->setContentsMargins(28, 16, 28, 16);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(360 / kTwipsPerPixel);
  grid->addWidget(BuildDataBox(), 0, 0, 1, 3);
  grid->addWidget(BuildAbilityBox(), 1, 0);
  grid->addWidget(BuildNote(), 1, 2, 1, 2, Qt::AlignTop);
  grid->addWidget(BuildFooter(), 2, 0, 1, 4);
  grid->setColumnStretch(0, 6960);
  grid->setColumnStretch(1, 360);
  grid->setColumnStretch(2, 1200);
  grid->setColumnStretch(3, 2160);
  grid->setRowStretch(0, 2280);
  grid->setRowStretch(1, 3360);

  setTabOrder(Command1, Combo1);
  setTabOrder(Combo1, Text1);
  setTabOrder(Text1, Command2);
  Command1->setFocus();

  connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
  connect(Combo1, &QComboBox::editTextChanged, this, &Form5::combo1_Change);

  NameControl(Text1, QStringLiteral("Nome"));
  NameControl(Combo1, QStringLiteral("Tipo"));
  // The results, which can be selected from the keyboard.
  const std::pair<QLabel*, const char*> outputs[] = {
      {Label1, "Allineamento"},
      {Label4, "Intelligenza"},
      {Label6, "Comunicazione"},
      {Label25, "Bonus"},
      {Label23, "Lingue parlate"},
      {Label27, "Ego"},
      {Label12, "Prima abilità"},
      {Label11, "Seconda abilità"},
      {Label10, "Terza abilità"},
      {Label7, "Lettura della scrittura non magica"},
      {Label8, "Lettura dei linguaggi magici"},
      {Label19, "Scopo speciale"},
      {Label20, "Potere dello scopo speciale"},
  };
  for (const auto& [label, name] : outputs) {
    NameControl(label, QString::fromUtf8(name));
  }
  shell_.Finish(Command1, Command1, [this] { Form_Load(); });
}

QWidget* Form5::BuildDataBox() {
  // Label13: the title of the upper box.
  QLabel* Label13 = NewLabel("Label13", "Dati", this);
  Label13->setFont(RoleFont(FontRole::kSerif, kBoxTitlePoints));
  // The title sits in the gap from 1200 to 1680 twips of a box spanning 120
  // to 8640.
  auto* box = new TitledBox(Label13, 1080, 6960, this);
  QWidget* body = box->Body();

  Label1 = NewOutput("Label1", body);
  Label1->setToolTip(QStringLiteral("Allineamento dell'arma"));
  Label4 = NewOutput("Label4", body);
  Label4->setToolTip(
      QStringLiteral("Il punteggio dell'intelligenza dell'arma"));
  Label6 = NewOutput("Label6", body);
  Label6->setToolTip(
      QStringLiteral("Tipo di comunicazione che l'arma riesce a stabilire"));
  Label25 = NewOutput("Label25", body);

  Text1 = new QLineEdit(body);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setFont(DialogFont());
  Text1->setToolTip(QStringLiteral("Inserisci il nome dell'arma"));
  SetBoxColor(Text1, LightYellow());

  Combo1 = new QComboBox(body);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setFont(DialogFont());
  Combo1->setEditable(true);
  // The list offers the usual weapons, but whatever the user types stays as
  // typed: no completion and no new list items.
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setCompleter(nullptr);
  for (std::string_view type : kWeaponTypes) Combo1->addItem(ToQt(type));
  Combo1->setCurrentIndex(-1);
  Combo1->setEditText(ToQt(kNoWeaponType));
  Combo1->setToolTip(
      QStringLiteral("Scegli che arma intelligente vuoi creare"));
  SetBoxColor(Combo1, LightYellow());

  Label23 = NewOutput("Label23", body);
  // Label26: the caption of the ego.
  QLabel* Label26 = NewCaption("Label26", "Ego :", body);
  Label26->setToolTip(QStringLiteral("Determina l'influenza sul proprietario"));
  Label27 = NewOutput("Label27", body);
  ReserveRoom(Label1, "Neutrale autentico");
  ReserveRoom(Label4, "17");
  ReserveRoom(Label6, "Parole e telepatia");
  ReserveRoom(Label25, "+5");
  ReserveRoom(Label23, "6");
  ReserveRoom(Label27, "35");
  auto* languages_and_ego = new QHBoxLayout;
  languages_and_ego->setSpacing(0);
  languages_and_ego->addWidget(Label23, 495);
  languages_and_ego->addSpacing(225 / kTwipsPerPixel);
  languages_and_ego->addWidget(Label26, 480);
  // However narrow the window, a blank or two stands between "Ego :" and
  // its value.
  languages_and_ego->addSpacing(
      QFontMetrics(DialogFont()).horizontalAdvance(QStringLiteral("  ")));
  languages_and_ego->addWidget(Label27, 615);
  languages_and_ego->addStretch(360);

  // Rows of half the left column's spacing: the captions on the left stand
  // 480 twips apart, the three on the right 720 and 480.
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(120 / kTwipsPerPixel, 0, 120 / kTwipsPerPixel,
                           240 / kTwipsPerPixel);
  grid->setHorizontalSpacing(90 / kTwipsPerPixel);
  grid->setVerticalSpacing(0);
  const auto left_row = [&](int row, QLabel* caption, QLabel* value) {
    grid->addWidget(caption, row, 0, 2, 1, Qt::AlignVCenter);
    grid->addWidget(value, row, 1, 2, 1, Qt::AlignVCenter);
  };
  left_row(0, NewCaption("Label2", "Allineamento :", body), Label1);
  left_row(2, NewCaption("Label3", "Intelligenza :", body), Label4);
  left_row(4, NewCaption("Label5", "Comunicazione :", body), Label6);
  left_row(6, NewCaption("Label24", "Bonus :", body), Label25);
  grid->addWidget(NewCaption("Label14", "Nome :", body), 0, 3, 2, 1,
                  Qt::AlignVCenter);
  grid->addWidget(Text1, 0, 4, 2, 1, Qt::AlignVCenter);
  grid->addWidget(NewCaption("Label15", "Tipo :", body), 3, 3, 2, 1,
                  Qt::AlignVCenter);
  grid->addWidget(Combo1, 3, 4, 2, 1, Qt::AlignVCenter);
  grid->addWidget(NewCaption("Label22", "Lingue parlate :", body), 5, 3, 2, 1,
                  Qt::AlignVCenter);
  grid->addLayout(languages_and_ego, 5, 4, 2, 1, Qt::AlignVCenter);
  for (int row = 0; row < 8; ++row) grid->setRowStretch(row, 1);
  grid->setColumnStretch(0, 1080);
  grid->setColumnStretch(1, 2415);
  grid->setColumnStretch(2, 465);
  grid->setColumnStretch(3, 1200);
  grid->setColumnStretch(4, 2175);
  grid->setColumnStretch(5, 945);
  return box;
}

QWidget* Form5::BuildAbilityBox() {
  // Label9: the title of the lower box.
  QLabel* Label9 =
      NewLabel("Label9", "Abilità dell'arma e/o poteri straordinari", this);
  Label9->setFont(RoleFont(FontRole::kSerif, kBoxTitlePoints));
  // The title fills the gap from 1560 to 5880 twips of a box spanning 120 to
  // 7080.
  auto* box = new TitledBox(Label9, 1440, 1200, this);
  QWidget* body = box->Body();

  Label10 = NewOutput("Label10", body);
  Label12 = NewOutput("Label12", body);
  Label11 = NewOutput("Label11", body);
  Label7 = NewOutput("Label7", body);
  Label8 = NewOutput("Label8", body);
  Label19 = NewOutput("Label19", body);
  Label20 = NewOutput("Label20", body);

  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(360 / kTwipsPerPixel, 0, 360 / kTwipsPerPixel,
                             240 / kTwipsPerPixel);
  column->setSpacing(0);
  // The third ability stands on top, then the first and the second.
  for (QLabel* label : {Label10, Label12, Label11, Label7, Label8}) {
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(label, 1);
  }
  column->addSpacing(120 / kTwipsPerPixel);
  for (QLabel* label : {Label19, Label20}) {
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(label, 1);
  }
  return box;
}

QWidget* Form5::BuildNote() {
  // Label21: the note on abilities drawn more than once.
  QLabel* Label21 = NewLabel("Label21", kRepeatNote, this);
  Label21->setWordWrap(true);
  Label21->setAutoFillBackground(true);
  QPalette palette = Label21->palette();
  palette.setColor(QPalette::Window, kNoteYellow);
  Label21->setPalette(palette);
  Label21->setFrameShape(QFrame::Box);
  Label21->setMargin(60 / kTwipsPerPixel);
  return Label21;
}

QWidget* Form5::BuildFooter() {
  auto* footer = new QWidget(this);
  auto* row = new QHBoxLayout(footer);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);

  Command1 = new QPushButton(QStringLiteral("&Genera Arma"), footer);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setFont(DecorativeFont(kButtonPoints));
  Command1->setToolTip(
      QStringLiteral("Clicca qui per dere il via alla generazione dell'arma"));
  Command2 = new QPushButton(QStringLiteral("&Cancella"), footer);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setFont(DecorativeFont(kButtonPoints));
  Command2->setToolTip(QStringLiteral("Cancella l'arma visualizzata"));
  for (QPushButton* button : {Command1, Command2}) {
    button->setMinimumSize(1575 / kTwipsPerPixel, 975 / kTwipsPerPixel);
    button->setAutoDefault(false);
  }
  // A narrow gap keeps the two buttons apart as a pair.
  row->addWidget(Command1, 0, Qt::AlignBottom);
  row->addSpacing(120 / kTwipsPerPixel);
  row->addWidget(Command2, 0, Qt::AlignBottom);
  row->addStretch(1);

  // Label16, Label17, Label18: the title "Armi intelligenti", its first
  // letter large, its middle, its last letter large.
  row->addWidget(
      MakeTitle(
          {{{"Label16", "A", DecorativeFont(kTitleCapitalPoints)},
            {"Label17", "rmi intelligent", DecorativeFont(kTitleMiddlePoints)},
            {"Label18", "I", DecorativeFont(kTitleCapitalPoints)}}},
          TitlePlace::kPacked, footer),
      0, Qt::AlignBottom);
  return footer;
}

void Form5::Form_Load() { Command2->setEnabled(false); }

void Form5::Command1_Click() {
  Command2->setEnabled(true);
  for (QLabel* label :
       {Label7, Label8, Label10, Label11, Label12, Label23, Label25, Label27}) {
    label->clear();
  }

  const WeaponResult result = shell_.Audited(
      [this](RandomSource& random) { return generator_.Generate(random); });
  const WeaponWindowTexts weapon = WindowTexts(result);

  SetCaption(Label23, weapon.languages);
  SetCaption(Label25, weapon.bonus);
  SetCaption(Label1, weapon.alignment);
  SetCaption(Label4, weapon.intelligence);
  SetCaption(Label6, weapon.communication);
  SetCaption(Label7, weapon.reads_non_magical);
  SetCaption(Label8, weapon.reads_magical);
  SetCaption(Label12, weapon.ability1);
  SetCaption(Label11, weapon.ability2);
  SetCaption(Label10, weapon.ability3);
  SetCaption(Label27, weapon.ego);
  // Always written, empty for a weapon without one, so that an earlier
  // weapon's purpose never shows beside this one.
  SetCaption(Label19, weapon.special_purpose);
  SetCaption(Label20, weapon.special_purpose_power);
  const WeaponNotes notes{Text1->text().toStdString(),
                          Combo1->currentText().toStdString()};
  shell_.results().Publish(WeaponDocument(result, notes, shell_.Start()));
}

void Form5::Command2_Click() {
  for (QLabel* label : {Label27, Label23, Label7, Label8, Label10, Label11,
                        Label12, Label1, Label4, Label6, Label19, Label20}) {
    label->clear();
  }
  Text1->clear();
  Label25->clear();
  Combo1->setCurrentIndex(-1);
  Combo1->setEditText(ToQt(kNoWeaponType));
  Command2->setEnabled(false);
  shell_.results().Withdraw();
}

void Form5::combo1_Change() {
  if (Combo1->currentText().isEmpty()) Combo1->setEditText(ToQt(kNoWeaponType));
}

void Form5::scher1_Click() { shell_.SwitchTo(FormId::kForm8); }
void Form5::exit_Click() { close(); }
void Form5::tes_Click() { shell_.SwitchTo(FormId::kForm3); }
void Form5::gen_Click() { shell_.SwitchTo(FormId::kForm1); }
void Form5::about_Click() { shell_.ShowHelp(); }
void Form5::wts_Click() { shell_.ShowMakerPresentation(); }
void Form5::cred_Click() { shell_.OpenOwned(FormId::kForm6); }

}  // namespace quendaro
