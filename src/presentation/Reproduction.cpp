#include "presentation/Reproduction.h"

#include <cstddef>

#include "common/NumberText.h"
#include "presentation/TreasurePresentation.h"
#include "weapon/WeaponTypes.h"

namespace quendaro {

namespace {

constexpr std::string_view kProgram = "quendaro-cli";

bool IsPlainCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') ||
         std::string_view("%+,-./:=@_").find(c) != std::string_view::npos;
}

// Appends " --name value", or " --name=value" for a value that starts with a
// dash and would otherwise read as an option of its own.
void AddOption(std::string& line, std::string_view name,
               std::string_view value) {
  line += " --";
  line += name;
  line += value.starts_with('-') ? "=" : " ";
  line += ShellWord(value);
}

std::string WithState(std::string line, const RandomState& state) {
  AddOption(line, "state", StateText(state));
  return line;
}

}  // namespace

std::string ShellWord(std::string_view text) {
  bool plain = !text.empty();
  for (const char c : text) plain = plain && IsPlainCharacter(c);
  if (plain) return std::string(text);
  std::string word = "'";
  for (const char c : text) {
    if (c == '\'') {
      word += "'\\''";
    } else {
      word += c;
    }
  }
  return word + "'";
}

std::string ReproducingCommand(const CharacterRequest& request,
                               const RandomState& state) {
  std::string line = std::string(kProgram) + " character --as-typed";
  AddOption(line, "race", request.race);
  AddOption(line, "class", request.character_class);
  AddOption(line, "alignment", request.alignment);
  AddOption(line, "sex", request.sex);
  if (!request.name.empty()) AddOption(line, "name", request.name);
  AddOption(line, "age", request.age);
  if (!request.height.empty()) AddOption(line, "height", request.height);
  if (!request.weight.empty()) AddOption(line, "weight", request.weight);
  return WithState(std::move(line), state);
}

std::string ReproducingCommand(const TreasureResult& result,
                               const RandomState& state) {
  std::string line = std::string(kProgram) + " treasure";
  for (std::size_t type = 0; type < result.counts.size(); ++type) {
    if (result.counts[type] == 0) continue;
    AddOption(line, TreasureTypeLetter(static_cast<int>(type)),
              WholeText(result.counts[type]));
  }
  line += " --contents";
  return WithState(std::move(line), state);
}

std::string ReproducingCommand(const NpcRequest& request,
                               const RandomState& state) {
  std::string line =
      std::string(kProgram) + " npc --level " + WholeText(request.level);
  const ChoiceLocks& locks = request.locks;
  if (locks.race) AddOption(line, "race", *locks.race);
  if (locks.character_class) AddOption(line, "class", *locks.character_class);
  if (locks.alignment) AddOption(line, "alignment", *locks.alignment);
  if (locks.sex) AddOption(line, "sex", *locks.sex);
  return WithState(std::move(line), state);
}

std::string ReproducingCommand(const WeaponNotes& notes,
                               const RandomState& state) {
  std::string line = std::string(kProgram) + " weapon";
  if (!notes.name.empty()) AddOption(line, "name", notes.name);
  if (notes.type != kNoWeaponType) AddOption(line, "type", notes.type);
  return WithState(std::move(line), state);
}

std::string ReproducingCommand(const HitPointResult& result,
                               const RandomState& state) {
  std::string line = std::string(kProgram) + " hitpoints --as-typed";
  AddOption(line, "group", ClassGroupCaption(result.group));
  AddOption(line, "level", result.level_text);
  if (result.reroll) line += " --reroll";
  return WithState(std::move(line), state);
}

std::string ReproducingCommand(const NameResult& result,
                               const RandomState& state) {
  // As typed, no choice is the window's warning rather than a sex drawn.
  std::string line = std::string(kProgram) + " name --as-typed";
  switch (result.choice) {
    case NameChoice::kNone:
      break;
    case NameChoice::kMale:
      AddOption(line, "sex", "m");
      break;
    case NameChoice::kFemale:
      AddOption(line, "sex", "f");
      break;
  }
  return WithState(std::move(line), state);
}

}  // namespace quendaro
