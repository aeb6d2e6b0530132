#pragma once

#include "cli/Subcommand.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/contents/ContentsGenerator.h"

namespace quendaro::cli {

// "treasure": the coins, gems, art objects and magic items of a lair holding
// each type A to I from 0 to 5 times, and with --contents each of them by
// name and value. The contents come from a sequence of their own, so a
// seeded lair is the same with or without them.
class TreasureCommand final : public Subcommand {
 public:
  std::string_view Name() const override { return "treasure"; }
  std::string_view Summary() const override;
  std::string_view Description() const override;
  std::string_view OutputDescription() const override;
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
  ContentsGenerator contents_generator_;
  TreasureGenerator::Counts counts_{};
  // With --contents, every gem, art object and magic item of each lair.
  bool contents_ = false;
  TreasureResult last_;
  LairContents last_contents_;
};

}  // namespace quendaro::cli
