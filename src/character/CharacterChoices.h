#pragma once

#include <array>
#include <string_view>

namespace quendaro {

// The choices the character window offers in its drop-down lists, in their
// order. The rules compare typed texts exactly, so a text outside these
// lists is allowed and simply matches no rule.

// "nessuna" (race, class) and "nessuno" (alignment, sex) stand for nothing
// chosen.
inline constexpr std::string_view kNoRace = "nessuna";
inline constexpr std::string_view kNoClass = "nessuna";
inline constexpr std::string_view kNoAlignment = "nessuno";
inline constexpr std::string_view kNoSex = "nessuno";

// The 25 races.
inline constexpr std::array<std::string_view, 25> kRaceChoices = {
    "Elfo alto",
    "Elfo grigio",
    "Elfo silvano",
    "Elfo oscuro(Drow)",
    "Elfo marino",
    "Elfo alato(Avariel)",
    "Umano",
    "Nano di collina",
    "Nano delle montagne",
    "Nano sotterraneo",
    "Nano grigio(Duergar)",
    "Nano di superficie",
    "Nano di fosso",
    "Gnomo degli abissi",
    "Gnomo delle foreste",
    "Gnomo delle rocce",
    "Gnomo pensatore(Dragonlance)",
    "Halfling stout",
    "Halfling tallfellow",
    "Kender(Dragonlance)",
    "Halfling atasiano(Dark Sun)",
    "Halfling polare(Furchin)(Spelljammer)",
    "Halfling piedipelosi",
    "Mezzelfo",
    "Minotauro(Dragonlance)",
};

// The 41 classes and multi-classes.
inline constexpr std::array<std::string_view, 41> kClassChoices = {
    "Guerriero(puro)",
    "Barbaro",
    "Berserker",
    "Cavaliere selvaggio",
    "Cavaliere",
    "Eroe popolare",
    "Gladiatore",
    "Guerriero errante",
    "Mirmidone",
    "Nobile guerriero",
    "Pirata/fuorilegge",
    "Samurai",
    "Selvaggio",
    "Spadaccino",
    "Vendicatore(Ravenloft)",
    "Paladino",
    "Mago generico",
    "Alteratore",
    "Convocatore",
    "Divinatore",
    "Illusionista",
    "Incantatore",
    "Invocatore/evocatore",
    "Negromante",
    "Scongiuratore",
    "Arcanista(Ravenloft)",
    "Wild mage(Forgotten realms)",
    "Chierico",
    "Ancorita(Ravenloft)",
    "Druido",
    "Ranger",
    "Ladro",
    "Bardo",
    "Zingaro(Ravenloft)",
    "Mago/ladro",
    "Guerriero/chierico",
    "Illusionista/ladro",
    "Chierico/ranger",
    "Chierico/mago",
    "Guerriero/mago/chierico",
    "Guerriero/mago/ladro",
};

// The nine alignments.
inline constexpr std::array<std::string_view, 9> kAlignmentChoices = {
    "Legale/buono",      "Legale/malvagio",  "Legale/neutrale",
    "Caotico/buono",     "Caotico/malvagio", "Neutrale/buono",
    "Neutrale/malvagio", "Caotico/neutrale", "Neutrale(puro)",
};

// The two sexes.
inline constexpr std::array<std::string_view, 2> kSexChoices = {
    "Maschio",
    "Femmina",
};

}  // namespace quendaro
