#include "npc/HitPointGroups.h"

#include <array>

#include "character/FixedList.h"

namespace quendaro {

namespace {

constexpr ClassGroup kWarrior = ClassGroup::kMilitare;
constexpr ClassGroup kRogue = ClassGroup::kVagabondo;
constexpr ClassGroup kPriest = ClassGroup::kSacerdote;
constexpr ClassGroup kWizard = ClassGroup::kEspertoDiMagia;

struct ClassGroups {
  std::string_view character_class;
  FixedList<ClassGroup, 3> groups;
};

// Every class of the character window with the group it rolls hit points
// with, in the window's order. The kits and sub-classes go with the class
// they belong to in the game: the paladin, the ranger and the fighter kits
// (samurai, swashbuckler, Ravenloft's avenger, ...) are warriors; the
// specialist mages, Ravenloft's arcanist and the wild mage are wizards; the
// druid and Ravenloft's anchorite are priests; the bard and Ravenloft's
// gypsy are rogues.
//
// A slash does not always join two classes. "Pirata/fuorilegge" is one
// fighter kit, the pirate or outlaw, and "Invocatore/evocatore" is one
// specialist, the invoker of the school of invocation and evocation. The
// seven multi-classes are the names whose parts are each a class of their
// own: "Mago/ladro", "Guerriero/chierico", "Illusionista/ladro",
// "Chierico/ranger", "Chierico/mago", "Guerriero/mago/chierico" and
// "Guerriero/mago/ladro".
constexpr std::array<ClassGroups, 41> kClassGroups{{
    {"Guerriero(puro)", {kWarrior}},
    {"Barbaro", {kWarrior}},
    {"Berserker", {kWarrior}},
    {"Cavaliere selvaggio", {kWarrior}},
    {"Cavaliere", {kWarrior}},
    {"Eroe popolare", {kWarrior}},
    {"Gladiatore", {kWarrior}},
    {"Guerriero errante", {kWarrior}},
    {"Mirmidone", {kWarrior}},
    {"Nobile guerriero", {kWarrior}},
    {"Pirata/fuorilegge", {kWarrior}},
    {"Samurai", {kWarrior}},
    {"Selvaggio", {kWarrior}},
    {"Spadaccino", {kWarrior}},
    {"Vendicatore(Ravenloft)", {kWarrior}},
    {"Paladino", {kWarrior}},
    {"Mago generico", {kWizard}},
    {"Alteratore", {kWizard}},
    {"Convocatore", {kWizard}},
    {"Divinatore", {kWizard}},
    {"Illusionista", {kWizard}},
    {"Incantatore", {kWizard}},
    {"Invocatore/evocatore", {kWizard}},
    {"Negromante", {kWizard}},
    {"Scongiuratore", {kWizard}},
    {"Arcanista(Ravenloft)", {kWizard}},
    {"Wild mage(Forgotten realms)", {kWizard}},
    {"Chierico", {kPriest}},
    {"Ancorita(Ravenloft)", {kPriest}},
    {"Druido", {kPriest}},
    {"Ranger", {kWarrior}},
    {"Ladro", {kRogue}},
    {"Bardo", {kRogue}},
    {"Zingaro(Ravenloft)", {kRogue}},
    {"Mago/ladro", {kWizard, kRogue}},
    {"Guerriero/chierico", {kWarrior, kPriest}},
    {"Illusionista/ladro", {kWizard, kRogue}},
    {"Chierico/ranger", {kPriest, kWarrior}},
    {"Chierico/mago", {kPriest, kWizard}},
    {"Guerriero/mago/chierico", {kWarrior, kWizard, kPriest}},
    {"Guerriero/mago/ladro", {kWarrior, kWizard, kRogue}},
}};

}  // namespace

std::span<const ClassGroup> HitPointGroupsOf(std::string_view character_class) {
  for (const ClassGroups& row : kClassGroups) {
    if (row.character_class == character_class) {
      return {row.groups.begin(), row.groups.size()};
    }
  }
  return {};
}

}  // namespace quendaro
