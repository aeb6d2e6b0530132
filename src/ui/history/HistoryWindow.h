#pragma once

#include <QJsonObject>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/results/ResultDocument.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quendaro {

class HistoryStore;
class Navigator;
class Platform;

// The history window, "Cronologia": every generation kept by the
// HistoryStore, newest first, each with its time, generator and one-line
// summary. The list can be narrowed to one generator and searched by name;
// the selected entry shows its text and can be reopened in its window,
// copied, saved, printed or exported. "Svuota cronologia" asks before it
// empties the store.
class HistoryWindow final : public QWidget {
  Q_OBJECT

 public:
  HistoryWindow(HistoryStore& store, Platform& platform, Navigator* navigator,
                QWidget* parent = nullptr);

  // Reads the store again, keeping the filter and search.
  void Refresh();

 private:
  void Fill();
  void ShowSelected();
  std::optional<ResultDocument> Selected() const;
  const QJsonObject* SelectedEntry() const;
  void Reopen_Click();
  void Copy_Click();
  void Save_Click();
  void Print_Click();
  void Pdf_Click();
  void Clear_Click();

  HistoryStore& store_;
  Platform& platform_;
  Navigator* navigator_;
  std::vector<QJsonObject> entries_;  // oldest first, as stored

  QComboBox* filter_ = nullptr;     // generator shown, or all
  QLineEdit* search_ = nullptr;     // a name, or part of one
  QListWidget* list_ = nullptr;     // the entries, newest first
  QLabel* skipped_ = nullptr;       // lines of the file that were unreadable
  QPlainTextEdit* text_ = nullptr;  // the selected entry's text
  QPushButton* reopen_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* pdf_ = nullptr;
  QPushButton* clear_ = nullptr;
};

}  // namespace quendaro
