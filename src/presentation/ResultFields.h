#pragma once

#include <span>
#include <string>
#include <string_view>

#include "presentation/Markup.h"

namespace quendaro {

// Receives the values of one result one at a time, each under its path in
// the record's "result" ("race", "totals.gold", "rows.strength.hit",
// "messages[0]") and in the order the record writes them. A summary of many
// results reads them this way without building a record for each.
class ResultFields {
 public:
  virtual void Number(std::string_view path, double value) = 0;
  // Yes and no arrive as the texts "true" and "false".
  virtual void Text(std::string_view path, std::string_view text) = 0;
  // A value the record writes as null.
  virtual void Missing(std::string_view path) = 0;
  // A row of one of the program's own tables ("rows.strength"), which the
  // record writes as one text per column, split where the blanks are, under
  // `path` + "." + each of `keys`. The row's text lies in the program's
  // constant tables and stays there for the whole run, so a receiver may
  // count rows by where they lie and split each once; by default the row is
  // split here and each column handed to Text.
  virtual void TableRow(std::string_view path,
                        std::span<const std::string_view> keys,
                        std::string_view row);
  // A text of the program's own constant tables (a weapon's ability, say),
  // which lies there for the whole run: a receiver may count it by where it
  // lies. By default it is handed to Text.
  virtual void TableText(std::string_view path, std::string_view text) {
    Text(path, text);
  }

 protected:
  ~ResultFields() = default;
};

// "rows.strength.hitProbability": the path under which a record writes the
// column `key` of the table row at `row_path`.
std::string ColumnPath(std::string_view row_path, std::string_view key);

// The values of a record's "result", as ResultFields receives them: nested
// objects and lists are walked in order, so a generator's own walk of its
// typed result must match this one value for value.
void VisitJson(const Json& result, ResultFields& fields);

// NumberOrNull, ShownNumber and TextOrNull as a ResultFields value.
void VisitNumberOrMissing(std::string_view path, std::optional<double> value,
                          ResultFields& fields);
void VisitShownNumber(std::string_view path, float value, ResultFields& fields);
void VisitTextOrMissing(std::string_view path, std::string_view text,
                        ResultFields& fields);

}  // namespace quendaro
