#include "ui/forms/PartyWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "character/CharacterChoices.h"
#include "character/LegalChoices.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/NpcPresentation.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/HistoryEntry.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultTexts.h"
#include "ui/results/RollAudit.h"

namespace quendaro {
namespace {

constexpr qreal kDialogPoints = 10;
// The table's type: its design size, and the smallest it may shrink to so
// that a party of twelve fits a small or high-scale screen whole.
constexpr qreal kTablePoints = 10;
constexpr qreal kSmallestTablePoints = 6.5;
constexpr qreal kTablePointsStep = 0.5;
constexpr int kFirstPartySize = 4;

template <std::size_t N>
QComboBox* ListOf(QWidget* parent, const char* name, std::string_view none,
                  const std::array<std::string_view, N>& entries) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->addItem(ToQt(none));
  for (std::string_view entry : entries) list->addItem(ToQt(entry));
  // Long race and class names would widen the window; the list opens wide
  // enough to read them all.
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(14);
  return list;
}

// The list's entry, or none for its first item ("nessuna", "nessuno"). The
// entries view the window's constant lists, so the locks outlive any party.
std::optional<std::string_view> LockOf(
    const QComboBox& list, std::span<const std::string_view> entries) {
  const auto index = static_cast<std::size_t>(list.currentIndex());
  if (list.currentIndex() <= 0 || index > entries.size()) return std::nullopt;
  return entries[index - 1];
}

QSpinBox* Spinner(QWidget* parent, const char* name, int low, int high,
                  int value) {
  auto* spinner = new QSpinBox(parent);
  spinner->setObjectName(QString::fromLatin1(name));
  spinner->setRange(low, high);
  spinner->setValue(value);
  return spinner;
}

// The character window's controls for one NPC, by their names, as a history
// entry of the character window puts them back.
QJsonObject CharacterInputs(const CharacterSheet& sheet) {
  QJsonObject inputs;
  const std::pair<const char*, const std::string*> boxes[] = {
      {"Combo1", &sheet.race},      {"Combo2", &sheet.character_class},
      {"Combo3", &sheet.alignment}, {"combo4", &sheet.sex},
      {"Text11", &sheet.name},      {"Text12", &sheet.age},
      {"Text8", &sheet.height},     {"Text9", &sheet.weight},
  };
  for (const auto& [name, text] : boxes) {
    inputs[QLatin1String(name)] = QString::fromStdString(*text);
  }
  return inputs;
}

QJsonObject CharacterShown(const CharacterSheet& sheet, char separator) {
  const CharacterWindowTexts texts = WindowTexts(sheet, separator);
  QJsonObject shown;
  const std::array<const char*, kAbilityCount> score_boxes = {
      "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};
  const std::array<const char*, kAbilityCount> row_labels = {
      "Label23", "Label24", "Label25", "Label26", "Label27", "Label28"};
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    shown[QLatin1String(score_boxes[i])] =
        QString::fromStdString(texts.scores[i]);
    shown[QLatin1String(row_labels[i])] = QString::fromStdString(texts.rows[i]);
  }
  shown[QStringLiteral("Text10")] = QString::fromStdString(texts.percentile);
  shown[QStringLiteral("Label22")] = QString::fromStdString(texts.age_category);
  shown[QStringLiteral("Label30")] = QString::fromStdString(texts.average);
  shown[QStringLiteral("Label35")] = QString::fromStdString(texts.total);
  shown[QStringLiteral("Command2")] = texts.clear_enabled;
  return shown;
}

// The entry of `entries` that `value` names, viewing the constant list; null
// or nothing is no lock. False for a text outside the list.
bool ReadLock(const QJsonValue& value,
              std::span<const std::string_view> entries,
              std::optional<std::string_view>& lock) {
  lock.reset();
  if (value.isNull() || value.isUndefined()) return true;
  const std::string text = value.toString().toStdString();
  const auto found = std::ranges::find(entries, text);
  if (found == entries.end()) return false;
  lock = *found;
  return true;
}

// The dice of a party as its history entry keeps them: where it began, and
// each row rolled again alone since, with where that began.
QJsonObject ReplayJson(const RandomState& start,
                       std::span<const PartyReroll> rerolls) {
  QJsonArray again;
  for (const PartyReroll& reroll : rerolls) {
    again.append(
        QJsonObject{{QStringLiteral("row"), static_cast<int>(reroll.index)},
                    {QStringLiteral("state"), ToQt(StateText(reroll.start))}});
  }
  return {{QStringLiteral("start"), ToQt(StateText(start))},
          {QStringLiteral("rerolls"), again}};
}

// The party a history entry describes, rolled again from its dice: the
// level, size and locks of its record, the states of its replay (or, for an
// entry kept before entries had one, the record's own state). None when any
// of them is missing or out of place, as in a damaged or edited file.
struct Replayed {
  Party party;
  RandomState start;
  std::vector<PartyReroll> rerolls;
};
std::optional<Replayed> ReplayOf(const QJsonObject& entry) {
  const QJsonObject record = entry.value(QStringLiteral("record")).toObject();
  const QJsonObject result = record.value(QStringLiteral("result")).toObject();
  const QJsonObject replay = entry.value(QStringLiteral("replay")).toObject();
  NpcRequest request;
  request.level = result.value(QStringLiteral("level")).toInt(0);
  const int size = result.value(QStringLiteral("size")).toInt(0);
  if (request.level < kLowestNpcLevel || request.level > kHighestNpcLevel ||
      size < kSmallestParty || size > kLargestParty) {
    return std::nullopt;
  }
  ChoiceLocks& locks = request.locks;
  if (!ReadLock(result.value(QStringLiteral("race")), kRaceChoices,
                locks.race) ||
      !ReadLock(result.value(QStringLiteral("class")), kClassChoices,
                locks.character_class) ||
      !ReadLock(result.value(QStringLiteral("alignment")), kAlignmentChoices,
                locks.alignment) ||
      !LockRefusals(locks).empty()) {
    return std::nullopt;
  }
  const QJsonValue start_text = replay.contains(QStringLiteral("start"))
                                    ? replay.value(QStringLiteral("start"))
                                    : record.value(QStringLiteral("state"));
  const std::optional<RandomState> start =
      ReadStateText(start_text.toString().toStdString());
  if (!start) return std::nullopt;
  std::vector<PartyReroll> rerolls;
  for (const QJsonValue& value :
       replay.value(QStringLiteral("rerolls")).toArray()) {
    const QJsonObject reroll = value.toObject();
    const int row = reroll.value(QStringLiteral("row")).toInt(-1);
    const std::optional<RandomState> state = ReadStateText(
        reroll.value(QStringLiteral("state")).toString().toStdString());
    if (row < 0 || row >= size || !state) return std::nullopt;
    rerolls.push_back({static_cast<std::size_t>(row), *state});
  }
  return Replayed{RollPartyAgain(request, size, *start, rerolls), *start,
                  std::move(rerolls)};
}

std::vector<std::vector<std::string>> RowsOf(const Party& party) {
  std::vector<std::vector<std::string>> rows;
  for (const Npc& member : party.members) rows.push_back(NpcRowTexts(member));
  return rows;
}

// The texts of the rows a party's record shows, column by column; rows of
// another number of columns are left out.
std::vector<std::vector<std::string>> ShownRows(const QJsonObject& entry) {
  std::vector<std::vector<std::string>> rows;
  const QJsonArray members = entry.value(QStringLiteral("record"))
                                 .toObject()
                                 .value(QStringLiteral("display"))
                                 .toObject()
                                 .value(QStringLiteral("members"))
                                 .toArray();
  for (const QJsonValue& member : members) {
    const QJsonArray cells = member.toArray();
    if (static_cast<std::size_t>(cells.size()) != NpcColumns().size()) {
      continue;
    }
    std::vector<std::string>& row = rows.emplace_back();
    for (const QJsonValue& cell : cells) {
      row.push_back(cell.toString().toStdString());
    }
  }
  return rows;
}

}  // namespace

PartyWindow::PartyWindow(RandomSource& random, Platform& platform,
                         Navigator* navigator, QWidget* parent)
    : QMainWindow(parent),
      random_(random),
      platform_(platform),
      navigator_(navigator) {
  setObjectName(QStringLiteral("PartyWindow"));
  setWindowTitle(QStringLiteral("Quendaro 32 v.1.00 C - Gruppo di PNG"));
  results_ = new ResultActions(*this, platform_, navigator_);
  rolls_ = new RollAudit(this, platform_);
  results_->SetRollAudit(*rolls_);
  connect(results_, &ResultActions::Reopened, this, &PartyWindow::Reopened);

  auto* sheet = new QWidget(this);
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(BuildInputs());

  table_ = new QTableWidget(sheet);
  table_->setObjectName(QStringLiteral("table"));
  const std::span<const NpcColumn> columns = NpcColumns();
  table_->setColumnCount(static_cast<int>(columns.size()));
  for (int c = 0; c < table_->columnCount(); ++c) {
    const NpcColumn& column = columns[static_cast<std::size_t>(c)];
    auto* heading = new QTableWidgetItem(ToQt(column.heading));
    heading->setToolTip(ToQt(column.caption));
    table_->setHorizontalHeaderItem(c, heading);
  }
  table_->setFont(RoleFont(FontRole::kDialog, kTablePoints));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setWordWrap(true);
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->hide();
  NameControl(table_, QStringLiteral("Gruppo di PNG"));
  connect(table_, &QTableWidget::itemSelectionChanged, this,
          &PartyWindow::UpdateButtons);
  connect(table_, &QTableWidget::itemActivated, this, &PartyWindow::Open_Click);
  layout->addWidget(table_, 1);
  layout->addWidget(BuildButtons());
  setCentralWidget(sheet);
  BuildMenuBar();

  PressFocusedButtonOnReturn(this);
  CloseOnEscape(this);
  UpdateButtons();
  FitTable();
}

// The widest word of a column's texts: a text column is no wider than that,
// so that long race and class names break at their blanks and are never cut.
int PartyWindow::WidestWord(int column) const {
  const QFontMetrics metrics(table_->font());
  int widest = 0;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* item = table_->item(row, column);
    if (item == nullptr) continue;
    for (const QString& word : item->text().split(u' ')) {
      widest = std::max(widest, metrics.horizontalAdvance(word));
    }
  }
  return widest;
}

// Sizes the table to its party and the window to the table: the type steps
// down from its design size until the whole table fits the screen, and only
// at the smallest type may the table scroll.
void PartyWindow::FitTable() {
  const QRect room = screen()->availableGeometry();
  // Everything around the table's cells: the frame, the menus, the inputs
  // and buttons, the table's header and border.
  const QSize around = frameGeometry().size() - table_->viewport()->size();
  const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) +
                      2 * table_->frameWidth() + 6;
  QSize cells;
  for (qreal points = kTablePoints;; points -= kTablePointsStep) {
    table_->setFont(RoleFont(FontRole::kDialog, points));
    table_->resizeColumnsToContents();
    for (int c = 0; c < table_->columnCount(); ++c) {
      if (NpcColumns()[static_cast<std::size_t>(c)].numeric) continue;
      const int word = WidestWord(c) + padding;
      if (word < table_->columnWidth(c)) table_->setColumnWidth(c, word);
    }
    table_->resizeRowsToContents();
    cells = QSize(table_->horizontalHeader()->length(),
                  table_->verticalHeader()->length());
    const QSize wanted = cells + around;
    if ((wanted.width() <= room.width() && wanted.height() <= room.height()) ||
        points - kTablePointsStep < kSmallestTablePoints) {
      break;
    }
  }
  const QSize table_around = table_->size() - table_->viewport()->size();
  const QSize others = around - table_around;
  table_->setMinimumSize(
      (cells + table_around).boundedTo(room.size() - others));
  centralWidget()->layout()->activate();
  layout()->activate();
  const QSize outer = frameGeometry().size() - size();
  resize(sizeHint().boundedTo(room.size() - outer));
  // A window grown past the screen's edge comes back inside it.
  QRect frame = frameGeometry();
  frame.moveRight(std::min(frame.right(), room.right()));
  frame.moveBottom(std::min(frame.bottom(), room.bottom()));
  frame.moveLeft(std::max(frame.left(), room.left()));
  frame.moveTop(std::max(frame.top(), room.top()));
  move(frame.topLeft());
}

void PartyWindow::BuildMenuBar() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* close_item =
      file->addAction(QStringLiteral("&Chiudi"), this, &QWidget::close);
  close_item->setObjectName(QStringLiteral("chiudi"));
  results_->AddFileItems(*file, close_item);
  QMenu* options = menuBar()->addMenu(QStringLiteral("&Opzioni"));
  AddGenerateItem(*options, generate_);
  options->addAction(rolls_->Action());
  SetMenuFont(menuBar());
}

QWidget* PartyWindow::BuildInputs() {
  auto* inputs = new QWidget(this);
  auto* grid = new QGridLayout(inputs);
  grid->setContentsMargins(0, 0, 0, 0);
  count_ =
      Spinner(inputs, "count", kSmallestParty, kLargestParty, kFirstPartySize);
  level_ = Spinner(inputs, "level", kLowestNpcLevel, kHighestNpcLevel,
                   kLowestNpcLevel);
  race_ = ListOf(inputs, "race", kNoRace, kRaceChoices);
  class_ = ListOf(inputs, "class", kNoClass, kClassChoices);
  alignment_ = ListOf(inputs, "alignment", kNoAlignment, kAlignmentChoices);
  // How many and the level above, the three lists below.
  const struct {
    const char* caption;
    QWidget* field;
    int row;
    int column;
  } fields[] = {
      {"&Quanti", count_, 0, 0},
      {"&Livello", level_, 0, 2},
      {"&Razza", race_, 1, 0},
      {"&Classe", class_, 1, 2},
      {"&Allineamento", alignment_, 1, 4},
  };
  for (const auto& [caption, field, row, column] : fields) {
    auto* label = new QLabel(QString::fromUtf8(caption), inputs);
    label->setBuddy(field);
    label->setFont(RoleFont(FontRole::kDialog, kDialogPoints));
    field->setFont(RoleFont(FontRole::kDialog, kDialogPoints));
    NameControl(field, label->text().remove(u'&'));
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
  }
  for (int column : {1, 3, 5}) grid->setColumnStretch(column, 1);
  count_->setToolTip(QStringLiteral("Quanti PNG, da 1 a 12"));
  level_->setToolTip(QStringLiteral("Il livello di tutti i PNG, da 1 a 20"));
  race_->setToolTip(
      QStringLiteral("Una razza per tutti, o \"nessuna\" per tirarla"));
  class_->setToolTip(
      QStringLiteral("Una classe per tutti, o \"nessuna\" per tirarla"));
  alignment_->setToolTip(
      QStringLiteral("Un allineamento per tutti, o \"nessuno\" per tirarlo"));

  generate_ = new QPushButton(QStringLiteral("&Genera gruppo"), inputs);
  generate_->setObjectName(QStringLiteral("generate"));
  generate_->setToolTip(
      QStringLiteral("Tira un gruppo di PNG con le scelte fatte"));
  generate_->setAutoDefault(false);
  connect(generate_, &QPushButton::clicked, this, &PartyWindow::Generate_Click);
  grid->addWidget(generate_, 0, 4, 1, 2);
  return inputs;
}

QWidget* PartyWindow::BuildButtons() {
  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  const auto button = [&](const char* name, const char* caption,
                          const char* tip, void (PartyWindow::*handler)()) {
    auto* made = new QPushButton(QString::fromUtf8(caption), buttons);
    made->setObjectName(QString::fromLatin1(name));
    made->setToolTip(QString::fromUtf8(tip));
    made->setAutoDefault(false);
    connect(made, &QPushButton::clicked, this, handler);
    row->addWidget(made);
    return made;
  };
  reroll_ = button("reroll", "Ritira il &PNG",
                   "Tira di nuovo il PNG della riga scelta, da solo",
                   &PartyWindow::Reroll_Click);
  open_ = button("open", "Apri nella &scheda",
                 "Mostra il PNG della riga scelta nel generatore PG-PNG",
                 &PartyWindow::Open_Click);
  row->addStretch(1);
  clear_ = button("clear", "Ca&ncella", "Cancella il gruppo mostrato",
                  &PartyWindow::Clear_Click);
  return buttons;
}

NpcRequest PartyWindow::Request() const {
  NpcRequest request;
  request.level = level_->value();
  request.locks.race = LockOf(*race_, kRaceChoices);
  request.locks.character_class = LockOf(*class_, kClassChoices);
  request.locks.alignment = LockOf(*alignment_, kAlignmentChoices);
  return request;
}

// A set of choices no legal character keeps is refused with the class
// rule's message, and the party shown stays as it was.
void PartyWindow::Generate_Click() {
  const NpcRequest request = Request();
  const std::vector<std::string_view> refusals = LockRefusals(request.locks);
  if (!refusals.empty()) {
    for (std::string_view refusal : refusals) {
      platform_.ShowMessage(this, ToQt(refusal));
    }
    return;
  }
  ScopedRollLog rolls(random_);
  start_ = random_.BeginGeneration();
  rerolls_.clear();
  party_ = GenerateParty(request, count_->value(), random_);
  rolls_->SetSteps(rolls.Take());
  ShowParty();
  table_->setFocus();
  table_->selectRow(0);
}

void PartyWindow::Reroll_Click() {
  const int row = SelectedRow();
  if (!party_ || row < 0) return;
  ScopedRollLog rolls(random_);
  rerolls_.push_back(
      {static_cast<std::size_t>(row), random_.BeginGeneration()});
  RerollMember(*party_, static_cast<std::size_t>(row), random_);
  rolls_->SetSteps(rolls.Take());
  ShowParty();
  table_->selectRow(row);
}

// The character window takes the NPC back as it takes back a character of
// the history: its texts by control, and its result for copying and saving.
void PartyWindow::Open_Click() {
  const int row = SelectedRow();
  if (!party_ || row < 0 || navigator_ == nullptr) return;
  const CharacterSheet& sheet =
      party_->members[static_cast<std::size_t>(row)].character;
  const char separator = platform_.DecimalSeparator();
  navigator_->Reopen(MakeHistoryEntry(
      CharacterDocument(sheet, separator), QDateTime::currentDateTimeUtc(),
      CharacterInputs(sheet), CharacterShown(sheet, separator)));
}

void PartyWindow::Clear_Click() {
  party_.reset();
  start_.reset();
  rerolls_.clear();
  table_->setRowCount(0);
  FitTable();
  rolls_->SetSteps({});
  results_->Withdraw();
  UpdateButtons();
}

void PartyWindow::ShowParty() {
  ShowRows(RowsOf(*party_));
  ResultDocument document =
      PartyDocument(*party_, platform_.DecimalSeparator(),
                    rerolls_.empty() ? &*start_ : nullptr);
  document.replay = ReplayJson(*start_, rerolls_);
  results_->Publish(std::move(document));
}

void PartyWindow::ShowRows(const std::vector<std::vector<std::string>>& rows) {
  table_->setUpdatesEnabled(false);
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const std::vector<std::string>& texts = rows[static_cast<std::size_t>(row)];
    for (int c = 0; c < static_cast<int>(texts.size()); ++c) {
      auto* item = new QTableWidgetItem(
          QString::fromStdString(texts[static_cast<std::size_t>(c)]));
      if (NpcColumns()[static_cast<std::size_t>(c)].numeric) {
        item->setTextAlignment(Qt::AlignCenter);
      }
      table_->setItem(row, c, item);
    }
  }
  FitTable();
  table_->setUpdatesEnabled(true);
  UpdateButtons();
}

// The document, the inputs and the roll details are back already
// (ResultActions); the table is the window's own. A party whose dice make
// other rows than it showed (one of an older program, or a file edited by
// hand) is shown as it was kept, and can only be cleared or made anew.
void PartyWindow::Reopened(const QJsonObject& entry) {
  const std::vector<std::vector<std::string>> shown = ShownRows(entry);
  std::optional<Replayed> replayed = ReplayOf(entry);
  if (replayed && RowsOf(replayed->party) == shown) {
    party_ = std::move(replayed->party);
    start_ = replayed->start;
    rerolls_ = std::move(replayed->rerolls);
  } else {
    party_.reset();
    start_.reset();
    rerolls_.clear();
  }
  ShowRows(shown);
}

void PartyWindow::UpdateButtons() {
  const bool chosen = party_.has_value() && SelectedRow() >= 0;
  reroll_->setEnabled(chosen);
  open_->setEnabled(chosen && navigator_ != nullptr);
  clear_->setEnabled(table_->rowCount() > 0);
}

int PartyWindow::SelectedRow() const {
  const QList<QTableWidgetItem*> selected = table_->selectedItems();
  return selected.isEmpty() ? -1 : selected.front()->row();
}

}  // namespace quendaro
