// The cost of one press of each generator's button, without the window: the
// generator object on the program's own source, clock reads and reseeds
// included, and the texts it hands back.

#include <benchmark/benchmark.h>

#include "character/CharacterGenerator.h"
#include "character/CharacterSheet.h"
#include "hitpoints/ClassGroup.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "random/RandomSource.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/contents/ContentsGenerator.h"
#include "treasure/contents/ContentsSeed.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro {
namespace {

void BM_Character(benchmark::State& state) {
  RandomSource random;
  const CharacterGenerator generator(',');
  CharacterRequest request;
  request.race = "Umano";
  request.character_class = "Guerriero(puro)";
  request.alignment = "Legale/buono";
  request.sex = "Maschio";
  request.name = "Brunilde";
  request.age = "20";
  for (auto _ : state) {
    benchmark::DoNotOptimize(generator.Generate(request, random));
  }
}
BENCHMARK(BM_Character);

void BM_TreasureAllTypesAtFive(benchmark::State& state) {
  RandomSource random;
  const TreasureGenerator generator;
  TreasureGenerator::Counts counts;
  counts.fill(5);
  for (auto _ : state) {
    benchmark::DoNotOptimize(generator.Generate(counts, random));
  }
}
BENCHMARK(BM_TreasureAllTypesAtFive);

// The same lair and every gem, art object and magic item in it.
void BM_TreasureAllTypesAtFiveWithContents(benchmark::State& state) {
  RandomSource random;
  const TreasureGenerator generator;
  const ContentsGenerator contents;
  TreasureGenerator::Counts counts;
  counts.fill(5);
  for (auto _ : state) {
    std::uint64_t seed = 0;
    TreasureResult lair;
    {
      const ContentsSeed watch(random);
      lair = generator.Generate(counts, random);
      seed = watch.Value();
    }
    RandomSource source = ContentsGenerator::SourceFor(seed);
    benchmark::DoNotOptimize(contents.Generate(lair, source));
  }
}
BENCHMARK(BM_TreasureAllTypesAtFiveWithContents);

void BM_Weapon(benchmark::State& state) {
  RandomSource random;
  const WeaponGenerator generator;
  for (auto _ : state) {
    benchmark::DoNotOptimize(generator.Generate(random));
  }
}
BENCHMARK(BM_Weapon);

void BM_HitPoints(benchmark::State& state) {
  RandomSource random;
  const HitPointRoller roller(',');
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        roller.RollHitPoints(ClassGroup::kMilitare, "10", false, random));
  }
}
BENCHMARK(BM_HitPoints);

void BM_Name(benchmark::State& state) {
  RandomSource random;
  const NameGenerator generator;
  for (auto _ : state) {
    benchmark::DoNotOptimize(generator.GenerateName(NameChoice::kMale, random));
  }
}
BENCHMARK(BM_Name);

}  // namespace
}  // namespace quendaro

BENCHMARK_MAIN();
