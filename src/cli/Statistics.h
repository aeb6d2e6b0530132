#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "cli/Record.h"

namespace quendaro::cli {

// Sums up many generations field by field, so that a game master sees at
// once what a kind of lair yields on average or how often a weapon has a
// special purpose. A field whose texts are all numbers (empty texts aside)
// gets its minimum, mean and maximum; any other field the share of each text,
// with the numbers among them summed up the same way. Numbers are never
// kept one by one, so a numeric field costs the same after ten results or
// ten million. Nested fields are named by their path: "totals.gold",
// "scores[0]".
class Statistics {
 public:
  explicit Statistics(char decimal_separator)
      : decimal_separator_(decimal_separator) {}

  void Add(const Record& record);

  std::size_t Count() const { return count_; }

  // {"count": N, "fields": {path: {"min", "mean", "max"[, "empty"]} or
  // {"texts": {text: percent}}}}
  Value Summary() const;

  // The same summary as readable lines.
  std::string Text() const;

 private:
  struct Field {
    std::size_t numbers = 0;
    std::size_t empties = 0;
    std::size_t others = 0;
    double minimum = 0;
    double maximum = 0;
    double sum = 0;
    std::map<std::string, std::size_t> texts;  // texts that are no number
  };

  void AddValue(const std::string& path, const Value& value);
  void AddText(const std::string& path, const std::string& text);
  bool IsNumeric(const Field& field) const {
    return field.numbers > 0 && field.others == 0;
  }
  double Percent(std::size_t times) const;

  char decimal_separator_;
  std::size_t count_ = 0;
  std::vector<std::string> order_;  // paths in order of first appearance
  std::map<std::string, Field> fields_;
};

}  // namespace quendaro::cli
