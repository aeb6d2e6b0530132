#pragma once

#include <QJsonObject>
#include <QWidget>
#include <optional>

#include "history/HistoryStore.h"
#include "ui/results/ResultDocument.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace quendaro {

class HistoryKeeper;
class HistoryModel;
class Navigator;
class Platform;

// The history window, "Cronologia": every generation kept by the
// HistoryStore, newest first, each with its time, generator and one-line
// summary. The list can be narrowed to one generator and searched by name;
// the selected entry shows its text and can be reopened in its window,
// copied, saved, printed or exported. "Svuota cronologia" asks before it
// empties the store.
//
// The file is read on the keeper's thread, so the window opens at once and
// fills when the reading is done; a generation kept while it is open joins
// the list without the file being read again. A file that cannot be read,
// lines that are damaged and generations of this session that could not be
// kept are said below the list.
class HistoryWindow final : public QWidget {
  Q_OBJECT

 public:
  HistoryWindow(HistoryKeeper& keeper, Platform& platform, Navigator* navigator,
                QWidget* parent = nullptr);

  // Reads the store again, keeping the filter and search.
  void Refresh();

  // Whether the window waits for the store to be read.
  bool Loading() const { return loading_; }

 private:
  void Loaded(HistoryStore::Contents contents);
  void Kept(const HistoryRow& row);
  void ShowProblems();
  void Fill();
  void SelectNewest();
  void ShowSelected();
  std::optional<ResultDocument> Selected() const;
  void Reopen_Click();
  void Copy_Click();
  void Save_Click();
  void Print_Click();
  void Pdf_Click();
  void Clear_Click();

  HistoryKeeper& keeper_;
  Platform& platform_;
  Navigator* navigator_;
  HistoryModel* model_ = nullptr;
  QJsonObject selected_;  // the entry chosen in the list, unpacked
  bool loading_ = false;
  int skipped_lines_ = 0;
  QString read_error_;

  QComboBox* filter_ = nullptr;  // generator shown, or all
  QLineEdit* search_ = nullptr;  // a name, or part of one
  QListView* list_ = nullptr;    // the entries, newest first
  // what went wrong: an unreadable file, damaged lines, generations not
  // kept
  QLabel* skipped_ = nullptr;
  QPlainTextEdit* text_ = nullptr;  // the selected entry's text
  QPushButton* reopen_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* pdf_ = nullptr;
  QPushButton* clear_ = nullptr;
};

}  // namespace quendaro
