#include "ui/forms/Form3.h"

#include <QAction>
#include <QDateTime>
#include <QFrame>
#include <QGridLayout>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "common/NumberText.h"
#include "presentation/ContentsPresentation.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"
#include "random/RandomState.h"
#include "treasure/contents/ContentsSeed.h"
#include "ui/forms/TreasureContentsWindow.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/ClassicColors.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Headings.h"
#include "ui/kit/Placement.h"
#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/HistoryEntry.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultTexts.h"

namespace quendaro {
namespace {

// The names of each type's controls, in type order A to I. The spinners were
// numbered as they were drawn, not by type.
struct TypeControls {
  std::string_view letter;
  std::string_view box;
  std::string_view spinner;
  std::string_view magic_line;
};
constexpr std::array<TypeControls, kTreasureTypeCount> kTypeControls{{
    {"Label1", "Text1", "UpDown1", "labela"},
    {"Label2", "Text2", "UpDown3", "labelb"},
    {"Label3", "Text3", "UpDown11", "Labelc"},
    {"Label4", "Text4", "UpDown10", "Labeld"},
    {"Label5", "Text5", "UpDown9", "Labele"},
    {"Label6", "Text6", "UpDown5", "Labelf"},
    {"Label7", "Text7", "UpDown8", "Labelg"},
    {"Label8", "Text8", "UpDown17", "Labelh"},
    {"Label9", "Text9", "UpDown7", "Labeli"},
}};

// The totals column from top to bottom: gold comes before silver here, while
// the generator counts silver first.
struct TotalControls {
  TreasureKind kind;
  std::string_view caption_name;
  std::string_view caption;
  std::string_view value_name;
};
constexpr std::array<TotalControls, kTreasureKindCount> kTotalControls{{
    {TreasureKind::kCopper, "Label11", "Monete di rame", "Label10"},
    {TreasureKind::kGold, "Label12", "Monete d'oro", "Label13"},
    {TreasureKind::kSilver, "Label14", "Monete d'argento", "Label16"},
    {TreasureKind::kPlatinumElectrum, "Label17", "Monete di platino/electrum",
     "Label18"},
    {TreasureKind::kGems, "Label19", "Gemme preziose", "Label20"},
    {TreasureKind::kArtObjects, "Label21", "Oggetti d'arte", "Label22"},
}};

// Columns of the window's grid: three framed columns (counts, totals, magic
// items), each between its two upright lines, then the buttons.
enum Column {
  kCountsLeft,
  kLetter,
  kCount,
  kCountsRight,
  kGapAfterCounts,
  kTotalsLeft,
  kCaption,
  kValue,
  kTotalsRight,
  kGapAfterTotals,
  kMagicLeft,
  kMagic,
  kMagicRight,
  kGapAfterMagic,
  kButtons,
};

// Rows of the grid: the top lines, the headings, one row per type, the
// bottom lines.
constexpr int kTopLine = 0;
constexpr int kHeading = 1;
constexpr int kFirstType = 2;
constexpr int kBottomLine = kFirstType + kTreasureTypeCount;

// A count box and its up-down spinner, built as one control: a spin box whose
// text field is the box. The two can then never disagree, the box refuses
// typing as a read-only box should, and resetting the spinner writes "0" into
// the box as well. The field keeps the box's name (Text1 .. Text9) and the
// spin box the spinner's (UpDown1 ...), so each answers to its own name.
class CountSpinner final : public QSpinBox {
 public:
  CountSpinner(const QString& box_name, const QString& spinner_name,
               QWidget* parent)
      : QSpinBox(parent) {
    setObjectName(spinner_name);
    auto* box = new QLineEdit(this);
    box->setObjectName(box_name);
    setLineEdit(box);
    box->setReadOnly(true);
    setRange(0, kMaxTreasureCount);
    setSingleStep(1);
    setWrapping(false);
    setValue(0);
    setAlignment(Qt::AlignCenter);
    SetBoxColor(this, LightYellow());
  }

  QLineEdit* Box() const { return lineEdit(); }
};

QLabel* MakeLabel(std::string_view name, std::string_view caption,
                  const QFont& font, const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(ToQt(caption), parent);
  label->setObjectName(ToQt(name));
  label->setFont(font);
  SetTextColor(label, colour);
  return label;
}

QLabel* MakeOutput(std::string_view name, Qt::Alignment alignment,
                   QWidget* parent) {
  auto* label =
      MakeLabel(name, "", RoleFont(FontRole::kDialog, 12, QFont::Bold),
                ResultColor(), parent);
  MakeResultBox(label);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

Form3::Form3(RandomSource& random, Platform& platform, Navigator* navigator,
             QWidget* parent)
    : QMainWindow(parent),
      shell_(*this, random, platform, navigator, kTreasureHelpText) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(
      ToQt("Quendaro 32 v.1.00 C -  Generatore di tesori della tana"));
  shell_.AddMenus(
      this,
      {{"init", "Menù principale", &Form3::init_Click},
       {"ex", "Esci", &Form3::ex_Click}},
      {{"pgpng", "Generatore &PG/PNG", &Form3::pgpng_Click},
       {"arm", "Ge&neratore di armi intelligenti", &Form3::arm_Click}},
      {{"about", "&About...", &Form3::about_Click},
       {"soft", "&Morvellan Soft.", &Form3::soft_Click},
       {"cred", "&Crediti", &Form3::cred_Click}});
  contents_action_ = shell_.OptionsMenu().addAction(
      QStringLiteral("Contenuto del &tesoro"), this, &Form3::contents_Click);
  contents_action_->setObjectName(QStringLiteral("contents"));
  contents_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

  auto* page = new QVBoxLayout(SetDeskAsCentralWidget(this).sheet);
  page->setContentsMargins(32, 12, 32, 24);
  page->setSpacing(16);
  page->addWidget(BuildTitle());

  // The grid joins the sheet before it is filled, so that each column's
  // panel can be sent behind the controls already on the sheet.
  auto* grid = new QGridLayout;
  page->addLayout(grid, 1);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(8);
  BuildCountColumn(*grid);
  BuildTotalsColumn(*grid);
  BuildMagicColumn(*grid);
  BuildButtons(*grid);
  FrameColumn(*grid, kCountsLeft, kCountsRight, 1);
  FrameColumn(*grid, kTotalsLeft, kTotalsRight, 5);
  FrameColumn(*grid, kMagicLeft, kMagicRight, 9);
  for (int gap : {kGapAfterCounts, kGapAfterTotals, kGapAfterMagic}) {
    grid->setColumnMinimumWidth(gap, 16);
    grid->setColumnStretch(gap, 1);
  }
  grid->setColumnStretch(kCaption, 2);
  grid->setColumnStretch(kValue, 2);
  grid->setColumnStretch(kMagic, 4);
  for (int row = kFirstType; row < kBottomLine; ++row) {
    grid->setRowStretch(row, 1);
  }

  shell_.Finish(Command1, nullptr, [this] { Form_Load(); });
}

QWidget* Form3::BuildTitle() {
  // "Tesori della tana" in three pieces, the first and last letter large.
  return MakeTitle(
      {{{"Label15", "T", RoleFont(FontRole::kDecorative, 36)},
        {"Labelx", "esori della tan", RoleFont(FontRole::kDecorative, 24)},
        {"Label25", "A", RoleFont(FontRole::kDecorative, 36)}}},
      TitlePlace::kCentred, this);
}

void Form3::BuildCountColumn(QGridLayout& grid) {
  grid.addWidget(
      MakeLabel("Label2x", "TIPI :", RoleFont(FontRole::kDecorative, 16),
                HeadingColor(), this),
      kHeading, kLetter, 1, 2, Qt::AlignCenter);
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const TypeControls& names = kTypeControls[static_cast<std::size_t>(type)];
    const int row = kFirstType + type;
    grid.addWidget(
        MakeLabel(names.letter, TreasureType(type).letter,
                  RoleFont(FontRole::kDecorative, 16), ClassicColor(1), this),
        row, kLetter, Qt::AlignRight | Qt::AlignVCenter);
    auto* spinner =
        new CountSpinner(ToQt(names.box), ToQt(names.spinner), this);
    spinner->setFont(RoleFont(FontRole::kDialog, 14, QFont::Bold));
    spinner->setMinimumWidth(96);
    grid.addWidget(spinner, row, kCount, Qt::AlignVCenter);
    NameControl(spinner, QStringLiteral("Tesoro di tipo ") +
                             ToQt(TreasureType(type).letter));
    spinners_[static_cast<std::size_t>(type)] = spinner;
    count_boxes_[static_cast<std::size_t>(type)] = spinner->Box();
  }
}

void Form3::BuildTotalsColumn(QGridLayout& grid) {
  grid.addWidget(
      MakeLabel("Labelrich", "Ricchezze varie :",
                RoleFont(FontRole::kDecorative, 16), HeadingColor(), this),
      kHeading, kCaption, 1, 2, Qt::AlignCenter);
  // Six totals beside nine type rows: they get a grid of their own, spread
  // evenly over the height of the type rows.
  auto* totals = new QGridLayout;
  totals->setHorizontalSpacing(12);
  for (int i = 0; i < kTreasureKindCount; ++i) {
    const TotalControls& names = kTotalControls[static_cast<std::size_t>(i)];
    totals->addWidget(
        MakeLabel(names.caption_name, names.caption,
                  RoleFont(FontRole::kDialog, 12), ClassicColor(0), this),
        i, 0);
    QLabel* value = MakeOutput(names.value_name, Qt::AlignRight, this);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance("0000000") +
                           12);
    totals->addWidget(value, i, 1, Qt::AlignVCenter);
    NameControl(value, ToQt(names.caption));
    totals_[static_cast<std::size_t>(names.kind)] = value;
    // A right click on a total offers the lair's contents.
    value->setContextMenuPolicy(Qt::ActionsContextMenu);
    value->addAction(contents_action_);
    totals->setRowStretch(i, 1);
  }
  totals->setColumnStretch(0, 3);
  totals->setColumnStretch(1, 2);
  grid.addLayout(totals, kFirstType, kCaption, kTreasureTypeCount, 2);
}

void Form3::BuildMagicColumn(QGridLayout& grid) {
  grid.addWidget(
      MakeLabel("Label23", "OGGETTI MAGICI :",
                RoleFont(FontRole::kDecorative, 16), HeadingColor(), this),
      kHeading, kMagic, Qt::AlignCenter);
  // Each type's line sits level with its count, so that a line reads as the
  // treasure of the type beside it.
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    QLabel* line =
        MakeOutput(kTypeControls[static_cast<std::size_t>(type)].magic_line,
                   Qt::AlignLeft, this);
    line->setMinimumWidth(
        line->fontMetrics().horizontalAdvance(ToQt("25 qualsiasi, non armi")) +
        24);
    grid.addWidget(line, kFirstType + type, kMagic, Qt::AlignVCenter);
    NameControl(line, QStringLiteral("Oggetti magici del tipo ") +
                          ToQt(TreasureType(type).letter));
    magic_lines_[static_cast<std::size_t>(type)] = line;
  }
}

void Form3::BuildButtons(QGridLayout& grid) {
  auto make_button = [this](const char* name, std::string_view caption,
                            std::string_view tooltip) {
    auto* button = new QPushButton(ToQt(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(ToQt(tooltip));
    button->setFont(RoleFont(FontRole::kDecorative, 14));
    button->setMinimumSize(170, 80);
    return button;
  };
  Command1 = make_button("Command1", "&Genera tesoro", "Generara tesoro...");
  Command2 =
      make_button("Command2", "&Cancella", "Cancella il tesoro visualizzato");
  connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
  connect(&shell_.results(), &ResultActions::Reopened, this, &Form3::Reopened);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(24);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  buttons->addStretch(1);
  grid.addLayout(buttons, kTopLine, kButtons, kBottomLine - kTopLine + 1, 1);
}

void Form3::FrameColumn(QGridLayout& grid, int first_column, int last_column,
                        int first_line) {
  auto make_line = [this](int number, QFrame::Shape shape) {
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line%1").arg(number));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
  };
  const int width = last_column - first_column + 1;
  const int height = kBottomLine - kTopLine + 1;
  auto* panel = new QFrame(this);
  FillBackground(panel, QColor(kPanelColor));
  grid.addWidget(panel, kTopLine, first_column, height, width);
  panel->lower();
  grid.addWidget(make_line(first_line, QFrame::HLine), kTopLine, first_column,
                 1, width);
  grid.addWidget(make_line(first_line + 1, QFrame::HLine), kBottomLine,
                 first_column, 1, width);
  grid.addWidget(make_line(first_line + 2, QFrame::VLine), kTopLine,
                 first_column, height, 1);
  grid.addWidget(make_line(first_line + 3, QFrame::VLine), kTopLine,
                 last_column, height, 1);
}

void Form3::EmptyOutputs() {
  for (QLabel* line : magic_lines_) line->clear();
  for (QLabel* total : totals_) total->clear();
}

void Form3::Form_Load() {
  Command2->setEnabled(false);
  for (QSpinBox* spinner : spinners_) spinner->setValue(0);
  EmptyOutputs();
}

void Form3::Command1_Click() {
  Command2->setEnabled(true);
  EmptyOutputs();

  TreasureGenerator::Counts counts{};
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const QString text = count_boxes_[static_cast<std::size_t>(type)]->text();
    counts[static_cast<std::size_t>(type)] =
        ParseWholeNumber(text.toStdString(),
                         shell_.platform().DecimalSeparator())
            .value_or(0);
  }
  std::uint64_t contents_seed = 0;
  const TreasureResult result = shell_.Audited([&](RandomSource& random) {
    TreasureResult lair = RollLair(counts, random, contents_seed);
    // The contents' draws join the lair's in "Dettagli dei tiri", as they
    // do on the command line.
    contents_ = ContentsOf(lair, contents_seed, random.Log());
    return lair;
  });
  lair_ = result;
  const TreasureWindowTexts texts = WindowTexts(result);

  for (std::size_t type = 0; type < texts.magic_lines.size(); ++type) {
    const std::string& line = texts.magic_lines[type];
    if (!line.empty()) {
      magic_lines_[type]->setText(QString::fromStdString(line));
    }
  }
  for (std::size_t kind = 0; kind < texts.totals.size(); ++kind) {
    totals_[kind]->setText(QString::fromStdString(texts.totals[kind]));
  }
  if (contents_window_ != nullptr && contents_window_->isVisible()) {
    contents_window_->ShowContents(result, contents_);
  }
  shell_.results().Publish(TreasureDocument(result, contents_, shell_.Start()));
}

void Form3::Command2_Click() {
  EmptyOutputs();
  // Resetting a spinner writes "0" into its box, and its next step then
  // starts from 0 rather than from the count before clearing.
  for (QSpinBox* spinner : spinners_) spinner->setValue(0);
  Command2->setEnabled(false);
  lair_.reset();
  if (contents_window_ != nullptr) contents_window_->Clear();
  shell_.results().Withdraw();
}

TreasureResult Form3::RollLair(const TreasureGenerator::Counts& counts,
                               RandomSource& random,
                               std::uint64_t& contents_seed) const {
  const ContentsSeed seed(random);
  TreasureResult lair = generator_.Generate(counts, random);
  contents_seed = seed.Value();
  return lair;
}

LairContents Form3::ContentsOf(const TreasureResult& lair,
                               std::uint64_t contents_seed,
                               RollLog* log) const {
  // The contents come from a sequence of their own, seeded from the lair's
  // draws, so the lair and every later draw of the shared source are what
  // they would be without them.
  RandomSource random = ContentsGenerator::SourceFor(contents_seed);
  random.SetLog(log);
  return contents_generator_.Generate(lair, random);
}

void Form3::Reopened(const QJsonObject& entry) {
  lair_.reset();
  contents_ = {};
  const QJsonObject record = entry.value(QStringLiteral("record")).toObject();
  const std::optional<RandomState> start = ReadStateText(
      record.value(QStringLiteral("state")).toString().toStdString());
  const QJsonObject kept_counts = record.value(QStringLiteral("result"))
                                      .toObject()
                                      .value(QStringLiteral("counts"))
                                      .toObject();
  TreasureGenerator::Counts counts{};
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    counts[static_cast<std::size_t>(type)] =
        kept_counts.value(ToQt(TreasureTypeLetter(type))).toInt(0);
  }
  if (start) {
    RandomSource replay;
    replay.Restore(*start);
    std::uint64_t contents_seed = 0;
    TreasureResult lair = RollLair(counts, replay, contents_seed);
    LairContents contents = ContentsOf(lair, contents_seed);
    // A record whose dice give another lair (one edited by hand) keeps no
    // contents: better none than another lair's.
    const ResultDocument again = TreasureDocument(lair, contents, *start);
    if (again.record.value(QStringLiteral("result")) ==
        record.value(QStringLiteral("result"))) {
      lair_ = std::move(lair);
      contents_ = std::move(contents);
    }
  }
  if (contents_window_ == nullptr) return;
  if (lair_) {
    contents_window_->ShowContents(*lair_, contents_);
  } else {
    contents_window_->Clear();
  }
}

void Form3::contents_Click() {
  if (contents_window_ == nullptr) {
    contents_window_ = new TreasureContentsWindow(
        [this](const MagicItem& item) { OpenWeapon(item); }, this);
  }
  if (lair_) {
    contents_window_->ShowContents(*lair_, contents_);
  } else {
    contents_window_->Clear();
  }
  if (!contents_window_->isVisible() &&
      !contents_window_->testAttribute(Qt::WA_Moved)) {
    contents_window_->adjustSize();
    CentreOver(*contents_window_, this);
  }
  contents_window_->show();
  KeepAboveOwner(*contents_window_);
  contents_window_->raise();
  contents_window_->activateWindow();
}

void Form3::OpenWeapon(const MagicItem& item) {
  if (shell_.navigator() == nullptr || !item.weapon) return;
  // The weapon window takes it back as it takes back a weapon of the
  // history: its texts by control, the item's name and type as its notes.
  const WeaponWindowTexts shown = WindowTexts(*item.weapon);
  QJsonObject window;
  const std::pair<const char*, const std::string*> labels[] = {
      {"Label23", &shown.languages},
      {"Label25", &shown.bonus},
      {"Label1", &shown.alignment},
      {"Label4", &shown.intelligence},
      {"Label6", &shown.communication},
      {"Label7", &shown.reads_non_magical},
      {"Label8", &shown.reads_magical},
      {"Label12", &shown.ability1},
      {"Label11", &shown.ability2},
      {"Label10", &shown.ability3},
      {"Label19", &shown.special_purpose},
      {"Label20", &shown.special_purpose_power},
      {"Label27", &shown.ego},
  };
  for (const auto& [name, text] : labels) {
    window[QLatin1String(name)] = QString::fromStdString(*text);
  }
  window[QStringLiteral("Command2")] = true;
  QJsonObject inputs;
  inputs[QStringLiteral("Text1")] = QString::fromStdString(MagicItemName(item));
  inputs[QStringLiteral("Combo1")] = item.weapon_window_type.empty()
                                         ? QStringLiteral("nessuno")
                                         : ToQt(item.weapon_window_type);
  const WeaponNotes notes{
      inputs[QStringLiteral("Text1")].toString().toStdString(),
      inputs[QStringLiteral("Combo1")].toString().toStdString()};
  shell_.navigator()->Reopen(
      MakeHistoryEntry(WeaponDocument(*item.weapon, notes),
                       QDateTime::currentDateTimeUtc(), inputs, window));
}

void Form3::init_Click() { shell_.SwitchTo(FormId::kForm8); }
void Form3::ex_Click() { close(); }
void Form3::pgpng_Click() { shell_.SwitchTo(FormId::kForm1); }
void Form3::arm_Click() { shell_.SwitchTo(FormId::kForm5); }
void Form3::about_Click() { shell_.ShowHelp(); }
void Form3::soft_Click() { shell_.ShowMakerPresentation(); }
void Form3::cred_Click() { shell_.OpenOwned(FormId::kForm6); }

}  // namespace quendaro
