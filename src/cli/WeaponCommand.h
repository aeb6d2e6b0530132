#pragma once

#include "cli/Subcommand.h"
#include "presentation/WeaponPresentation.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro::cli {

// "weapon": an intelligent magic weapon, as the weapon window rolls it.
class WeaponCommand final : public Subcommand {
 public:
  std::string_view Name() const override { return "weapon"; }
  std::string_view Summary() const override {
    return "an intelligent magic weapon";
  }
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
  WeaponGenerator generator_;
  // The name and type the weapon window's boxes would hold.
  WeaponNotes notes_;
  WeaponResult last_;
};

}  // namespace quendaro::cli
