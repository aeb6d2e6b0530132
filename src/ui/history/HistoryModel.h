#pragma once

#include <QAbstractListModel>
#include <QString>
#include <optional>
#include <vector>

#include "history/Generators.h"
#include "history/HistoryRow.h"

namespace quendaro {

// The history window's list: the kept rows, newest first, narrowed to one
// generator and to the rows whose summary or text holds the searched words.
// It keeps the rows as the store read them and makes a line's words only
// when the view paints it, so that 10000 entries open and filter within a
// fraction of a frame each; an entry kept meanwhile joins at the top
// without the others being touched.
class HistoryModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit HistoryModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Every row, oldest first, in place of those there were.
  void SetRows(std::vector<HistoryRow> rows);
  // A row kept after the others.
  void Append(HistoryRow row);
  // Lists only `generator`'s rows (all when nothing), and of those only
  // the ones whose summary or text holds `search`, case aside.
  void SetFilter(std::optional<Generator> generator, const QString& search);

  // The row listed at `listed`, or nothing.
  const HistoryRow* RowAt(int listed) const;
  bool Empty() const { return rows_.empty(); }

 private:
  bool Matches(const HistoryRow& row) const;
  // Lists anew every row that matches.
  void Relist();

  std::vector<HistoryRow> rows_;  // oldest first, as stored
  std::vector<int> listed_;       // indices into rows_, newest first
  std::optional<Generator> generator_;
  QString search_;  // case folded
};

}  // namespace quendaro
