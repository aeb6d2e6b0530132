#include "ui/history/HistoryModel.h"

#include <QDateTime>
#include <utility>

namespace quendaro {

HistoryModel::HistoryModel(QObject* parent) : QAbstractListModel(parent) {}

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(listed_.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  const HistoryRow* row = RowAt(index.row());
  if (row == nullptr || role != Qt::DisplayRole) return {};
  const QDateTime time = QDateTime::fromString(row->time, Qt::ISODateWithMs);
  const QString when =
      time.isValid()
          ? time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))
          : QStringLiteral("?");
  return QStringLiteral("%1   %2   %3")
      .arg(when, GeneratorCaption(row->generator), row->summary);
}

void HistoryModel::SetRows(std::vector<HistoryRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  Relist();
  endResetModel();
}

void HistoryModel::Append(HistoryRow row) {
  rows_.push_back(std::move(row));
  if (!Matches(rows_.back())) return;
  beginInsertRows({}, 0, 0);
  listed_.insert(listed_.begin(), static_cast<int>(rows_.size()) - 1);
  endInsertRows();
}

void HistoryModel::SetFilter(std::optional<Generator> generator,
                             const QString& search) {
  beginResetModel();
  generator_ = generator;
  search_ = FoldedForSearch(search);
  Relist();
  endResetModel();
}

void HistoryModel::Relist() {
  listed_.clear();
  for (int i = static_cast<int>(rows_.size()) - 1; i >= 0; --i) {
    if (Matches(rows_[static_cast<std::size_t>(i)])) listed_.push_back(i);
  }
}

const HistoryRow* HistoryModel::RowAt(int listed) const {
  if (listed < 0 || listed >= static_cast<int>(listed_.size())) return nullptr;
  return &rows_[static_cast<std::size_t>(
      listed_[static_cast<std::size_t>(listed)])];
}

bool HistoryModel::Matches(const HistoryRow& row) const {
  if (generator_ && row.generator != *generator_) return false;
  return search_.isEmpty() || row.words.contains(search_);
}

}  // namespace quendaro
