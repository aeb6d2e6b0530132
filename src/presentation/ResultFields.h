#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "presentation/Markup.h"

namespace quendaro {

// Receives one result's values one at a time, in the order and the shape of
// its record's "result": each presentation lists a result's fields once, in
// its VisitResult, and every writer of them (the record's JSON, the
// summaries of --stats) is a ResultFields that walk is handed to.
//
// A value comes under its key in the object being walked; BeginObject and
// BeginList open a nested object or list under a key, End closes the
// innermost one. Inside a list the key is not used (pass an empty one): the
// values are the list's items in order.
class ResultFields {
 public:
  virtual void Number(std::string_view key, double value) = 0;
  virtual void Text(std::string_view key, std::string_view text) = 0;
  virtual void Flag(std::string_view key, bool value) = 0;
  // A value the record writes as null.
  virtual void Missing(std::string_view key) = 0;
  // A row of one of the program's ability tables, such as a character's
  // strength row: the record writes it as an object of one text per
  // column, split where the blanks are, under each of `column_keys`.
  virtual void Row(std::string_view key,
                   std::span<const std::string_view> column_keys,
                   std::string_view row) = 0;
  virtual void BeginObject(std::string_view key) = 0;
  virtual void BeginList(std::string_view key) = 0;
  virtual void End() = 0;

 protected:
  ~ResultFields() = default;
};

// The values of a record's "result" as a walk hands them over: a record
// read back (from a file, say) reaches a ResultFields the same way as the
// result it was written from. A row comes back as its object of columns.
void VisitJson(const Json& result, ResultFields& fields);

// A number read from a typed text: missing when there is none, written as a
// whole number when it is one, so that -0 reads as 0.
void NumberOrMissing(ResultFields& fields, std::string_view key,
                     std::optional<double> value);
// A single-precision value with the seven significant digits the windows
// show (ShownNumber), so 77 / 6 is 12.83333 and not 12.833333015441895.
void ShownNumberField(ResultFields& fields, std::string_view key, float value);
// A text, or missing when it is empty or only blanks.
void TextOrMissing(ResultFields& fields, std::string_view key,
                   std::string_view text);

}  // namespace quendaro
