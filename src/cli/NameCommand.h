#pragma once

#include <optional>

#include "cli/Subcommand.h"
#include "names/NameGenerator.h"
#include "names/NameSets.h"

namespace quendaro::cli {

// "name": a male or female fantasy name, as the name window builds it, or
// with --race one of the name set that fits the race.
class NameCommand final : public Subcommand {
 public:
  std::string_view Name() const override { return "name"; }
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
  // "maschile" or "femminile", for a sex picked at random.
  static std::string_view SexWord(NameChoice choice);

  NameGenerator generator_;
  NameChoice choice_ = NameChoice::kNone;
  // With --race: the race's set; without, the name window's syllables.
  std::optional<NameSet> set_;
  // Each name draws its sex first, so the result says which it drew.
  bool random_sex_ = false;
  NameResult last_;
};

}  // namespace quendaro::cli
