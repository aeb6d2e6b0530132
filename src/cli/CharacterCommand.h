#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "character/CharacterChoices.h"
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
inline constexpr std::array<Option, 4> kChoiceOptions = {{
    {.name = "race",
     .value_name = "T",
     .summary = "the race",
     .help = "The race, one of the window's 25; \"nessuna\" for none.",
     .values = kRaceChoices},
    {.name = "class",
     .value_name = "T",
     .summary = "the class",
     .help = "The class or multi-class, one of the window's 41; \"nessuna\" "
             "for none.",
     .values = kClassChoices},
    {.name = "alignment",
     .value_name = "T",
     .summary = "the alignment",
     .help = "The alignment; \"nessuno\" for none.",
     .values = kAlignmentChoices},
    {.name = "sex",
     .value_name = "T",
     .summary = "the sex",
     .help = "The sex; \"nessuno\" for none. No class rule reads it.",
     .values = kSexChoices},
}};

// The entries of the options given (the others stay missing), or nothing
// after writing the usage error of the first text on no list to `error`.
std::optional<CheckedChoices> CheckChoiceOptions(const OptionValues& values,
                                                 std::string& error);

// For the hint of a refusal: the choices a run of "npc" keeps while it
// picks the rest. The class always stays; the race and the alignment when
// the class takes them; the sex. A placeholder is no choice.
std::vector<std::pair<std::string, std::string>> NpcKeeps(
    std::string_view race, std::string_view character_class,
    std::string_view alignment, std::string_view sex);

// "character": one press of "Tira i dadi" of the character window, with the
// window's inputs as options.
class CharacterCommand final : public Subcommand {
 public:
  explicit CharacterCommand(char decimal_separator)
      : generator_(decimal_separator), decimal_separator_(decimal_separator) {}

  std::string_view Name() const override { return "character"; }
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
  std::string LastMarkdown() const override;

 private:
  CharacterGenerator generator_;
  char decimal_separator_;
  CharacterRequest request_;
  bool checked_ = true;  // refuses what the rules refuse; as typed, never
  CharacterSheet last_;
};

}  // namespace quendaro::cli
