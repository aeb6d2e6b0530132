#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <optional>

#include "ui/results/ResultDocument.h"

class QAction;
class QMenu;
class QWidget;

namespace quendaro {

class Navigator;
class Platform;
class RollAudit;

// What a generator window does with its latest result besides showing it:
// the "&File" items that copy, save, print and export it and open the
// history, the context menu of the small windows, and the history entry of
// every generation. The window makes the result's document; this object
// remembers it, so that nothing can be copied before the first generation,
// and puts a history entry back into the window when it is reopened.
class ResultActions final : public QObject {
  Q_OBJECT

 public:
  ResultActions(QWidget& window, Platform& platform, Navigator* navigator);

  // Inserts the items before `before` in `file_menu` ("Esci" stays last),
  // with a separator on each side.
  void AddFileItems(QMenu& file_menu, QAction* before);

  // Gives `output` a context menu with "Copia risultato", after its own
  // items if it has any, and the window the item's shortcut.
  void AddCopyMenu(QWidget& output);

  // The window's roll audit: each generation's steps go into its history
  // entry, and a reopened entry puts its steps back into the panel.
  void SetRollAudit(RollAudit& rolls) { rolls_ = &rolls; }

  // After a generation: the window has written its result, `document`
  // describes it. Enables the items and keeps the generation in the history.
  void Publish(ResultDocument document);

  // After the window was cleared: nothing is left to copy.
  void Withdraw();

  // Puts a history entry back into the window: its inputs and the texts it
  // showed, and the result the items work on; then tells the window
  // (Reopened), which puts back what its controls do not hold.
  void Reopen(const QJsonObject& entry);

  const std::optional<ResultDocument>& Current() const { return current_; }

  // Builds a history entry for `document` from the window as it is now.
  QJsonObject EntryFor(const ResultDocument& document) const;

 signals:
  void Reopened(const QJsonObject& entry);

 private:
  void CopyResult();
  void SaveAs();
  void Print();
  void ExportPdf();
  void ShowHistory();
  void UpdateItems();

  QWidget& window_;
  Platform& platform_;
  Navigator* navigator_;
  RollAudit* rolls_ = nullptr;
  std::optional<ResultDocument> current_;
  QAction* copy_ = nullptr;
  QAction* save_ = nullptr;
  QAction* print_ = nullptr;
  QAction* pdf_ = nullptr;
};

}  // namespace quendaro
