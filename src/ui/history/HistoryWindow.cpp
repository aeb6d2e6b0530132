#include "ui/history/HistoryWindow.h"

#include <QComboBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStringList>
#include <QVBoxLayout>

#include "history/Generators.h"
#include "history/HistoryKeeper.h"
#include "history/HistoryStore.h"
#include "ui/history/HistoryModel.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"
#include "ui/results/HistoryEntry.h"
#include "ui/results/ResultOutput.h"

namespace quendaro {
namespace {

QString ShownText(const QJsonObject& entry) {
  QString text = entry.value(QStringLiteral("text")).toString();
  // The command line that rolls the same result again, when it is known.
  const QString command = entry.value(QStringLiteral("command")).toString();
  if (!command.isEmpty()) {
    text +=
        QStringLiteral("\n\nPer rifarlo dalla riga di comando:\n") + command;
  }
  // The roll steps, when the entry keeps them, follow the result.
  const QJsonValue rolls = entry.value(QStringLiteral("rolls"));
  if (rolls.isArray()) {
    text += QStringLiteral("\n\nTiri e regole:\n");
    for (const QJsonValue& roll : rolls.toArray()) {
      text += roll.isString()
                  ? roll.toString()
                  : QString::fromUtf8(QJsonDocument(roll.toObject())
                                          .toJson(QJsonDocument::Compact));
      text += u'\n';
    }
  }
  return text;
}

}  // namespace

HistoryWindow::HistoryWindow(HistoryKeeper& keeper, Platform& platform,
                             Navigator* navigator, QWidget* parent)
    : QWidget(parent),
      keeper_(keeper),
      platform_(platform),
      navigator_(navigator) {
  setObjectName(QStringLiteral("History"));
  setWindowTitle(QStringLiteral("Quendaro 32  -  Cronologia"));
  setWindowFlag(Qt::Window);

  auto* column = new QVBoxLayout(this);

  auto* choices = new QHBoxLayout;
  auto* filter_caption = new QLabel(QStringLiteral("&Generatore:"), this);
  filter_ = new QComboBox(this);
  filter_->setObjectName(QStringLiteral("filter"));
  filter_->addItem(QStringLiteral("Tutti"), QString());
  // Every generator, then each in the order of the main menu.
  for (const GeneratorRow& row : kGenerators) {
    filter_->addItem(GeneratorCaption(row.generator),
                     GeneratorKey(row.generator));
  }
  filter_caption->setBuddy(filter_);
  auto* search_caption = new QLabel(QStringLiteral("&Cerca:"), this);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("search"));
  search_->setPlaceholderText(QStringLiteral("un nome o parte di esso"));
  search_->setClearButtonEnabled(true);
  search_caption->setBuddy(search_);
  choices->addWidget(filter_caption);
  choices->addWidget(filter_);
  choices->addSpacing(16);
  choices->addWidget(search_caption);
  choices->addWidget(search_, 1);
  column->addLayout(choices);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  model_ = new HistoryModel(this);
  list_ = new QListView(splitter);
  list_->setObjectName(QStringLiteral("entries"));
  list_->setAlternatingRowColors(true);
  // Every line is as tall as the first: the view lays out 10000 of them
  // without measuring each.
  list_->setUniformItemSizes(true);
  list_->setModel(model_);
  text_ = new QPlainTextEdit(splitter);
  text_->setObjectName(QStringLiteral("text"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  column->addWidget(splitter, 1);

  skipped_ = new QLabel(this);
  skipped_->setObjectName(QStringLiteral("skipped"));
  skipped_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                    Qt::TextSelectableByKeyboard);
  column->addWidget(skipped_);

  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const char* caption) {
    auto* push = new QPushButton(QString::fromUtf8(caption), this);
    push->setObjectName(QString::fromUtf8(name));
    push->setAutoDefault(false);
    buttons->addWidget(push);
    return push;
  };
  reopen_ = button("reopen", "&Riapri");
  copy_ = button("copy", "C&opia");
  save_ = button("save", "&Salva...");
  print_ = button("print", "S&tampa...");
  pdf_ = button("pdf", "Esporta &PDF...");
  buttons->addStretch(1);
  clear_ = button("clear", "Svuota cronologia");
  QPushButton* close_button = button("close", "C&hiudi");
  column->addLayout(buttons);

  connect(filter_, &QComboBox::currentIndexChanged, this, &HistoryWindow::Fill);
  connect(search_, &QLineEdit::textChanged, this, &HistoryWindow::Fill);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &HistoryWindow::ShowSelected);
  connect(list_, &QListView::activated, this, &HistoryWindow::Reopen_Click);
  connect(reopen_, &QPushButton::clicked, this, &HistoryWindow::Reopen_Click);
  connect(copy_, &QPushButton::clicked, this, &HistoryWindow::Copy_Click);
  connect(save_, &QPushButton::clicked, this, &HistoryWindow::Save_Click);
  connect(print_, &QPushButton::clicked, this, &HistoryWindow::Print_Click);
  connect(pdf_, &QPushButton::clicked, this, &HistoryWindow::Pdf_Click);
  connect(clear_, &QPushButton::clicked, this, &HistoryWindow::Clear_Click);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  connect(&keeper_, &HistoryKeeper::Kept, this, &HistoryWindow::Kept);
  connect(&keeper_, &HistoryKeeper::NotKept, this,
          &HistoryWindow::ShowProblems);
  CloseOnEscape(this);

  // The filter is named by its caption, not read out as "Tutti"; the list
  // and the text have no caption of their own to be named by.
  NameControl(filter_, QStringLiteral("Generatore"));
  NameControl(search_, QStringLiteral("Cerca"));
  NameControl(list_, QStringLiteral("Generazioni"));
  NameControl(text_, QStringLiteral("Generazione scelta"));

  resize(760, 560);
  Refresh();
}

void HistoryWindow::Refresh() {
  loading_ = true;
  skipped_->setText(QStringLiteral("Lettura della cronologia..."));
  skipped_->setVisible(true);
  keeper_.Load(this, [this](HistoryStore::Contents contents) {
    Loaded(std::move(contents));
  });
}

void HistoryWindow::Loaded(HistoryStore::Contents contents) {
  loading_ = false;
  skipped_lines_ = contents.skipped_lines;
  read_error_ = std::move(contents.error);
  ShowProblems();
  model_->SetRows(std::move(contents.rows));
  SelectNewest();
}

void HistoryWindow::Kept(const HistoryRow& row) {
  // A generation kept before the reading began is in what is being read.
  if (loading_) return;
  model_->Append(row);
  if (!list_->currentIndex().isValid()) SelectNewest();
  clear_->setEnabled(true);
}

void HistoryWindow::ShowProblems() {
  if (loading_) return;
  QStringList problems;
  if (!read_error_.isEmpty()) problems << read_error_;
  if (skipped_lines_ == 1) {
    problems << QStringLiteral(
        "1 riga del file della cronologia era illeggibile ed è stata "
        "saltata.");
  } else if (skipped_lines_ > 1) {
    problems << QStringLiteral(
                    "%1 righe del file della cronologia erano illeggibili e "
                    "sono state saltate.")
                    .arg(skipped_lines_);
  }
  const int not_kept = keeper_.NotKeptCount();
  if (not_kept == 1) {
    problems << QStringLiteral(
        "1 generazione di questa sessione non è stata salvata nella "
        "cronologia.");
  } else if (not_kept > 1) {
    problems << QStringLiteral(
                    "%1 generazioni di questa sessione non sono state salvate "
                    "nella cronologia.")
                    .arg(not_kept);
  }
  skipped_->setText(problems.join(u'\n'));
  skipped_->setVisible(!problems.isEmpty());
}

void HistoryWindow::Fill() {
  model_->SetFilter(GeneratorOfKey(filter_->currentData().toString()),
                    search_->text().trimmed());
  SelectNewest();
}

void HistoryWindow::SelectNewest() {
  list_->setCurrentIndex(model_->index(0));
  ShowSelected();
}

std::optional<ResultDocument> HistoryWindow::Selected() const {
  if (selected_.isEmpty()) return std::nullopt;
  return DocumentFromEntry(selected_);
}

void HistoryWindow::ShowSelected() {
  // The entry is unpacked only now, once for whatever the player does
  // with it.
  const HistoryRow* row = model_->RowAt(list_->currentIndex().row());
  selected_ = row != nullptr ? UnpackEntry(*row) : QJsonObject();
  text_->setPlainText(selected_.isEmpty() ? QString() : ShownText(selected_));
  for (QPushButton* button : {reopen_, copy_, save_, print_, pdf_}) {
    button->setEnabled(!selected_.isEmpty());
  }
  clear_->setEnabled(!model_->Empty());
}

void HistoryWindow::Reopen_Click() {
  if (!selected_.isEmpty() && navigator_ != nullptr) {
    // A copy: reopening may bring news that changes the selection.
    const QJsonObject entry = selected_;
    navigator_->Reopen(entry);
  }
}

void HistoryWindow::Copy_Click() {
  if (const std::optional<ResultDocument> document = Selected()) {
    result_output::CopyToClipboard(*document);
  }
}

void HistoryWindow::Save_Click() {
  if (const std::optional<ResultDocument> document = Selected()) {
    result_output::SaveWithDialog(this, platform_, *document);
  }
}

void HistoryWindow::Print_Click() {
  if (const std::optional<ResultDocument> document = Selected()) {
    result_output::PrintWithDialog(this, *document);
  }
}

void HistoryWindow::Pdf_Click() {
  if (const std::optional<ResultDocument> document = Selected()) {
    result_output::ExportPdfWithDialog(this, platform_, *document);
  }
}

void HistoryWindow::Clear_Click() {
  if (!platform_.Ask(this, QStringLiteral("Cancellare tutta la cronologia? "
                                          "Non si potrà tornare indietro."))) {
    return;
  }
  // What is left is read again once the store is emptied.
  loading_ = true;
  keeper_.Clear(this, [this](const QString& error) {
    if (!error.isEmpty()) platform_.ShowMessage(this, error);
    Refresh();
  });
}

}  // namespace quendaro
