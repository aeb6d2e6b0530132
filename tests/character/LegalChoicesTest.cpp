#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <tuple>
#include <vector>

#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "character/LegalChoices.h"
#include "random/RandomSource.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

using testing::DrawFor;

using Triple = std::tuple<std::string_view, std::string_view, std::string_view>;

// Scores high enough that no minimum matters; only the race and alignment
// rules decide whether a message comes.
constexpr AbilityScores kAnyScores{12, 12, 12, 12, 12, 12};

// Every race, class and alignment of the window's lists that the class rules
// accept without a message, found by asking the rules themselves.
std::set<Triple> LegalTriples() {
  std::set<Triple> legal;
  for (std::string_view race : kRaceChoices) {
    for (std::string_view character_class : kClassChoices) {
      for (std::string_view alignment : kAlignmentChoices) {
        const ClassOutcome outcome =
            ApplyClassRule(kAnyScores, character_class, race, alignment);
        if (outcome.messages.empty()) {
          legal.emplace(race, character_class, alignment);
        }
      }
    }
  }
  return legal;
}

// One pick on the given draws, which it must use up exactly.
LegalChoices PickWith(RandomSource& random, const std::vector<float>& draws) {
  random.ScriptDraws(draws);
  const std::size_t before = random.DrawCount();
  LegalChoices choices = PickLegalChoices(random);
  EXPECT_EQ(random.DrawCount() - before, 4u);
  EXPECT_EQ(random.ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(random.ReseedCount(), 0u);
  return choices;
}

float Index(std::size_t candidates, std::size_t index) {
  return DrawFor(static_cast<int>(candidates), 0, static_cast<int>(index));
}

TEST(LegalChoicesTest, AcceptanceQueriesAgreeWithTheRulesMessages) {
  for (std::string_view race : kRaceChoices) {
    for (std::string_view character_class : kClassChoices) {
      for (std::string_view alignment : kAlignmentChoices) {
        const bool quiet =
            ApplyClassRule(kAnyScores, character_class, race, alignment)
                .messages.empty();
        EXPECT_EQ(ClassAcceptsRace(character_class, race) &&
                      ClassAcceptsAlignment(character_class, alignment),
                  quiet)
            << character_class << ", " << race << ", " << alignment;
      }
    }
  }
}

TEST(LegalChoicesTest, TheRulesLeave3483LegalCharacters) {
  // Counted by hand from the 41 rules: for each class, the races it takes
  // times the alignments it takes (Ladro: 24 races by 8 alignments, Ranger:
  // 8 by 3, Druido: 2 by 1, ...).
  EXPECT_EQ(LegalTriples().size(), 3483u);
}

TEST(LegalChoicesTest, PickerReachesExactlyTheLegalCharacters) {
  RandomSource random(7);
  std::set<Triple> reached;
  std::size_t picks = 0;
  const std::size_t races =
      PickWith(random, {0, 0, 0, 0}).steps[0].candidates.size();
  EXPECT_EQ(races, kRaceChoices.size());
  for (std::size_t r = 0; r < races; ++r) {
    const std::size_t classes =
        PickWith(random, {Index(races, r), 0, 0, 0}).steps[1].candidates.size();
    for (std::size_t c = 0; c < classes; ++c) {
      const std::size_t alignments =
          PickWith(random, {Index(races, r), Index(classes, c), 0, 0})
              .steps[2]
              .candidates.size();
      for (std::size_t a = 0; a < alignments; ++a) {
        const LegalChoices choices = PickWith(
            random,
            {Index(races, r), Index(classes, c), Index(alignments, a), 0});
        EXPECT_EQ(choices.race, choices.steps[0].candidates[r]);
        EXPECT_EQ(choices.character_class, choices.steps[1].candidates[c]);
        EXPECT_EQ(choices.alignment, choices.steps[2].candidates[a]);
        reached.emplace(choices.race, choices.character_class,
                        choices.alignment);
        ++picks;
      }
    }
  }
  // No triple is reached twice, so every step's candidates are distinct.
  EXPECT_EQ(reached.size(), picks);
  const std::set<Triple> legal = LegalTriples();
  for (const Triple& triple : legal) {
    EXPECT_TRUE(reached.contains(triple))
        << "never picked: " << std::get<1>(triple) << ", "
        << std::get<0>(triple) << ", " << std::get<2>(triple);
  }
  for (const Triple& triple : reached) {
    EXPECT_TRUE(legal.contains(triple))
        << "picked but refused: " << std::get<1>(triple) << ", "
        << std::get<0>(triple) << ", " << std::get<2>(triple);
  }
}

TEST(LegalChoicesTest, StepsListTheirCandidatesInTheWindowsOrder) {
  RandomSource random(7);
  // The minotaur is the last race; a minotaur takes the ten classes without
  // a race rule and the generic mage, never the thief.
  const LegalChoices minotaur =
      PickWith(random, {testing::kLargestDraw, 0, 0, 0});
  EXPECT_EQ(minotaur.race, "Minotauro(Dragonlance)");
  const std::vector<std::string_view> classes = {
      "Guerriero(puro)",   "Berserker", "Gladiatore",
      "Guerriero errante", "Mirmidone", "Nobile guerriero",
      "Pirata/fuorilegge", "Selvaggio", "Spadaccino",
      "Mago generico",     "Chierico"};
  EXPECT_EQ(minotaur.steps[1].candidates, classes);
  EXPECT_EQ(minotaur.character_class, "Guerriero(puro)");
  EXPECT_EQ(minotaur.steps[2].candidates.size(), kAlignmentChoices.size());

  const std::vector<std::string_view> captions = {"Razza", "Classe",
                                                  "Allineamento", "Sesso"};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    EXPECT_EQ(minotaur.steps[i].caption, captions[i]);
  }
  EXPECT_EQ(minotaur.steps[0].picked, minotaur.race);
  EXPECT_EQ(minotaur.steps[3].picked, minotaur.sex);
}

TEST(LegalChoicesTest, AlignmentStepOffersOnlyWhatTheClassAllows) {
  struct Case {
    std::string_view race;
    std::string_view character_class;
    std::vector<std::string_view> alignments;
  };
  const std::vector<Case> cases = {
      {"Umano", "Paladino", {"Legale/buono"}},
      {"Mezzelfo", "Druido", {"Neutrale(puro)"}},
      {"Umano",
       "Bardo",
       {"Neutrale/buono", "Neutrale/malvagio", "Neutrale(puro)"}},
      {"Elfo alto",
       "Ranger",
       {"Legale/buono", "Caotico/buono", "Neutrale/buono"}},
      {"Gnomo delle rocce",
       "Illusionista/ladro",
       {"Legale/malvagio", "Legale/neutrale", "Caotico/buono",
        "Caotico/malvagio", "Neutrale/buono", "Neutrale/malvagio",
        "Caotico/neutrale", "Neutrale(puro)"}},
  };
  RandomSource random(7);
  for (const Case& c : cases) {
    const std::size_t race = static_cast<std::size_t>(
        std::find(kRaceChoices.begin(), kRaceChoices.end(), c.race) -
        kRaceChoices.begin());
    const std::vector<std::string_view> classes =
        PickWith(random, {Index(kRaceChoices.size(), race), 0, 0, 0})
            .steps[1]
            .candidates;
    const auto found =
        std::find(classes.begin(), classes.end(), c.character_class);
    ASSERT_NE(found, classes.end()) << c.character_class << ", " << c.race;
    const LegalChoices choices = PickWith(
        random, {Index(kRaceChoices.size(), race),
                 Index(classes.size(),
                       static_cast<std::size_t>(found - classes.begin())),
                 0, 0});
    EXPECT_EQ(choices.character_class, c.character_class);
    EXPECT_EQ(choices.steps[2].candidates, c.alignments) << c.character_class;
  }
}

TEST(LegalChoicesTest, SexIsMaleOrFemaleByTheLastDraw) {
  RandomSource random(7);
  EXPECT_EQ(PickWith(random, {0, 0, 0, 0}).sex, "Maschio");
  EXPECT_EQ(PickWith(random, {0, 0, 0, testing::kLargestDraw}).sex, "Femmina");
}

// Whatever is locked, every pick around it is a legal character, and every
// legal character that keeps the locks can be picked: the open steps offer
// exactly what the rules leave open with every lock.
TEST(LegalChoicesTest, LocksNarrowEveryOpenStepToWhatTheRulesLeave) {
  const std::set<Triple> legal = LegalTriples();
  const std::vector<ChoiceLocks> kLocks = {
      {"Nano di collina", {}, {}, {}},
      {{}, "Paladino", {}, {}},
      {{}, "Mago/ladro", {}, "Femmina"},
      {{}, {}, "Caotico/malvagio", {}},
      {"Mezzelfo", {}, "Neutrale(puro)", {}},
      {{}, "Ranger", "Neutrale/buono", {}},
  };
  for (const ChoiceLocks& locks : kLocks) {
    const auto keeps = [&](const Triple& triple) {
      return (!locks.race || std::get<0>(triple) == *locks.race) &&
             (!locks.character_class ||
              std::get<1>(triple) == *locks.character_class) &&
             (!locks.alignment || std::get<2>(triple) == *locks.alignment);
    };
    std::set<Triple> wanted;
    for (const Triple& triple : legal) {
      if (keeps(triple)) wanted.insert(triple);
    }
    std::set<Triple> reached;
    RandomSource random(11);
    for (int i = 0; i < 4000; ++i) {
      const std::size_t before = random.DrawCount();
      const LegalChoices choices = PickLegalChoices(locks, random);
      const std::size_t locked =
          (locks.race ? 1 : 0) + (locks.character_class ? 1 : 0) +
          (locks.alignment ? 1 : 0) + (locks.sex ? 1 : 0);
      ASSERT_EQ(random.DrawCount() - before, 4 - locked);
      const Triple triple{choices.race, choices.character_class,
                          choices.alignment};
      ASSERT_TRUE(wanted.contains(triple))
          << std::get<1>(triple) << ", " << std::get<0>(triple) << ", "
          << std::get<2>(triple);
      if (locks.sex) {
        EXPECT_EQ(choices.sex, *locks.sex);
      }
      reached.insert(triple);
    }
    EXPECT_TRUE(LockRefusals(locks).empty());
    // The smaller sets are reached whole; every set is hit widely.
    if (wanted.size() <= 100) {
      EXPECT_EQ(reached, wanted);
    }
    EXPECT_GE(reached.size() * 2, std::min<std::size_t>(wanted.size(), 400));
  }
}

// Locks no legal character keeps are refused with the class rule's own
// messages, in its order; the pick still fills the open steps, as close to
// the rules as the locks let it, and the roll raises the messages.
TEST(LegalChoicesTest, LocksThatBreakARuleAreRefusedWithItsMessages) {
  struct Case {
    ChoiceLocks locks;
    std::vector<std::string_view> messages;
  };
  const std::vector<Case> cases = {
      {{"Minotauro(Dragonlance)", "Ladro", {}, {}},
       {"Un minotauro non può fare il ladro"}},
      {{{}, "Paladino", "Caotico/buono", {}},
       {"Un paladino può essere solo legale buono"}},
      {{"Umano", "Mago/ladro", "Legale/buono", {}},
       {"Un ladro/mago non può essere legale buono",
        "Un mago/ladro può essere solo elfo o mezzelfo"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LockRefusals(c.locks), c.messages);
    RandomSource random(3);
    const LegalChoices choices = PickLegalChoices(c.locks, random);
    const ClassOutcome outcome = ApplyClassRule(
        kAnyScores, choices.character_class, choices.race, choices.alignment);
    EXPECT_EQ(outcome.messages, c.messages) << choices.race;
  }
}

}  // namespace
}  // namespace quendaro
