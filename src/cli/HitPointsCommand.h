#pragma once

#include <string>

#include "cli/Subcommand.h"
#include "hitpoints/HitPointRoller.h"

namespace quendaro::cli {

// "hitpoints": the hit points of a non-player character by class group and
// level, as the hit-point window rolls them.
class HitPointsCommand final : public Subcommand {
 public:
  explicit HitPointsCommand(char decimal_separator)
      : roller_(decimal_separator) {}

  std::string_view Name() const override { return "hitpoints"; }
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
  HitPointRoller roller_;
  ClassGroup group_ = ClassGroup::kMilitare;
  std::string level_;
  bool reroll_ = false;
  HitPointResult last_;
};

}  // namespace quendaro::cli
