#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hitpoints/HitPointTable.h"
#include "npc/HitPointGroups.h"
#include "npc/NpcGenerator.h"
#include "npc/Party.h"
#include "random/RandomSource.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

using testing::DrawFor;
using testing::kLargestDraw;
using testing::kSmallestDraw;

std::vector<int> ByClass(const NpcHitPoints& rolled) {
  std::vector<int> hit_points;
  for (const ClassHitPoints& one : rolled.by_class) {
    hit_points.push_back(one.hit_points);
  }
  return hit_points;
}

TEST(NpcGeneratorTest, MultiClassHitPointsAreTheAverageRoundedDown) {
  struct Case {
    std::string_view character_class;
    int level;
    std::vector<float> draws;
    std::vector<int> by_class;
    int hit_points;
  };
  const std::vector<Case> cases = {
      // Warrior 1-10, wizard 1-4, rogue 1-6: 19 / 3 drops the third.
      {"Guerriero/mago/ladro",
       1,
       {DrawFor(10, 1, 10), DrawFor(4, 1, 4), DrawFor(6, 1, 5)},
       {10, 4, 5},
       6},
      // Priest 1-8, wizard 1-4: 3 / 2 drops the half.
      {"Chierico/mago", 1, {kSmallestDraw, DrawFor(4, 1, 2)}, {1, 2}, 1},
      // Priest 18-72 + 8 and warrior 18-90 + 12 at level 13.
      {"Chierico/ranger", 13, {kLargestDraw, kLargestDraw}, {80, 102}, 91},
      {"Guerriero(puro)", 13, {kLargestDraw}, {102}, 102},
      {"Invocatore/evocatore", 20, {kSmallestDraw}, {28}, 28},
      {"Pirata/fuorilegge", 2, {kLargestDraw}, {20}, 20},
  };
  for (const Case& c : cases) {
    RandomSource random(1);
    RollLog log;
    random.SetLog(&log);
    random.ScriptDraws(c.draws);
    const NpcHitPoints rolled =
        RollNpcHitPoints(c.character_class, c.level, random);
    EXPECT_EQ(random.ScriptedDrawsLeft(), 0u) << c.character_class;
    EXPECT_EQ(random.DrawCount(), c.draws.size()) << c.character_class;
    EXPECT_EQ(ByClass(rolled), c.by_class) << c.character_class;
    EXPECT_EQ(rolled.hit_points, c.hit_points) << c.character_class;
    // The steps of a multi-class character end with the average.
    const RollStep& last = log.Steps().back();
    if (c.by_class.size() > 1) {
      EXPECT_EQ(last.rule, "media delle " + std::to_string(c.by_class.size()) +
                               " classi, frazioni scartate");
      EXPECT_EQ(last.value, StepValue(c.hit_points));
    } else {
      EXPECT_EQ(last.rule.find("media"), std::string::npos);
    }
  }
}

TEST(NpcGeneratorTest, AClassOutsideTheListHasNoHitPointsAndDrawsNothing) {
  RandomSource random(1);
  const NpcHitPoints rolled = RollNpcHitPoints("nessuna", 5, random);
  EXPECT_TRUE(rolled.by_class.empty());
  EXPECT_EQ(rolled.hit_points, 0);
  EXPECT_EQ(random.DrawCount(), 0u);
}

TEST(NpcGeneratorTest, TheNameAndBuildFollowTheRaceAndSex) {
  // Race 1 of 25 ("Elfo alto"), its first class, its first alignment, then
  // the sex; three draws for the name and three for age, height and weight.
  struct Case {
    float sex_draw;
    std::string_view sex;
    std::string_view name;
    Physique physique;
  };
  for (const Case& c :
       {Case{kSmallestDraw, "Maschio", "Aedan", {110, 142, 42}},
        Case{kLargestDraw, "Femmina", "Elinynys", {135, 152, 45}}}) {
    RandomSource random(1);
    std::vector<float> draws = {0, 0, 0, c.sex_draw};
    draws.insert(draws.end(), 6, c.sex_draw);
    random.ScriptDraws(draws);
    const NpcIdentity identity = PickNpcIdentity({}, random);
    EXPECT_EQ(identity.choices.race, "Elfo alto");
    EXPECT_EQ(identity.choices.sex, c.sex);
    EXPECT_EQ(identity.name, c.name);
    EXPECT_EQ(identity.physique, c.physique);
    EXPECT_EQ(random.ScriptedDrawsLeft(), 0u);
    const CharacterRequest request = RequestFor(identity);
    EXPECT_EQ(request.age, std::to_string(c.physique.age));
    EXPECT_EQ(request.height, std::to_string(c.physique.height_cm));
    EXPECT_EQ(request.weight, std::to_string(c.physique.weight_kg));
  }
}

std::uint64_t FrozenClock() { return 0; }

// Ten thousand NPCs, each an adult of its race's table, as tall and heavy as
// the race's ranges allow for the sex, named from the race's set, and as
// good in a fight as the tables say for its class group and level.
TEST(NpcGeneratorTest, EveryNpcIsAWholeCharacterWithoutAMessage) {
  const NpcGenerator generator;
  for (std::uint64_t seed = 0; seed < 10'000; ++seed) {
    RandomSource random(seed, &FrozenClock);
    RollLog log;
    random.SetLog(&log);
    const int level = static_cast<int>(seed % 20) + 1;
    const Npc npc = generator.Generate({level, {}}, random);
    const LegalChoices& choices = npc.identity.choices;
    SCOPED_TRACE(std::string(choices.character_class) + ", " +
                 std::string(choices.race) + ", " +
                 std::string(choices.alignment));
    EXPECT_TRUE(npc.character.messages.empty());
    EXPECT_EQ(npc.character.request.race, choices.race);
    EXPECT_EQ(npc.character.request.character_class, choices.character_class);
    EXPECT_EQ(npc.character.request.alignment, choices.alignment);
    EXPECT_EQ(npc.character.request.sex, choices.sex);
    EXPECT_EQ(npc.character.request.name, npc.identity.name);
    EXPECT_FALSE(npc.identity.name.empty());
    EXPECT_EQ(npc.level, level);

    const RaceTraits& traits = *TraitsOfRace(choices.race);
    const std::size_t sex = choices.sex == "Femmina" ? 1 : 0;
    ASSERT_TRUE(npc.character.age_years && npc.character.height_cm &&
                npc.character.weight_kg);
    EXPECT_GE(*npc.character.age_years, traits.starting_age.low);
    EXPECT_LE(*npc.character.age_years, traits.starting_age.high);
    EXPECT_GE(*npc.character.height_cm, traits.height_cm[sex].low);
    EXPECT_LE(*npc.character.height_cm, traits.height_cm[sex].high);
    EXPECT_GE(*npc.character.weight_kg, traits.weight_kg[sex].low);
    EXPECT_LE(*npc.character.weight_kg, traits.weight_kg[sex].high);
    EXPECT_NE(npc.character.age_category, "");
    // The name is the three parts the set's draws picked.
    const std::string set_subject =
        "Nome (" + std::string(NameSetKey(traits.name_set)) + "), ";
    std::string from_parts;
    int parts = 0;
    for (const RollStep& step : log.Steps()) {
      if (step.kind != RollStepKind::kRule) continue;
      if (step.subject.starts_with("Nome (")) {
        EXPECT_TRUE(step.subject.starts_with(set_subject)) << step.subject;
        if (const auto* part = std::get_if<std::string>(&step.value)) {
          from_parts += *part;
        }
        ++parts;
      }
    }
    EXPECT_EQ(parts, 3);
    EXPECT_EQ(from_parts, npc.identity.name);

    ASSERT_TRUE(npc.combat.has_value());
    const auto groups = HitPointGroupsOf(choices.character_class);
    ASSERT_EQ(npc.hit_points.by_class.size(), groups.size());
    int sum = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
      const ClassHitPoints& one = npc.hit_points.by_class[i];
      EXPECT_EQ(one.group, groups[i]);
      const HitPointRange& range = HitPointRangeFor(groups[i], level, false);
      EXPECT_GE(one.hit_points, range.low + range.addition);
      EXPECT_LE(one.hit_points, range.high + range.addition);
      sum += one.hit_points;
    }
    EXPECT_EQ(npc.hit_points.hit_points, sum / static_cast<int>(groups.size()));
    for (ClassGroup group : groups) {
      const CombatNumbers own = CombatNumbersOf(group, level);
      EXPECT_LE(npc.combat->thac0, own.thac0);
      for (int i = 0; i < kSavingThrowCount; ++i) {
        EXPECT_LE(npc.combat->saving_throws[i], own.saving_throws[i]);
      }
    }
    EXPECT_EQ(npc.combat, CombatNumbersOfClass(choices.character_class, level));
  }
}

TEST(NpcGeneratorTest, LockedChoicesAreKeptAndTheRestIsLegal) {
  const NpcGenerator generator;
  RandomSource random(5, &FrozenClock);
  NpcRequest request{7, {"Nano di collina", {}, {}, "Femmina"}};
  for (int i = 0; i < 100; ++i) {
    const Npc npc = generator.Generate(request, random);
    EXPECT_EQ(npc.character.race, "Nano di collina");
    EXPECT_EQ(npc.character.sex, "Femmina");
    EXPECT_TRUE(npc.character.messages.empty())
        << npc.character.character_class;
    EXPECT_EQ(npc.level, 7);
  }
  // A set no rule allows still makes a character, with the rule's message.
  request.locks = {"Minotauro(Dragonlance)", "Ladro", {}, {}};
  const Npc thief = generator.Generate(request, random);
  EXPECT_EQ(thief.character.messages,
            std::vector<std::string>{"Un minotauro non può fare il ladro"});
}

// The steps of a party read NPC by NPC: each NPC's own come after the step
// that names it, and a row rolled again alone says so.
TEST(NpcGeneratorTest, APartysStepsNameEachNpcBeforeItsOwn) {
  RandomSource random(3, &FrozenClock);
  RollLog log;
  random.SetLog(&log);
  Party party = GenerateParty({4, {}}, 3, random);
  RerollMember(party, 1, random);
  std::vector<std::string> marks;
  for (const RollStep& step : log.Steps()) {
    if (step.subject == "PNG") marks.push_back(step.rule);
  }
  EXPECT_EQ(marks,
            (std::vector<std::string>{"il 1° di 3", "il 2° di 3", "il 3° di 3",
                                      "il 2° di 3, tirato di nuovo"}));
  EXPECT_EQ(log.Steps().front().subject, "PNG");
}

TEST(NpcGeneratorTest, AReusedNpcComesOutAsAFreshOne) {
  const NpcGenerator generator;
  // The character's reseeds read the clock: both sources read the same.
  const RandomSource::Clock frozen = [] { return std::uint64_t{42}; };
  RandomSource fresh_random(21, frozen);
  RandomSource reused_random(21, frozen);
  Npc reused;
  for (int i = 0; i < 300; ++i) {
    const int level = kLowestNpcLevel + i % kHighestNpcLevel;
    const Npc fresh = generator.Generate({level, {}}, fresh_random);
    generator.Generate({level, {}}, reused_random, reused);
    ASSERT_EQ(reused.character, fresh.character) << "NPC " << i;
    EXPECT_EQ(reused.identity.name, fresh.identity.name);
    EXPECT_EQ(reused.identity.choices.character_class,
              fresh.identity.choices.character_class);
    EXPECT_EQ(reused.level, fresh.level);
    EXPECT_EQ(ByClass(reused.hit_points), ByClass(fresh.hit_points));
    EXPECT_EQ(reused.hit_points.hit_points, fresh.hit_points.hit_points);
  }
}

}  // namespace
}  // namespace quendaro
