#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace quendaro {

// One result as it leaves a window: its texts in each format a game master
// can keep, and its JSON record. The window makes it once, after a
// generation; copying, saving, printing and the history all read it.
struct ResultDocument {
  QString generator;  // its key in history/Generators.h, e.g. "character"
  // One line for the history's list, e.g. "<razza> <classe>, FOR 17 … CAR 18".
  QString summary;
  QString plain_text;
  QString markdown;
  // A whole HTML document, for printing and for the PDF sheet.
  QString html;
  QJsonObject record;
  // The record as the command line writes it, one line of JSON without its
  // line break; empty for an entry kept before records were kept so.
  QByteArray record_line;
  // The command line that makes the same result again, with the state the
  // generation started from; empty when it is not known.
  QString command;
  // The draws and rules that made it, one line each, as "Dettagli dei tiri"
  // shows them; empty when they are not known.
  QStringList rolls;
  // A name for a saved file, without folder or extension.
  QString file_stem;
  // What the window needs, beyond its controls, to show the result again
  // when it is reopened (the party window's dice); empty for most windows.
  QJsonObject replay;
};

}  // namespace quendaro
