#pragma once

#include <array>
#include <optional>
#include <string>

#include "character/CharacterGenerator.h"
#include "cli/Subcommand.h"

namespace quendaro::cli {

// The character window's four lists as options: --race, --class,
// --alignment and --sex, each text checked against its list (case, accents,
// blanks and punctuation aside) and turned into the list's own entry, or its
// placeholder ("nessuna") when it names that.
struct CheckedChoices {
  std::optional<std::string> race;
  std::optional<std::string> character_class;
  std::optional<std::string> alignment;
  std::optional<std::string> sex;
};
inline constexpr std::array<Option, 4> kChoiceOptions = {
    {{"race", true}, {"class", true}, {"alignment", true}, {"sex", true}}};

// The entries of the options given (the others stay missing), or nothing
// after writing the usage error of the first text on no list to `error`.
std::optional<CheckedChoices> CheckChoiceOptions(const OptionValues& values,
                                                 std::string& error);

// "character": one press of "Tira i dadi" of the character window, with the
// window's inputs as options.
class CharacterCommand final : public Subcommand {
 public:
  explicit CharacterCommand(char decimal_separator)
      : generator_(decimal_separator), decimal_separator_(decimal_separator) {}

  std::string_view Name() const override { return "character"; }
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
  CharacterGenerator generator_;
  char decimal_separator_;
  CharacterRequest request_;
  CharacterSheet last_;
};

}  // namespace quendaro::cli
