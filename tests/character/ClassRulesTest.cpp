#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "character/ClassRules.h"

namespace quendaro {
namespace {

using Messages = std::vector<std::string_view>;

constexpr AbilityScores kZero{0, 0, 0, 0, 0, 0};

TEST(ClassRulesTest, PaladinMinimumsRaiseLowScoresToFixedValues) {
  const ClassOutcome outcome = ApplyClassRule(
      {11, 10, 8, 9, 12, 16}, "Paladino", "Umano", "Legale/buono");
  EXPECT_EQ(outcome.scores, (AbilityScores{17, 10, 11, 9, 14, 18}));
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_FALSE(outcome.refused);
}

TEST(ClassRulesTest, ScoreEqualToTheThresholdStays) {
  struct Case {
    int strength;
    int expected;
  };
  for (const Case& c : {Case{8, 9}, Case{9, 9}, Case{10, 10}}) {
    const ClassOutcome outcome = ApplyClassRule(
        {c.strength, 10, 10, 10, 14, 10}, "Chierico", "Umano", "nessuno");
    EXPECT_EQ(outcome.scores[0], c.expected) << c.strength;
  }
}

TEST(ClassRulesTest, MinimumsIgnoreTheRaceLimits) {
  // A thinker gnome's wisdom stops at 12 when rolled, not when raised.
  const ClassOutcome outcome =
      ApplyClassRule({12, 12, 12, 12, 8, 12}, "Guerriero/chierico",
                     "Gnomo pensatore(Dragonlance)", "nessuno");
  EXPECT_EQ(outcome.scores[4], 13);
  EXPECT_FALSE(outcome.refused);
}

TEST(ClassRulesTest, UnknownClassChangesNothing) {
  const AbilityScores low{3, 3, 3, 3, 3, 3};
  for (std::string_view character_class :
       {"nessuna", "paladino", "Paladino ", ""}) {
    const ClassOutcome outcome =
        ApplyClassRule(low, character_class, "Mezzelfo", "nessuno");
    EXPECT_EQ(outcome.scores, low) << character_class;
    EXPECT_TRUE(outcome.messages.empty()) << character_class;
  }
}

TEST(ClassRulesTest, BrokenRulesRaiseTheirMessagesInTheClassOrder) {
  struct Case {
    std::string_view characterClass;
    std::string_view race;
    std::string_view alignment;
    Messages messages;
  };
  const Case cases[] = {
      {"Paladino",
       "Mezzelfo",
       "Caotico/buono",
       {"Un paladino può essere solo umano",
        "Un paladino può essere solo legale buono"}},
      {"Ladro",
       "Minotauro(Dragonlance)",
       "Legale/buono",
       {"Un minotauro non può fare il ladro",
        "Un ladro non può essere legale buono"}},
      // These three test the alignment before the race.
      {"Mago/ladro",
       "Umano",
       "Legale/buono",
       {"Un ladro/mago non può essere legale buono",
        "Un mago/ladro può essere solo elfo o mezzelfo"}},
      {"Guerriero/mago/ladro",
       "Umano",
       "Legale/buono",
       {"Un guerriero/mago/ladro non può essere legale buono",
        "Solo un mezzelfo o un elfo può essere guerriero/mago/ladro"}},
      {"Illusionista/ladro",
       "Umano",
       "Legale/buono",
       {"Un ladro non può essere legale buono",
        "Solo uno gnomo può essere ladro/illusionista"}},
      {"Druido",
       "Umano",
       "nessuno",
       {"Un druido può essere solo neutrale puro"}},
      {"Bardo",
       "Elfo alto",
       "Neutrale(puro)",
       {"Un bardo può essere solo umano o mezzelfo"}},
      {"Ranger",
       "Nano di collina",
       "Neutrale(puro)",
       {"Un ranger può essere solo umano o mezzelfo o elfo",
        "Un ranger deve essere sempre buono"}},
      {"Incantatore",
       "Nano di fosso",
       "nessuno",
       {"Un incantatore può essere solo umano, mezzelfo o elfo "}},
      {"Invocatore/evocatore",
       "Mezzelfo",
       "nessuno",
       {"Un invocatore può essere solo umano"}},
      // Each of these names the class it refuses.
      {"Negromante",
       "Mezzelfo",
       "nessuno",
       {"Un negromante può essere solo umano"}},
      {"Scongiuratore",
       "Elfo grigio",
       "nessuno",
       {"Uno scongiuratore può essere solo umano"}},
      // A missing race is no race a rule allows.
      {"Barbaro", "nessuna", "nessuno", {"Un barbaro può essere solo umano"}},
  };
  for (const Case& c : cases) {
    const ClassOutcome outcome = ApplyClassRule(
        {18, 18, 18, 18, 18, 18}, c.characterClass, c.race, c.alignment);
    EXPECT_EQ(outcome.messages, c.messages) << c.characterClass;
    EXPECT_EQ(outcome.scores, kZero) << c.characterClass;
    EXPECT_TRUE(outcome.refused) << c.characterClass;
  }
}

TEST(ClassRulesTest, AllowedCombinationsPassSilently) {
  struct Case {
    std::string_view characterClass;
    std::string_view race;
    std::string_view alignment;
  };
  const Case cases[] = {
      {"Guerriero/chierico", "Nano di fosso", "nessuno"},
      {"Guerriero/chierico", "Gnomo delle foreste", "Legale/buono"},
      {"Vendicatore(Ravenloft)", "Nano grigio(Duergar)", "nessuno"},
      {"Eroe popolare", "Kender(Dragonlance)", "nessuno"},
      {"Mago generico", "Minotauro(Dragonlance)", "nessuno"},
      {"Wild mage(Forgotten realms)", "Elfo alato(Avariel)", "nessuno"},
      {"Ladro", "Umano", "Caotico/neutrale"},
      {"Ladro", "Umano", "nessuno"},
      {"Bardo", "Mezzelfo", "Neutrale/malvagio"},
      {"Ranger", "Elfo silvano", "Caotico/buono"},
      {"Illusionista", "Gnomo delle rocce", "nessuno"},
      {"Guerriero(puro)", "nessuna", "nessuno"},
  };
  for (const Case& c : cases) {
    const ClassOutcome outcome = ApplyClassRule(
        {18, 18, 18, 18, 18, 18}, c.characterClass, c.race, c.alignment);
    EXPECT_TRUE(outcome.messages.empty())
        << c.characterClass << " / " << c.race << " / " << c.alignment;
    EXPECT_FALSE(outcome.refused) << c.characterClass;
  }
}

TEST(ClassRulesTest, RaisedMinimumDoesNotSurviveARefusal) {
  const ClassOutcome outcome = ApplyClassRule(
      {10, 12, 12, 12, 12, 12}, "Barbaro", "Elfo alto", "nessuno");
  EXPECT_EQ(outcome.messages, Messages{"Un barbaro può essere solo umano"});
  EXPECT_EQ(outcome.scores, kZero);
}

}  // namespace
}  // namespace quendaro
