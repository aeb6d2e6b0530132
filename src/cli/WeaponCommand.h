#pragma once

#include "cli/Subcommand.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro::cli {

// "weapon": an intelligent magic weapon, as the weapon window rolls it.
class WeaponCommand final : public Subcommand {
 public:
  std::string_view Name() const override { return "weapon"; }
  std::string_view Synopsis() const override { return "quendaro-cli weapon"; }
  std::string Help() const override;
  std::vector<Option> Options() const override { return {}; }
  std::optional<std::string> Configure(const OptionValues&,
                                       InputMode) override {
    return std::nullopt;
  }
  void Run(RandomSource& random) override;
  Record LastRecord() const override;
  std::string LastText() const override;

 private:
  WeaponGenerator generator_;
  WeaponResult last_;
};

}  // namespace quendaro::cli
