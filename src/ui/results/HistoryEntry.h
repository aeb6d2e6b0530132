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
// record and, when known, the roll steps in words ("rolls"). Fields a later
// version adds are kept as they come.
QJsonObject MakeHistoryEntry(const ResultDocument& document,
                             const QDateTime& time, const QJsonObject& inputs,
                             const QJsonObject& shown);

// The result of a stored entry, in every format, as it was kept.
ResultDocument DocumentFromEntry(const QJsonObject& entry);

// The window a generator's entries reopen in.
std::optional<FormId> FormOfGenerator(const QString& generator);

// The generator's name as the history window lists it, e.g. "Personaggio".
QString GeneratorCaption(const QString& generator);

}  // namespace quendaro
