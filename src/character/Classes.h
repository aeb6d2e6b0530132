#pragma once

#include <array>
#include <string_view>

#include "character/CharacterSheet.h"
#include "character/FixedList.h"
#include "character/Races.h"
#include "hitpoints/ClassGroup.h"

namespace quendaro {

// The alignments as bits, in the order of the window's list
// (kAlignmentChoices): the alignment at place i is 1 << i.
namespace alignment_set {
enum : unsigned {
  kLawfulGood = 1u << 0,
  kLawfulEvil = 1u << 1,
  kLawfulNeutral = 1u << 2,
  kChaoticGood = 1u << 3,
  kChaoticEvil = 1u << 4,
  kNeutralGood = 1u << 5,
  kNeutralEvil = 1u << 6,
  kChaoticNeutral = 1u << 7,
  kTrueNeutral = 1u << 8,
};
}  // namespace alignment_set

// A class's rule on the race or the alignment: none, "only" these families
// or alignments, or "not" these. A text outside the window's lists belongs
// to no family and no alignment, so no "only" rule allows it and no "not"
// rule forbids it.
enum class RestrictionKind { kNone, kOnly, kNot };

struct Restriction {
  RestrictionKind kind;
  unsigned members;          // bits of race_family or alignment_set
  std::string_view message;  // raised when the rule is broken

  constexpr bool BrokenBy(unsigned member) const {
    switch (kind) {
      case RestrictionKind::kNone:
        return false;
      case RestrictionKind::kOnly:
        return (members & member) == 0;
      case RestrictionKind::kNot:
        return (members & member) != 0;
    }
    return false;
  }
};

// A score below the threshold becomes the value, often higher than the
// threshold and careless of the race's limits.
struct Minimum {
  Ability ability;
  int threshold;
  int value;
};

// Which of a class's two rules is tested, and so raises its message, first.
enum class RuleOrder { kRaceFirst, kAlignmentFirst };

// The words the class table is written in.
namespace class_rule {
inline constexpr Restriction kNoRule{RestrictionKind::kNone, 0, {}};
constexpr Restriction Only(unsigned members, std::string_view message) {
  return {RestrictionKind::kOnly, members, message};
}
constexpr Restriction Not(unsigned members, std::string_view message) {
  return {RestrictionKind::kNot, members, message};
}
inline constexpr RuleOrder kRaceFirst = RuleOrder::kRaceFirst;
inline constexpr RuleOrder kAlignmentFirst = RuleOrder::kAlignmentFirst;
}  // namespace class_rule

// Everything the rules know of one class: its minimums, its race and
// alignment rules, and the hit-point groups it rolls with. A warrior, and a
// multi-class with a warrior in it, rolls as one and may have exceptional
// strength.
struct CharacterClass {
  std::string_view name;           // as the window lists it, matched exactly
  FixedList<Minimum, 5> minimums;  // applied in this order
  Restriction race;
  Restriction alignment;
  RuleOrder order;
  FixedList<ClassGroup, 3> hit_point_groups;

  constexpr bool Warrior() const {
    for (ClassGroup group : hit_point_groups) {
      if (group == ClassGroup::kMilitare) return true;
    }
    return false;
  }
};

// The 41 classes and multi-classes, in the order of the character window's
// list.
//
// The kits and sub-classes roll hit points with the class they belong to in
// the game: the paladin, the ranger and the fighter kits (samurai,
// swashbuckler, Ravenloft's avenger, ...) are warriors; the specialist
// mages, Ravenloft's arcanist and the wild mage are wizards; the druid and
// Ravenloft's anchorite are priests; the bard and Ravenloft's gypsy are
// rogues. A slash does not always join two classes: the pirate or outlaw is
// one fighter kit, and the invoker of the school of invocation and evocation
// one specialist. The seven multi-classes are the names whose parts are each
// a class of their own, and roll with each part's group in the order the
// name gives them.
inline constexpr std::array<CharacterClass, 41> kClassTable = [] {
  using namespace race_family;
  using namespace alignment_set;
  using namespace class_rule;
  using enum Ability;
  constexpr ClassGroup kWarrior = ClassGroup::kMilitare;
  constexpr ClassGroup kRogue = ClassGroup::kVagabondo;
  constexpr ClassGroup kPriest = ClassGroup::kSacerdote;
  constexpr ClassGroup kWizard = ClassGroup::kEspertoDiMagia;
  return std::array<CharacterClass, 41>{{
      {"Guerriero(puro)",
       {{kStrength, 9, 9}, {kConstitution, 10, 10}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Barbaro",
       {{kStrength, 15, 15}},
       Only(kHuman, "Un barbaro può essere solo umano"),
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Berserker",
       {{kStrength, 15, 15}, {kConstitution, 10, 10}, {kDexterity, 11, 11}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Cavaliere selvaggio",
       {{kCharisma, 13, 13}, {kStrength, 9, 9}},
       Only(kHuman | kHalfElf | kElves,
            "Un cavaliere selvaggio può essere solo umano o mezzelfo o elfo"),
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Cavaliere",
       {{kStrength, 15, 15},
        {kDexterity, 15, 15},
        {kConstitution, 15, 15},
        {kIntelligence, 10, 10},
        {kWisdom, 10, 10}},
       Only(kHuman | kHalfElf | kElves,
            "Un cavaliere può essere solo umano o mezzelfo o elfo"),
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Eroe popolare",
       {{kStrength, 9, 10}},
       Only(kHuman | kHalfElf | kHalflings,
            "Un eroe popolare può essere solo umano o mezzelfo o halfling"),
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Gladiatore",
       {{kStrength, 9, 9}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Guerriero errante",
       {{kStrength, 9, 9}, {kConstitution, 13, 13}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Mirmidone",
       {{kStrength, 12, 12}, {kConstitution, 12, 12}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Nobile guerriero",
       {{kStrength, 13, 13}, {kConstitution, 13, 13}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Pirata/fuorilegge",
       {{kStrength, 9, 9}, {kDexterity, 10, 12}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Samurai",
       {{kStrength, 13, 13},
        {kWisdom, 13, 13},
        {kConstitution, 13, 13},
        {kIntelligence, 14, 14}},
       Only(kHuman, "Un samurai può essere solo umano"),
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Selvaggio",
       {{kStrength, 11, 11}, {kConstitution, 15, 15}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Spadaccino",
       {{kStrength, 9, 9}, {kIntelligence, 13, 13}, {kDexterity, 13, 13}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Vendicatore(Ravenloft)",
       {{kStrength, 15, 16}, {kDexterity, 14, 14}, {kConstitution, 15, 16}},
       Only(kHuman | kDwarves, "Un vendicatore può essere solo umano o nano"),
       kNoRule,
       kRaceFirst,
       {kWarrior}},
      {"Paladino",
       {{kStrength, 12, 17},
        {kConstitution, 9, 11},
        {kWisdom, 13, 14},
        {kCharisma, 17, 18}},
       Only(kHuman, "Un paladino può essere solo umano"),
       Only(kLawfulGood, "Un paladino può essere solo legale buono"),
       kRaceFirst,
       {kWarrior}},
      {"Mago generico",
       {{kIntelligence, 9, 14}, {kWisdom, 9, 13}, {kDexterity, 9, 14}},
       Only(kHuman | kHalfElf | kMinotaur | kElves,
            "Un mago generico può essere solo umano, mezzelfo, elfo o "
            "minotauro"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Alteratore",
       {{kIntelligence, 9, 13}, {kDexterity, 15, 15}},
       Only(kHuman | kHalfElf,
            "Un alteratore può essere solo umano o mezzelfo"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Convocatore",
       {{kIntelligence, 9, 9}, {kConstitution, 15, 15}},
       Only(kHuman | kHalfElf,
            "Un convocatore può essere solo umano o mezzelfo"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Divinatore",
       {{kIntelligence, 9, 9}, {kWisdom, 16, 17}},
       Only(kHuman | kHalfElf | kElves,
            "Un divinatore può essere solo umano, mezzelfo o elfo"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Illusionista",
       {{kIntelligence, 9, 16}, {kDexterity, 16, 16}},
       Only(kHuman | kGnomes, "Un illusionista può essere solo umano o gnomo"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Incantatore",
       {{kIntelligence, 9, 18}, {kCharisma, 16, 16}},
       Only(kHuman | kHalfElf | kElves,
            "Un incantatore può essere solo umano, mezzelfo o elfo "),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Invocatore/evocatore",
       {{kIntelligence, 9, 17}, {kConstitution, 16, 16}},
       Only(kHuman, "Un invocatore può essere solo umano"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Negromante",
       {{kIntelligence, 9, 18}, {kWisdom, 16, 17}},
       Only(kHuman, "Un negromante può essere solo umano"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Scongiuratore",
       {{kIntelligence, 9, 16}, {kWisdom, 15, 15}},
       Only(kHuman, "Uno scongiuratore può essere solo umano"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Arcanista(Ravenloft)",
       {{kIntelligence, 15, 16}, {kWisdom, 15, 15}},
       Only(kHuman,
            "Un arcanista può essere solo umano o mezzo-vistano(Ravenloft)"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Wild mage(Forgotten realms)",
       {{kIntelligence, 16, 17}},
       Only(kHuman | kHalfElf | kElves,
            "Solo mezzelfi, umani ed elfi possono essere Wild mage"),
       kNoRule,
       kRaceFirst,
       {kWizard}},
      {"Chierico",
       {{kWisdom, 9, 14}, {kStrength, 9, 9}},
       kNoRule,
       kNoRule,
       kRaceFirst,
       {kPriest}},
      {"Ancorita(Ravenloft)",
       {{kWisdom, 12, 13}, {kCharisma, 15, 15}},
       Only(kHuman, "Un ancorita può essere solo umano"),
       kNoRule,
       kRaceFirst,
       {kPriest}},
      {"Druido",
       {{kWisdom, 12, 14}, {kCharisma, 15, 15}},
       Only(kHuman | kHalfElf, "Un druido può essere solo umano o mezzelfo"),
       Only(kTrueNeutral, "Un druido può essere solo neutrale puro"),
       kRaceFirst,
       {kPriest}},
      {"Ranger",
       {{kStrength, 13, 13},
        {kDexterity, 13, 15},
        {kConstitution, 14, 14},
        {kWisdom, 14, 16}},
       Only(kHuman | kHalfElf | kElves,
            "Un ranger può essere solo umano o mezzelfo o elfo"),
       Only(kNeutralGood | kLawfulGood | kChaoticGood,
            "Un ranger deve essere sempre buono"),
       kRaceFirst,
       {kWarrior}},
      {"Ladro",
       {{kDexterity, 9, 17}, {kStrength, 9, 11}, {kConstitution, 9, 12}},
       Not(kMinotaur, "Un minotauro non può fare il ladro"),
       Not(kLawfulGood, "Un ladro non può essere legale buono"),
       kRaceFirst,
       {kRogue}},
      {"Bardo",
       {{kDexterity, 12, 14}, {kIntelligence, 13, 14}, {kCharisma, 15, 15}},
       Only(kHuman | kHalfElf, "Un bardo può essere solo umano o mezzelfo"),
       Only(kNeutralGood | kNeutralEvil | kTrueNeutral,
            "Un bardo deve essere neutrale"),
       kRaceFirst,
       {kRogue}},
      {"Zingaro(Ravenloft)",
       {{kConstitution, 13, 13},
        {kIntelligence, 13, 13},
        {kWisdom, 13, 14},
        {kCharisma, 15, 15}},
       Only(kHuman | kHalfElf,
            "Uno zingaro può essere solo umano, mezzo-vistano(Ravenloft) o "
            "mezzelfo"),
       kNoRule,
       kRaceFirst,
       {kRogue}},
      {"Mago/ladro",
       {{kIntelligence, 9, 14}, {kDexterity, 9, 13}},
       Only(kHalfElf | kElves, "Un mago/ladro può essere solo elfo o mezzelfo"),
       Not(kLawfulGood, "Un ladro/mago non può essere legale buono"),
       kAlignmentFirst,
       {kWizard, kRogue}},
      {"Guerriero/chierico",
       {{kWisdom, 9, 13}, {kStrength, 9, 15}},
       Only(kHalfElf | kDwarves | kGnomes,
            "Un guerriero/chierico può essere solo mezzelfo gnomo o nano"),
       kNoRule,
       kRaceFirst,
       {kWarrior, kPriest}},
      {"Illusionista/ladro",
       {{kDexterity, 16, 16}, {kIntelligence, 9, 12}},
       Only(kGnomes, "Solo uno gnomo può essere ladro/illusionista"),
       Not(kLawfulGood, "Un ladro non può essere legale buono"),
       kAlignmentFirst,
       {kWizard, kRogue}},
      {"Chierico/ranger",
       {{kStrength, 13, 13},
        {kDexterity, 13, 15},
        {kConstitution, 14, 14},
        {kWisdom, 14, 16}},
       Only(kHalfElf, "Solo un Mezzelfo può essere chierico/ranger"),
       kNoRule,
       kRaceFirst,
       {kPriest, kWarrior}},
      {"Chierico/mago",
       {{kWisdom, 9, 13}, {kIntelligence, 9, 12}},
       Only(kHalfElf, "Solo un mezzelfo può essere chierico/mago"),
       kNoRule,
       kRaceFirst,
       {kPriest, kWizard}},
      {"Guerriero/mago/chierico",
       {{kWisdom, 9, 12}, {kIntelligence, 9, 14}, {kStrength, 9, 10}},
       Only(kHalfElf, "Un guerriero/mago/chierico può essere solo mezzelfo"),
       kNoRule,
       kRaceFirst,
       {kWarrior, kWizard, kPriest}},
      {"Guerriero/mago/ladro",
       {{kWisdom, 9, 12}, {kIntelligence, 9, 14}, {kDexterity, 9, 10}},
       Only(kHalfElf | kElves,
            "Solo un mezzelfo o un elfo può essere guerriero/mago/ladro"),
       Not(kLawfulGood, "Un guerriero/mago/ladro non può essere legale buono"),
       kAlignmentFirst,
       {kWarrior, kWizard, kRogue}},
  }};
}();

// The row of the class named exactly `name`; null for any other text
// ("nessuna", a class typed by hand).
constexpr const CharacterClass* FindClass(std::string_view name) {
  for (const CharacterClass& character_class : kClassTable) {
    if (character_class.name == name) return &character_class;
  }
  return nullptr;
}

}  // namespace quendaro
