// The roll audit of every generator: each draw is logged with its caption
// and range, and the logged draws alone, fed back to a fresh source, make
// the same result again, so nothing that decides a result goes unlogged.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "character/AbilityScores.h"
#include "character/CharacterChoices.h"
#include "character/CharacterGenerator.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "npc/NpcGenerator.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/HitPointPresentation.h"
#include "presentation/NamePresentation.h"
#include "presentation/NpcPresentation.h"
#include "presentation/RollStepPresentation.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"
#include "random/RandomSource.h"
#include "random/RollLog.h"
#include "support/Replay.h"
#include "treasure/TreasureGenerator.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro {
namespace {

using testing::DrawsOf;
using testing::DrawStepCount;

constexpr int kSeeds = 400;

// A clock that moves on every reading, as the wall clock does between the
// character generator's reseeds.
std::uint64_t TickingClock() {
  static std::uint64_t now = 0;
  return now += 1000;
}

// Runs `generate` once on a seeded source with a log and once on a source
// scripted with the logged draws; both results must be the same. Returns the
// steps of the first run.
template <typename Generate>
std::vector<RollStep> CheckReplay(std::uint64_t seed, Generate generate) {
  RandomSource logged(seed, &TickingClock);
  RollLog log;
  logged.SetLog(&log);
  const auto first = generate(logged);
  std::vector<RollStep> steps = log.Take();

  EXPECT_EQ(static_cast<std::size_t>(DrawStepCount(steps)), logged.DrawCount())
      << "a draw went unlogged, seed " << seed;
  for (const RollStep& step : steps) {
    if (step.kind != RollStepKind::kDraw) continue;
    const int value = std::get<int>(step.value);
    EXPECT_LE(step.low, value) << step.subject << ", seed " << seed;
    EXPECT_GE(step.high, value) << step.subject << ", seed " << seed;
  }

  RandomSource replayed(seed + 1000003, &TickingClock);
  replayed.ScriptDraws(DrawsOf(steps));
  const auto second = generate(replayed);
  EXPECT_EQ(replayed.ScriptedDrawsLeft(), 0u) << "seed " << seed;
  EXPECT_EQ(first, second) << "seed " << seed;
  return steps;
}

TEST(RollAuditTest, ReplayDrawsHitEveryValueOfTheWidestRanges) {
  // The widest treasure range and the percentages: a float draw made from a
  // logged value must land on that value at both ends and in between.
  const std::vector<std::pair<int, int>> ranges = {
      {18001, 2000}, {18001, 1000}, {15001, 3000}, {100, 1}, {1, 0}};
  for (const auto& [count, low] : ranges) {
    RollLog log;
    for (int value = low; value < low + count; ++value) {
      log.Draw("tiro", low, low + count - 1, value);
    }
    RandomSource random(1);
    random.ScriptDraws(DrawsOf(log.Steps()));
    for (int value = low; value < low + count; ++value) {
      ASSERT_EQ(random.Roll(count, low), value)
          << "Roll(" << count << ", " << low << ")";
    }
  }
}

TEST(RollAuditTest, StepsReadAsSentences) {
  RollLog log;
  log.Draw("FORZA", 3, 18, 11);
  log.Rule("COSTITUZIONE", "minimo di Guerriero(puro)", 8, 10);
  log.Rule("Categoria d'età", "20 anni, fascia da più di 0 a meno di 45", {},
           std::string("Giovane"));
  log.Rule("Tesoro A: rame", "probabilità del 25% mancata", {}, {});
  log.Rule("Forza eccezionale", "annullata dalla regola infranta", 57, {});
  const std::vector<std::string> expected = {
      "FORZA: tiro fra 3 e 18 → 11",
      "COSTITUZIONE: minimo di Guerriero(puro) 8 → 10",
      "Categoria d'età: 20 anni, fascia da più di 0 a meno di 45 → Giovane",
      "Tesoro A: rame: probabilità del 25% mancata",
      "Forza eccezionale: annullata dalla regola infranta 57 → nessun valore",
  };
  ASSERT_EQ(log.Steps().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(StepText(log.Steps()[i]), expected[i]);
  }
  EXPECT_EQ(StepLabel(log.Steps()[1]),
            "COSTITUZIONE: minimo di Guerriero(puro)");
  EXPECT_EQ(StepLabel(log.Steps()[0]), "FORZA");
}

TEST(RollAuditTest, NobodyListeningMeansNoLabelIsMade) {
  RandomSource random(3);
  int labels = 0;
  random.Roll(100, 1, [&] {
    ++labels;
    return std::string("PF");
  });
  EXPECT_EQ(labels, 0);
  RollLog log;
  random.SetLog(&log);
  random.Roll(100, 1, [&] {
    ++labels;
    return std::string("PF");
  });
  EXPECT_EQ(labels, 1);
  EXPECT_EQ(log.Steps().size(), 1u);
}

CharacterRequest RequestFor(std::uint64_t seed) {
  CharacterRequest request;
  request.race = std::string(kRaceChoices[seed % kRaceChoices.size()]);
  request.character_class =
      std::string(kClassChoices[(seed / 3) % kClassChoices.size()]);
  request.alignment =
      std::string(kAlignmentChoices[(seed / 7) % kAlignmentChoices.size()]);
  request.sex = "Maschio";
  // Ages from young to well past any race's maximum, and now and then the
  // pre-set character's name.
  request.age = std::to_string((seed * 37) % 700);
  if (seed % 50 == 0) request.name = "Orvo";
  return request;
}

TEST(RollAuditTest, CharacterReplaysFromItsLoggedDraws) {
  const CharacterGenerator generator(',');
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const CharacterRequest request = RequestFor(seed);
    CharacterSheet sheet;
    const std::vector<RollStep> steps =
        CheckReplay(seed, [&](RandomSource& random) {
          sheet = generator.Generate(request, random);
          return ResultJson(sheet).dump();
        });

    // Every score has its draw under its caption, and a score that is not
    // its draw has a rule step under the same caption that leaves it so.
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
      const auto draw = std::find_if(steps.begin(), steps.end(), [&](auto& s) {
        return s.kind == RollStepKind::kDraw &&
               s.subject == kAbilityCaptions[i];
      });
      ASSERT_NE(draw, steps.end()) << kAbilityCaptions[i] << ", seed " << seed;
      if (std::get<int>(draw->value) == sheet.scores[i]) continue;
      const auto last_rule =
          std::find_if(steps.rbegin(), steps.rend(), [&](auto& s) {
            return s.kind == RollStepKind::kRule &&
                   s.subject == kAbilityCaptions[i];
          });
      ASSERT_NE(last_rule, steps.rend())
          << kAbilityCaptions[i] << " changed without a rule, seed " << seed;
      EXPECT_EQ(std::get<int>(last_rule->value), sheet.scores[i])
          << kAbilityCaptions[i] << ", seed " << seed;
    }
  }
}

TEST(RollAuditTest, TreasureReplaysFromItsLoggedDraws) {
  const TreasureGenerator generator;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    TreasureGenerator::Counts counts{};
    for (std::size_t type = 0; type < counts.size(); ++type) {
      counts[type] = static_cast<int>((seed + type * 5) % 6);
    }
    CheckReplay(seed, [&](RandomSource& random) {
      return ResultJson(generator.Generate(counts, random)).dump();
    });
  }
}

TEST(RollAuditTest, WeaponReplaysFromItsLoggedDraws) {
  const WeaponGenerator generator;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    CheckReplay(seed, [&](RandomSource& random) {
      return ResultJson(generator.Generate(random)).dump();
    });
  }
}

TEST(RollAuditTest, HitPointsReplayFromTheirLoggedDraw) {
  const HitPointRoller roller(',');
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const auto group = static_cast<ClassGroup>(seed % kClassGroupCount);
    const std::string level = std::to_string(1 + seed % 20);
    const std::vector<RollStep> steps =
        CheckReplay(seed, [&](RandomSource& random) {
          return ResultJson(
                     roller.RollHitPoints(group, level, seed % 3 == 0, random))
              .dump();
        });
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().subject, "PF");
  }
}

TEST(RollAuditTest, NamesReplayFromTheirLoggedDraws) {
  const NameGenerator generator;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const auto choice = static_cast<NameChoice>(seed % 3);
    CheckReplay(seed, [&](RandomSource& random) {
      return ResultJson(generator.GenerateName(choice, random)).dump();
    });
  }
}

TEST(RollAuditTest, NpcsReplayFromTheirLoggedDrawsAndNameEachPick) {
  const NpcGenerator generator;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    Npc npc;
    const std::vector<RollStep> steps = CheckReplay(seed, [&](RandomSource&
                                                                  random) {
      npc = generator.Generate({1 + static_cast<int>(seed % 20), {}}, random);
      return ResultJson(npc).dump();
    });
    // Race, class, alignment and sex come first, each a draw and then the
    // text it picked.
    ASSERT_GE(steps.size(), 8u);
    const std::vector<std::string> picked = {
        npc.character.race, npc.character.character_class,
        npc.character.alignment, npc.character.sex};
    const std::vector<std::string> captions = {"Razza", "Classe",
                                               "Allineamento", "Sesso"};
    for (std::size_t i = 0; i < captions.size(); ++i) {
      EXPECT_EQ(steps[2 * i].kind, RollStepKind::kDraw);
      EXPECT_EQ(steps[2 * i].subject, captions[i]);
      EXPECT_EQ(steps[2 * i + 1].subject, captions[i]);
      EXPECT_EQ(std::get<std::string>(steps[2 * i + 1].value), picked[i])
          << "seed " << seed;
    }
  }
}

}  // namespace
}  // namespace quendaro
