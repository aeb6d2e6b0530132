#pragma once

#include <optional>

#include "cli/CharacterCommand.h"
#include "cli/Subcommand.h"
#include "npc/NpcGenerator.h"
#include "npc/Party.h"

namespace quendaro::cli {

// "npc": whole non-player characters, each a legal pick of race, class,
// alignment and sex around what the options fix, a name, the character as
// "character" rolls it, and its hit points, THAC0 and saving throws at a
// level. The Markdown of a run is one table, a party sheet. With --party
// each result is a party of the "Gruppo di PNG" window instead.
class NpcCommand final : public Subcommand {
 public:
  explicit NpcCommand(char decimal_separator)
      : decimal_separator_(decimal_separator) {}

  std::string_view Name() const override { return "npc"; }
  std::string_view Summary() const override;
  std::string_view Description() const override;
  std::string_view OutputDescription() const override;
  std::vector<Option> Options() const override;
  std::optional<std::string> Configure(const OptionValues& values,
                                       InputMode mode) override;
  std::optional<Refusal> Refused() const override;
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
  // The locked texts, which the request's locks view.
  CheckedChoices locked_;
  NpcRequest request_;
  // The members of each party under --party; none for single NPCs.
  std::optional<int> party_size_;
  Npc last_;
  Party last_party_;
};

}  // namespace quendaro::cli
