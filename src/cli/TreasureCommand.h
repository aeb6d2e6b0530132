#pragma once

#include "cli/Subcommand.h"
#include "treasure/TreasureGenerator.h"

namespace quendaro::cli {

// "treasure": the coins, gems, art objects and magic items of a lair holding
// each type A to I from 0 to 5 times.
class TreasureCommand final : public Subcommand {
 public:
  std::string_view Name() const override { return "treasure"; }
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
  std::string LastMarkdown() const override;

 private:
  TreasureGenerator generator_;
  TreasureGenerator::Counts counts_{};
  TreasureResult last_;
};

}  // namespace quendaro::cli
