#pragma once

#include "cli/Subcommand.h"
#include "npc/NpcGenerator.h"

namespace quendaro::cli {

// "npc": whole non-player characters, each a legal pick of race, class,
// alignment and sex, a name, the character as "character" rolls it and its
// hit points at a level. The Markdown of a run is one table, a party sheet.
class NpcCommand final : public Subcommand {
 public:
  explicit NpcCommand(char decimal_separator)
      : decimal_separator_(decimal_separator) {}

  std::string_view Name() const override { return "npc"; }
  std::string_view Synopsis() const override;
  std::string Help() const override;
  std::vector<Option> Options() const override;
  std::optional<std::string> Configure(const OptionValues& values,
                                       InputMode mode) override;
  void Run(RandomSource& random) override;
  Json LastRecord(std::optional<std::int64_t> seed,
                  std::uint64_t index) const override;
  void VisitLast(ResultFields& fields) const override;
  std::string LastText() const override;
  std::string MarkdownHeader() const override;
  std::string LastMarkdown() const override;

 private:
  NpcGenerator generator_;
  char decimal_separator_;
  int level_ = kLowestNpcLevel;
  Npc last_;
};

}  // namespace quendaro::cli
