#include "ui/forms/Form4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "presentation/HitPointPresentation.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultTexts.h"

namespace quendaro {
namespace {

// One row of the window as designed, top to bottom.
struct RowDesign {
  ClassGroup group;
  std::string_view button_tooltip;
  std::string_view die_tooltip;
};

constexpr std::array<RowDesign, kClassGroupCount> kRows = {{
    {ClassGroup::kMilitare, "Sono compresi Guerrieri,Barbari,Paladini...",
     "I guerriieri tirano 1d10 per i punti ferita"},
    {ClassGroup::kVagabondo, "Sono compresi ladri,bardi,psionici,zingari..",
     "I vagabondi tirano 1d6 per i punti ferita"},
    {ClassGroup::kSacerdote, "Sono compresi chierici e druidi",
     "I sacerdoti tirano  1d8 per i punti ferita"},
    {ClassGroup::kEspertoDiMagia, "Sono compresi i maghi",
     "i maghi tirano 1d4 per i punti ferita"},
}};

constexpr std::string_view kCaption = "Tira Punti-ferita (PF)";
constexpr std::string_view kHeader = "       max      PF   CANC";
constexpr std::string_view kPointsTooltip =
    "Sommare col bonus della costituzione";
constexpr std::string_view kLevelCaption = "N. Livello :";
constexpr std::string_view kLevelTooltip =
    "Indica il numero del livello del PNG";
constexpr std::string_view kRerollCaption =
    "Ritira se il punteggio è minore della metà";
constexpr std::string_view kRerollTooltip =
    "Per evitare di creare PNG con pochi PF puoi decidere di ritirare se si è "
    "sotto la metà.";

constexpr int kColumnSpacing = 6;

}  // namespace

Form4::Form4(RandomSource& random, Platform& platform, Navigator* navigator,
             QWidget* parent)
    : QWidget(parent),
      shell_(*this, random, platform, navigator, kHitPointHelpText) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(ToQt(kCaption));
  MakeSheet(this);
  addAction(shell_.rolls().Action());
  BuildLayout();
  for (QLineEdit* box : {Text5, Text6, Text7, Text8}) {
    shell_.results().AddCopyMenu(*box);
  }

  connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
  connect(Command6, &QPushButton::clicked, this, &Form4::Command6_Click);
  connect(Command7, &QPushButton::clicked, this, &Form4::Command7_Click);
  connect(Command8, &QPushButton::clicked, this, &Form4::Command8_Click);

  // The generate key rolls again for the class last rolled, warriors first.
  last_roll_ = Command1;
  for (QPushButton* roll : {Command1, Command2, Command3, Command4}) {
    connect(roll, &QPushButton::clicked, this,
            [this, roll] { last_roll_ = roll; });
  }
  AddWindowKey(this, kGenerateKey, [this] { last_roll_->click(); });
  setAccessibleDescription(
      QStringLiteral("%1 tira di nuovo i PF dell'ultima classe tirata")
          .arg(kGenerateKey.toString(QKeySequence::NativeText)));
  shell_.Finish(nullptr, nullptr, [this] { Form_Load(); });
}

void Form4::BuildLayout() {
  Label1 = new QLabel(ToQt(kHeader), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  // A fixed-pitch face keeps the blanks of the header as wide as the
  // columns they stand over.
  QFont header_font;
  header_font.setFamilies({QStringLiteral("Courier New"),
                           QStringLiteral("Liberation Mono"),
                           QStringLiteral("DejaVu Sans Mono")});
  header_font.setStyleHint(QFont::Monospace);
  header_font.setBold(true);
  Label1->setFont(header_font);
  Label1->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  SetTextColor(Label1, HeadingColor());

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kColumnSpacing);
  grid->addWidget(Label1, 0, 0, 1, 4);

  const std::array<QPushButton**, kClassGroupCount> roll_buttons = {
      &Command1, &Command2, &Command3, &Command4};
  const std::array<QLineEdit**, kClassGroupCount> die_boxes = {&Text1, &Text2,
                                                               &Text3, &Text4};
  const std::array<QLineEdit**, kClassGroupCount> point_boxes = {
      &Text5, &Text6, &Text7, &Text8};
  const std::array<QPushButton**, kClassGroupCount> clear_buttons = {
      &Command5, &Command6, &Command7, &Command8};
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const RowDesign& design = kRows[i];
    const int row = static_cast<int>(i) + 1;
    const QString number = QString::number(row);

    const QString caption = ToQt(ClassGroupCaption(design.group));
    // Each class button answers to Alt and its first letter.
    auto* roll = new QPushButton(QStringLiteral("&") + caption, this);
    roll->setObjectName(QStringLiteral("Command") + number);
    roll->setToolTip(ToQt(design.button_tooltip));
    roll->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    *roll_buttons[i] = roll;

    auto* die = new QLineEdit(QString::number(HitDieSize(design.group)), this);
    die->setObjectName(QStringLiteral("Text") + number);
    die->setToolTip(ToQt(design.die_tooltip));
    die->setAlignment(Qt::AlignCenter);
    // The die is shown, not chosen: no roll reads this box.
    die->setReadOnly(true);
    NameControl(die, QStringLiteral("max ") + caption);
    *die_boxes[i] = die;

    auto* points = new QLineEdit(this);
    points->setObjectName(QStringLiteral("Text") +
                          QString::number(row + kClassGroupCount));
    points->setToolTip(ToQt(kPointsTooltip));
    points->setAlignment(Qt::AlignCenter);
    SetBoxColor(points, QColor(kOutputColor), ResultColor());
    // Its context menu, made by the copy actions, lists this too.
    points->addAction(shell_.rolls().Action());
    NameControl(points, QStringLiteral("PF ") + caption);
    *point_boxes[i] = points;

    auto* clear = new QPushButton(this);
    clear->setObjectName(QStringLiteral("Command") +
                         QString::number(row + kClassGroupCount));
    NameControl(clear, QStringLiteral("CANC ") + caption);
    *clear_buttons[i] = clear;

    grid->addWidget(roll, row, 0);
    grid->addWidget(die, row, 1);
    grid->addWidget(points, row, 2);
    grid->addWidget(clear, row, 3);
  }
  AlignColumnsUnderHeader(grid);

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  Label2 = new QLabel(ToQt(kLevelCaption), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setToolTip(ToQt(kLevelTooltip));

  Combo1 = new QComboBox(this);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setEditable(true);
  Combo1->setToolTip(ToQt(kLevelTooltip));
  for (int level = 1; level <= 20; ++level) {
    Combo1->addItem(QString::number(level));
  }
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setMinimumContentsLength(3);
  Label2->setBuddy(Combo1);
  NameControl(Combo1, QStringLiteral("N. Livello"));

  auto* level_row = new QHBoxLayout;
  level_row->addWidget(Label2);
  level_row->addWidget(Combo1);
  level_row->addStretch(1);

  Check1 = new QCheckBox(ToQt(kRerollCaption), this);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setToolTip(ToQt(kRerollTooltip));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 14);
  layout->setSpacing(8);
  layout->addLayout(grid);
  layout->addWidget(rule);
  layout->addLayout(level_row);
  layout->addWidget(Check1);
  layout->addStretch(1);
}

void Form4::AlignColumnsUnderHeader(QGridLayout* grid) {
  const QFontMetricsF metrics(Label1->font());
  const QString header = Label1->text();
  const qreal width = metrics.horizontalAdvance(header);
  // The header is flush with the right edge of the clear column, so each
  // word's middle is measured from there.
  const auto middle_from_right = [&](const QString& word) {
    const qsizetype at = header.indexOf(word);
    return width - metrics.horizontalAdvance(header.left(at)) -
           metrics.horizontalAdvance(word) / 2;
  };
  const qreal spacing = grid->horizontalSpacing();
  const qreal clear = 2 * middle_from_right(QStringLiteral("CANC"));
  const qreal points =
      2 * (middle_from_right(QStringLiteral("PF")) - clear - spacing);
  const qreal die = 2 * (middle_from_right(QStringLiteral("max")) - clear -
                         points - 2 * spacing);
  // Never so narrow that three digits would not fit.
  const int least = static_cast<int>(std::ceil(
      QFontMetricsF(Text5->font()).horizontalAdvance(QStringLiteral("0000")) +
      8));
  for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
    box->setFixedWidth(std::max(least, static_cast<int>(std::lround(die))));
  }
  for (QLineEdit* box : {Text5, Text6, Text7, Text8}) {
    box->setFixedWidth(std::max(least, static_cast<int>(std::lround(points))));
  }
  for (QPushButton* button : {Command5, Command6, Command7, Command8}) {
    button->setFixedWidth(static_cast<int>(std::lround(clear)));
  }
}

void Form4::Form_Load() {
  Combo1->setCurrentIndex(0);
  Combo1->setEditText(QStringLiteral("1"));
  Check1->setChecked(false);
  for (QLineEdit* box : {Text5, Text6, Text7, Text8}) box->clear();
}

void Form4::RollInto(ClassGroup group, QLineEdit* box) {
  const HitPointRoller roller(shell_.platform().DecimalSeparator());
  const std::string level = Combo1->currentText().toStdString();
  const bool reroll = Check1->isChecked();
  const HitPointResult result = shell_.Audited([&](RandomSource& random) {
    return roller.RollHitPoints(group, level, reroll, random);
  });
  box->setText(QString::fromStdString(WindowText(result)));
  // A level that is no level draws nothing and leaves nothing to keep.
  if (result.hit_points)
    shell_.results().Publish(HitPointDocument(result, shell_.Start()));
}

void Form4::Command1_Click() { RollInto(ClassGroup::kMilitare, Text5); }
void Form4::Command2_Click() { RollInto(ClassGroup::kVagabondo, Text6); }
void Form4::Command3_Click() { RollInto(ClassGroup::kSacerdote, Text7); }
void Form4::Command4_Click() { RollInto(ClassGroup::kEspertoDiMagia, Text8); }

void Form4::Command5_Click() { Text5->clear(); }
void Form4::Command6_Click() { Text6->clear(); }
void Form4::Command7_Click() { Text7->clear(); }
void Form4::Command8_Click() { Text8->clear(); }

}  // namespace quendaro
