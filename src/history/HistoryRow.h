#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "history/Generators.h"

namespace quendaro {

// One kept generation as the history holds it: what its list and its
// search read (time, generator, summary, and the summary and text case
// folded), and the whole entry
// packed with zlib against the words each entry of its generator shares
// (see PackingWords): the Markdown, the HTML sheet, the record, the
// window's inputs and texts, the roll steps and any field a later version
// adds. In the file a row is one line of about a kilobyte, where the whole
// entry took four; reading it inflates the summary and text alone, and the
// rest is unpacked only when the player opens the entry.
struct HistoryRow {
  QString time;  // ISO 8601, UTC, as the entry gave it
  Generator generator = Generator::kCharacter;
  QString summary;
  // The summary and the result's plain text, case folded: a search folds
  // what is typed and looks for it case and all, several times quicker
  // than a search that ignores case.
  QString words;
  QByteArray packed;  // the whole entry, deflated
};

// `text` with its case folded, as HistoryRow::words holds it.
QString FoldedForSearch(QString text);

// The row of an entry (see HistoryStore), or nothing when the entry lacks
// the fields every reader relies on.
std::optional<HistoryRow> PackEntry(const QJsonObject& entry);

// The entry again, every field as PackEntry was given it; an empty object
// when the packed fields are damaged.
QJsonObject UnpackEntry(const HistoryRow& row);

// The row as one line of the history file, without its line break.
QByteArray LineOfRow(const HistoryRow& row);

// The row of a line of the history file, in this format or as older
// versions wrote whole entries (then `older` is set); nothing for a line
// that is neither.
std::optional<HistoryRow> RowOfLine(QByteArrayView line, bool* older = nullptr);

}  // namespace quendaro
