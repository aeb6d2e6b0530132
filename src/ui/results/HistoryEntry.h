#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "ui/kit/Navigator.h"
#include "ui/results/ResultDocument.h"

namespace quendaro {

// The history entry of one generation, as HistoryStore keeps it: the time,
// the generator, the one-line summary, the result's plain text, Markdown and
// HTML as they were made, the window's inputs and shown texts, the JSON
// record as an object ("record") and as the line the window wrote ("json"),
// the command line that makes it again ("command"), when known the roll
// steps in words ("rolls"), and what the window needs to show it again
// beyond its controls ("replay"). Fields a later version adds are kept as
// they come.
QJsonObject MakeHistoryEntry(const ResultDocument& document,
                             const QDateTime& time, const QJsonObject& inputs,
                             const QJsonObject& shown);

// The result of a stored entry, in every format byte for byte as the window
// gave it.
ResultDocument DocumentFromEntry(const QJsonObject& entry);

// The window whose generator has the key `key` (an entry's "generator").
std::optional<FormId> FormOfGenerator(const QString& key);

// The caption of the generator with the key `key`, e.g. "Personaggio"; the
// key itself for a generator this program does not know.
QString CaptionOfGenerator(const QString& key);

}  // namespace quendaro
