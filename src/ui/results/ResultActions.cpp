#include "ui/results/ResultActions.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <memory>
#include <utility>

#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"
#include "ui/results/HistoryEntry.h"
#include "ui/results/ResultOutput.h"
#include "ui/results/RollAudit.h"
#include "ui/results/WindowSnapshot.h"

namespace quendaro {

ResultActions::ResultActions(QWidget& window, Platform& platform,
                             Navigator* navigator)
    : QObject(&window),
      window_(window),
      platform_(platform),
      navigator_(navigator) {
  setObjectName(QStringLiteral("results"));
  copy_ = new QAction(QStringLiteral("Copia risultato"), this);
  copy_->setObjectName(QStringLiteral("copia"));
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(copy_, &QAction::triggered, this, &ResultActions::CopyResult);
  save_ = new QAction(QStringLiteral("Salva con nome..."), this);
  save_->setObjectName(QStringLiteral("salva"));
  save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save_, &QAction::triggered, this, &ResultActions::SaveAs);
  print_ = new QAction(QStringLiteral("Stampa..."), this);
  print_->setObjectName(QStringLiteral("stampa"));
  print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print_, &QAction::triggered, this, &ResultActions::Print);
  pdf_ = new QAction(QStringLiteral("Esporta PDF..."), this);
  pdf_->setObjectName(QStringLiteral("pdf"));
  connect(pdf_, &QAction::triggered, this, &ResultActions::ExportPdf);
  UpdateItems();
}

void ResultActions::AddFileItems(QMenu& file_menu, QAction* before) {
  auto* history = new QAction(QStringLiteral("Cronologia..."), this);
  history->setObjectName(QStringLiteral("cronologia"));
  history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  connect(history, &QAction::triggered, this, &ResultActions::ShowHistory);
  file_menu.insertSeparator(before);
  for (QAction* item : {copy_, save_, print_, pdf_, history}) {
    file_menu.insertAction(before, item);
  }
  file_menu.insertSeparator(before);
}

void ResultActions::AddCopyMenu(QWidget& output) {
  if (!window_.actions().contains(copy_)) {
    for (QAction* item : {copy_, print_}) {
      item->setShortcutContext(Qt::WindowShortcut);
      window_.addAction(item);
    }
  }
  output.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&output, &QWidget::customContextMenuRequested, this,
          [this, &output](const QPoint& position) {
            // A box keeps its own copy and select-all items; "Copia
            // risultato" comes after them.
            std::unique_ptr<QMenu> menu;
            if (auto* box = qobject_cast<QLineEdit*>(&output)) {
              menu.reset(box->createStandardContextMenu());
              menu->addSeparator();
            } else {
              menu = std::make_unique<QMenu>();
            }
            menu->setObjectName(QStringLiteral("resultMenu"));
            menu->addAction(copy_);
            // A small window has no "&File" menu; its sheet is printed
            // from here.
            menu->addAction(print_);
            menu->addAction(pdf_);
            // Items the window gave the output itself, such as the roll
            // details, follow.
            menu->addActions(output.actions());
            menu->exec(output.mapToGlobal(position));
          });
  UpdateItems();
}

void ResultActions::Publish(ResultDocument document) {
  if (rolls_ != nullptr) {
    document.rolls = rolls_->Lines();
    rolls_->SetCommand(document.command);
  }
  current_ = std::move(document);
  UpdateItems();
  if (navigator_ != nullptr) navigator_->Generated(EntryFor(*current_));
}

void ResultActions::Withdraw() {
  current_.reset();
  UpdateItems();
}

QJsonObject ResultActions::EntryFor(const ResultDocument& document) const {
  return MakeHistoryEntry(document, QDateTime::currentDateTimeUtc(),
                          CaptureInputs(window_), CaptureShown(window_));
}

void ResultActions::Reopen(const QJsonObject& entry) {
  RestoreControls(window_, entry.value(QStringLiteral("inputs")).toObject(),
                  entry.value(QStringLiteral("window")).toObject());
  current_ = DocumentFromEntry(entry);
  if (rolls_ != nullptr) {
    rolls_->SetLines(current_->rolls);
    rolls_->SetCommand(current_->command);
  }
  UpdateItems();
  emit Reopened(entry);
}

void ResultActions::CopyResult() {
  if (current_) {
    result_output::CopyToClipboard(*current_);
  } else {
    platform_.ShowMessage(&window_,
                          QStringLiteral("Non c'è ancora nessun risultato da "
                                         "copiare: genera prima qualcosa."));
  }
}

void ResultActions::SaveAs() {
  if (current_) result_output::SaveWithDialog(&window_, platform_, *current_);
}

void ResultActions::Print() {
  if (current_) result_output::PrintWithDialog(&window_, *current_);
}

void ResultActions::ExportPdf() {
  if (current_) {
    result_output::ExportPdfWithDialog(&window_, platform_, *current_);
  }
}

void ResultActions::ShowHistory() {
  if (navigator_ != nullptr) navigator_->ShowHistory();
}

void ResultActions::UpdateItems() {
  // Copying stays enabled in the small windows' menus so that its shortcut
  // can say there is nothing yet; the "&File" items simply wait.
  const bool has_result = current_.has_value();
  for (QAction* item : {save_, print_, pdf_}) item->setEnabled(has_result);
  copy_->setEnabled(has_result || window_.actions().contains(copy_));
}

}  // namespace quendaro
