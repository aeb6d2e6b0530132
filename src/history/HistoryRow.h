#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "history/Generators.h"

namespace quendaro {

// One kept generation as the history holds it: in the clear what its list
// and its search read, and every other field of the entry (the Markdown,
// the HTML sheet, the record, the window's inputs and texts, the roll
// steps, and any field a later version adds) packed with zlib against the
// plain text, which most of them repeat. A row of 10000 costs about a
// kilobyte and a half on disk and a few in memory, where the whole entry
// would cost five; it is unpacked only when the player opens it.
struct HistoryRow {
  QString time;  // ISO 8601, UTC, as the entry gave it
  Generator generator = Generator::kCharacter;
  QString summary;
  QString text;       // the result's plain text
  QByteArray packed;  // the other fields, deflated
};

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
