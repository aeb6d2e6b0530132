#include "character/ClassRules.h"

#include <array>
#include <string>
#include <string_view>

#include "character/FixedList.h"

namespace quendaro {

namespace {

// Races and alignments as bits, so that a rule's allowed set reads as the
// game's rules name it ("human, half-elf or any elf").
enum RaceSet : unsigned {
  kHuman = 1u << 0,
  kHalfElf = 1u << 1,
  kMinotaur = 1u << 2,
  kElves = 1u << 3,
  kDwarves = 1u << 4,
  kGnomes = 1u << 5,
  kHalflings = 1u << 6,
};

enum AlignmentSet : unsigned {
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

struct NamedMember {
  std::string_view text;
  unsigned member;
};

constexpr std::array<NamedMember, 25> kRaceMembers{{
    {"Elfo alto", kElves},
    {"Elfo grigio", kElves},
    {"Elfo silvano", kElves},
    {"Elfo oscuro(Drow)", kElves},
    {"Elfo marino", kElves},
    {"Elfo alato(Avariel)", kElves},
    {"Umano", kHuman},
    {"Nano di collina", kDwarves},
    {"Nano delle montagne", kDwarves},
    {"Nano sotterraneo", kDwarves},
    {"Nano grigio(Duergar)", kDwarves},
    {"Nano di superficie", kDwarves},
    {"Nano di fosso", kDwarves},
    {"Gnomo degli abissi", kGnomes},
    {"Gnomo delle foreste", kGnomes},
    {"Gnomo delle rocce", kGnomes},
    {"Gnomo pensatore(Dragonlance)", kGnomes},
    {"Halfling stout", kHalflings},
    {"Halfling tallfellow", kHalflings},
    {"Kender(Dragonlance)", kHalflings},
    {"Halfling atasiano(Dark Sun)", kHalflings},
    {"Halfling polare(Furchin)(Spelljammer)", kHalflings},
    {"Halfling piedipelosi", kHalflings},
    {"Mezzelfo", kHalfElf},
    {"Minotauro(Dragonlance)", kMinotaur},
}};

constexpr std::array<NamedMember, 9> kAlignmentMembers{{
    {"Legale/buono", kLawfulGood},
    {"Legale/malvagio", kLawfulEvil},
    {"Legale/neutrale", kLawfulNeutral},
    {"Caotico/buono", kChaoticGood},
    {"Caotico/malvagio", kChaoticEvil},
    {"Neutrale/buono", kNeutralGood},
    {"Neutrale/malvagio", kNeutralEvil},
    {"Caotico/neutrale", kChaoticNeutral},
    {"Neutrale(puro)", kTrueNeutral},
}};

// The bit of a race or alignment text; 0 for any other text, which no "only"
// rule allows and no "not" rule forbids.
template <std::size_t kSize>
unsigned MemberOf(const std::array<NamedMember, kSize>& members,
                  std::string_view text) {
  for (const NamedMember& named : members) {
    if (named.text == text) return named.member;
  }
  return 0;
}

enum class RestrictionKind { kNone, kOnly, kNot };

struct Restriction {
  RestrictionKind kind;
  unsigned members;
  std::string_view message;
};

constexpr Restriction kNoRule{RestrictionKind::kNone, 0, {}};

constexpr Restriction Only(unsigned members, std::string_view message) {
  return {RestrictionKind::kOnly, members, message};
}

constexpr Restriction Not(unsigned member, std::string_view message) {
  return {RestrictionKind::kNot, member, message};
}

bool Breaks(const Restriction& restriction, unsigned member) {
  switch (restriction.kind) {
    case RestrictionKind::kNone:
      return false;
    case RestrictionKind::kOnly:
      return (restriction.members & member) == 0;
    case RestrictionKind::kNot:
      return (restriction.members & member) != 0;
  }
  return false;
}

// A score below the threshold becomes the value.
struct Minimum {
  Ability ability;
  int threshold;
  int value;
};

enum class RuleOrder { kRaceFirst, kAlignmentFirst };
constexpr RuleOrder kRaceFirst = RuleOrder::kRaceFirst;
constexpr RuleOrder kAlignmentFirst = RuleOrder::kAlignmentFirst;

constexpr Ability kStrength = Ability::kStrength;
constexpr Ability kDexterity = Ability::kDexterity;
constexpr Ability kConstitution = Ability::kConstitution;
constexpr Ability kIntelligence = Ability::kIntelligence;
constexpr Ability kWisdom = Ability::kWisdom;
constexpr Ability kCharisma = Ability::kCharisma;

struct ClassRule {
  std::string_view characterClass;
  FixedList<Minimum, 5> minimums;  // applied in this order
  Restriction race;
  Restriction alignment;
  RuleOrder order;
};

// In the order the rules are looked up.
constexpr std::array<ClassRule, 41> kClassRules{{
    {"Guerriero/chierico",
     {{kWisdom, 9, 13}, {kStrength, 9, 15}},
     Only(kHalfElf | kDwarves | kGnomes,
          "Un guerriero/chierico può essere solo mezzelfo gnomo o nano"),
     kNoRule,
     kRaceFirst},
    {"Chierico",
     {{kWisdom, 9, 14}, {kStrength, 9, 9}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Druido",
     {{kWisdom, 12, 14}, {kCharisma, 15, 15}},
     Only(kHuman | kHalfElf, "Un druido può essere solo umano o mezzelfo"),
     Only(kTrueNeutral, "Un druido può essere solo neutrale puro"),
     kRaceFirst},
    {"Paladino",
     {{kStrength, 12, 17},
      {kConstitution, 9, 11},
      {kWisdom, 13, 14},
      {kCharisma, 17, 18}},
     Only(kHuman, "Un paladino può essere solo umano"),
     Only(kLawfulGood, "Un paladino può essere solo legale buono"),
     kRaceFirst},
    {"Ladro",
     {{kDexterity, 9, 17}, {kStrength, 9, 11}, {kConstitution, 9, 12}},
     Not(kMinotaur, "Un minotauro non può fare il ladro"),
     Not(kLawfulGood, "Un ladro non può essere legale buono"),
     kRaceFirst},
    {"Bardo",
     {{kDexterity, 12, 14}, {kIntelligence, 13, 14}, {kCharisma, 15, 15}},
     Only(kHuman | kHalfElf, "Un bardo può essere solo umano o mezzelfo"),
     Only(kNeutralGood | kNeutralEvil | kTrueNeutral,
          "Un bardo deve essere neutrale"),
     kRaceFirst},
    {"Vendicatore(Ravenloft)",
     {{kStrength, 15, 16}, {kDexterity, 14, 14}, {kConstitution, 15, 16}},
     Only(kHuman | kDwarves, "Un vendicatore può essere solo umano o nano"),
     kNoRule,
     kRaceFirst},
    {"Wild mage(Forgotten realms)",
     {{kIntelligence, 16, 17}},
     Only(kHuman | kHalfElf | kElves,
          "Solo mezzelfi, umani ed elfi possono essere Wild mage"),
     kNoRule,
     kRaceFirst},
    {"Arcanista(Ravenloft)",
     {{kIntelligence, 15, 16}, {kWisdom, 15, 15}},
     Only(kHuman,
          "Un arcanista può essere solo umano o mezzo-vistano(Ravenloft)"),
     kNoRule,
     kRaceFirst},
    {"Ancorita(Ravenloft)",
     {{kWisdom, 12, 13}, {kCharisma, 15, 15}},
     Only(kHuman, "Un ancorita può essere solo umano"),
     kNoRule,
     kRaceFirst},
    {"Zingaro(Ravenloft)",
     {{kConstitution, 13, 13},
      {kIntelligence, 13, 13},
      {kWisdom, 13, 14},
      {kCharisma, 15, 15}},
     Only(kHuman | kHalfElf,
          "Uno zingaro può essere solo umano, mezzo-vistano(Ravenloft) o "
          "mezzelfo"),
     kNoRule,
     kRaceFirst},
    {"Mago/ladro",
     {{kIntelligence, 9, 14}, {kDexterity, 9, 13}},
     Only(kHalfElf | kElves, "Un mago/ladro può essere solo elfo o mezzelfo"),
     Not(kLawfulGood, "Un ladro/mago non può essere legale buono"),
     kAlignmentFirst},
    {"Guerriero/mago/chierico",
     {{kWisdom, 9, 12}, {kIntelligence, 9, 14}, {kStrength, 9, 10}},
     Only(kHalfElf, "Un guerriero/mago/chierico può essere solo mezzelfo"),
     kNoRule,
     kRaceFirst},
    {"Guerriero/mago/ladro",
     {{kWisdom, 9, 12}, {kIntelligence, 9, 14}, {kDexterity, 9, 10}},
     Only(kHalfElf | kElves,
          "Solo un mezzelfo o un elfo può essere guerriero/mago/ladro"),
     Not(kLawfulGood, "Un guerriero/mago/ladro non può essere legale buono"),
     kAlignmentFirst},
    {"Chierico/mago",
     {{kWisdom, 9, 13}, {kIntelligence, 9, 12}},
     Only(kHalfElf, "Solo un mezzelfo può essere chierico/mago"),
     kNoRule,
     kRaceFirst},
    {"Chierico/ranger",
     {{kStrength, 13, 13},
      {kDexterity, 13, 15},
      {kConstitution, 14, 14},
      {kWisdom, 14, 16}},
     Only(kHalfElf, "Solo un Mezzelfo può essere chierico/ranger"),
     kNoRule,
     kRaceFirst},
    {"Illusionista/ladro",
     {{kDexterity, 16, 16}, {kIntelligence, 9, 12}},
     Only(kGnomes, "Solo uno gnomo può essere ladro/illusionista"),
     Not(kLawfulGood, "Un ladro non può essere legale buono"),
     kAlignmentFirst},
    {"Ranger",
     {{kStrength, 13, 13},
      {kDexterity, 13, 15},
      {kConstitution, 14, 14},
      {kWisdom, 14, 16}},
     Only(kHuman | kHalfElf | kElves,
          "Un ranger può essere solo umano o mezzelfo o elfo"),
     Only(kNeutralGood | kLawfulGood | kChaoticGood,
          "Un ranger deve essere sempre buono"),
     kRaceFirst},
    {"Guerriero(puro)",
     {{kStrength, 9, 9}, {kConstitution, 10, 10}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Barbaro",
     {{kStrength, 15, 15}},
     Only(kHuman, "Un barbaro può essere solo umano"),
     kNoRule,
     kRaceFirst},
    {"Berserker",
     {{kStrength, 15, 15}, {kConstitution, 10, 10}, {kDexterity, 11, 11}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Cavaliere",
     {{kStrength, 15, 15},
      {kDexterity, 15, 15},
      {kConstitution, 15, 15},
      {kIntelligence, 10, 10},
      {kWisdom, 10, 10}},
     Only(kHuman | kHalfElf | kElves,
          "Un cavaliere può essere solo umano o mezzelfo o elfo"),
     kNoRule,
     kRaceFirst},
    {"Cavaliere selvaggio",
     {{kCharisma, 13, 13}, {kStrength, 9, 9}},
     Only(kHuman | kHalfElf | kElves,
          "Un cavaliere selvaggio può essere solo umano o mezzelfo o elfo"),
     kNoRule,
     kRaceFirst},
    {"Eroe popolare",
     {{kStrength, 9, 10}},
     Only(kHuman | kHalfElf | kHalflings,
          "Un eroe popolare può essere solo umano o mezzelfo o halfling"),
     kNoRule,
     kRaceFirst},
    {"Gladiatore", {{kStrength, 9, 9}}, kNoRule, kNoRule, kRaceFirst},
    {"Guerriero errante",
     {{kStrength, 9, 9}, {kConstitution, 13, 13}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Mirmidone",
     {{kStrength, 12, 12}, {kConstitution, 12, 12}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Nobile guerriero",
     {{kStrength, 13, 13}, {kConstitution, 13, 13}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Pirata/fuorilegge",
     {{kStrength, 9, 9}, {kDexterity, 10, 12}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Samurai",
     {{kStrength, 13, 13},
      {kWisdom, 13, 13},
      {kConstitution, 13, 13},
      {kIntelligence, 14, 14}},
     Only(kHuman, "Un samurai può essere solo umano"),
     kNoRule,
     kRaceFirst},
    {"Selvaggio",
     {{kStrength, 11, 11}, {kConstitution, 15, 15}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Spadaccino",
     {{kStrength, 9, 9}, {kIntelligence, 13, 13}, {kDexterity, 13, 13}},
     kNoRule,
     kNoRule,
     kRaceFirst},
    {"Mago generico",
     {{kIntelligence, 9, 14}, {kWisdom, 9, 13}, {kDexterity, 9, 14}},
     Only(kHuman | kHalfElf | kMinotaur | kElves,
          "Un mago generico può essere solo umano, mezzelfo, elfo o minotauro"),
     kNoRule,
     kRaceFirst},
    {"Alteratore",
     {{kIntelligence, 9, 13}, {kDexterity, 15, 15}},
     Only(kHuman | kHalfElf, "Un alteratore può essere solo umano o mezzelfo"),
     kNoRule,
     kRaceFirst},
    {"Convocatore",
     {{kIntelligence, 9, 9}, {kConstitution, 15, 15}},
     Only(kHuman | kHalfElf, "Un convocatore può essere solo umano o mezzelfo"),
     kNoRule,
     kRaceFirst},
    {"Divinatore",
     {{kIntelligence, 9, 9}, {kWisdom, 16, 17}},
     Only(kHuman | kHalfElf | kElves,
          "Un divinatore può essere solo umano, mezzelfo o elfo"),
     kNoRule,
     kRaceFirst},
    {"Illusionista",
     {{kIntelligence, 9, 16}, {kDexterity, 16, 16}},
     Only(kHuman | kGnomes, "Un illusionista può essere solo umano o gnomo"),
     kNoRule,
     kRaceFirst},
    {"Incantatore",
     {{kIntelligence, 9, 18}, {kCharisma, 16, 16}},
     Only(kHuman | kHalfElf | kElves,
          "Un incantatore può essere solo umano, mezzelfo o elfo "),
     kNoRule,
     kRaceFirst},
    {"Invocatore/evocatore",
     {{kIntelligence, 9, 17}, {kConstitution, 16, 16}},
     Only(kHuman, "Un invocatore può essere solo umano"),
     kNoRule,
     kRaceFirst},
    {"Negromante",
     {{kIntelligence, 9, 18}, {kWisdom, 16, 17}},
     Only(kHuman, "Un negromante può essere solo umano"),
     kNoRule,
     kRaceFirst},
    {"Scongiuratore",
     {{kIntelligence, 9, 16}, {kWisdom, 15, 15}},
     Only(kHuman, "Uno scongiuratore può essere solo umano"),
     kNoRule,
     kRaceFirst},
}};

const ClassRule* FindClassRule(std::string_view character_class) {
  for (const ClassRule& rule : kClassRules) {
    if (rule.characterClass == character_class) return &rule;
  }
  return nullptr;
}

}  // namespace

ClassOutcome ApplyClassRule(const AbilityScores& scores,
                            std::string_view character_class,
                            std::string_view race, std::string_view alignment,
                            RollLog* log) {
  ClassOutcome outcome{scores, {}, false};
  const ClassRule* rule = FindClassRule(character_class);
  if (rule == nullptr) return outcome;

  for (const Minimum& minimum : rule->minimums) {
    int& score = outcome.scores[IndexOf(minimum.ability)];
    if (score >= minimum.threshold) continue;
    if (log != nullptr) {
      log->Rule(std::string(kAbilityCaptions[IndexOf(minimum.ability)]),
                "minimo di " + std::string(character_class) + " (sotto " +
                    std::to_string(minimum.threshold) + " diventa " +
                    std::to_string(minimum.value) + ")",
                score, minimum.value);
    }
    score = minimum.value;
  }

  const bool race_broken = Breaks(rule->race, MemberOf(kRaceMembers, race));
  const bool alignment_broken =
      Breaks(rule->alignment, MemberOf(kAlignmentMembers, alignment));
  // `subject` is the refused choice's caption, `choice` the text picked and
  // `not_allowed` the words that refuse it, agreeing with the caption.
  const auto refuse = [&](std::string_view message, std::string_view subject,
                          std::string_view choice,
                          std::string_view not_allowed) {
    outcome.messages.push_back(message);
    if (log != nullptr) {
      log->Rule(std::string(subject),
                std::string(choice) + std::string(not_allowed) +
                    std::string(character_class) + ": «" +
                    std::string(message) + "»",
                {}, {});
      for (std::size_t i = 0; i < outcome.scores.size(); ++i) {
        if (outcome.scores[i] == 0) continue;
        log->Rule(std::string(kAbilityCaptions[i]),
                  "punteggio azzerato dalla regola infranta", outcome.scores[i],
                  0);
      }
    }
    outcome.scores.fill(0);
    outcome.refused = true;
  };
  const auto refuse_race = [&] {
    refuse(rule->race.message, "Razza", race, " non ammessa per ");
  };
  const auto refuse_alignment = [&] {
    refuse(rule->alignment.message, "Allineamento", alignment,
           " non ammesso per ");
  };
  switch (rule->order) {
    case RuleOrder::kRaceFirst:
      if (race_broken) refuse_race();
      if (alignment_broken) refuse_alignment();
      break;
    case RuleOrder::kAlignmentFirst:
      if (alignment_broken) refuse_alignment();
      if (race_broken) refuse_race();
      break;
  }
  return outcome;
}

bool ClassAcceptsRace(std::string_view character_class, std::string_view race) {
  const ClassRule* rule = FindClassRule(character_class);
  return rule == nullptr || !Breaks(rule->race, MemberOf(kRaceMembers, race));
}

bool ClassAcceptsAlignment(std::string_view character_class,
                           std::string_view alignment) {
  const ClassRule* rule = FindClassRule(character_class);
  return rule == nullptr ||
         !Breaks(rule->alignment, MemberOf(kAlignmentMembers, alignment));
}

}  // namespace quendaro
