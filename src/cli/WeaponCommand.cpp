#include "cli/WeaponCommand.h"

namespace quendaro::cli {

std::string WeaponCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli weapon - an intelligent magic weapon\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli weapon [--count N] [--seed S] [--json] [--stats] "
         "[--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Rolls a weapon's languages, bonus, alignment, intelligence, "
         "communication,\n"
         "    readings, one to three abilities or extraordinary powers, a "
         "possible\n"
         "    special purpose with its power, and its ego. Each weapon "
         "reseeds the\n"
         "    random source from the clock once, as the weapon window does "
         "(frozen\n"
         "    under --seed).\n"
         "\n"
         "OUTPUT\n"
         "    Text: the weapon window's captions and values.\n"
         "    JSON: {\"languages\", \"bonus\", \"alignment\", "
         "\"intelligence\",\n"
         "    \"communication\", \"readsNonMagical\", \"readsMagical\", "
         "\"ability1\",\n"
         "    \"ability2\", \"ability3\", \"specialPurpose\", "
         "\"specialPurposePower\", \"ego\"};\n"
         "    texts a weapon lacks are empty.\n";
}

void WeaponCommand::Run(RandomSource& random) {
  last_ = generator_.Generate(random);
}

Record WeaponCommand::LastRecord() const {
  return {
      {"languages", last_.languages},
      {"bonus", last_.bonus},
      {"alignment", last_.alignment},
      {"intelligence", last_.intelligence},
      {"communication", last_.communication},
      {"readsNonMagical", last_.readsNonMagical},
      {"readsMagical", last_.readsMagical},
      {"ability1", last_.ability1},
      {"ability2", last_.ability2},
      {"ability3", last_.ability3},
      {"specialPurpose", last_.specialPurpose},
      {"specialPurposePower", last_.specialPurposePower},
      {"ego", last_.ego},
  };
}

std::string WeaponCommand::LastText() const {
  std::string text =
      "Allineamento : " + last_.alignment +
      "\nIntelligenza : " + last_.intelligence +
      "\nComunicazione : " + last_.communication + "\nBonus : " + last_.bonus +
      "\nLingue parlate : " + last_.languages + "\nEgo : " + last_.ego +
      "\nAbilità dell'arma e/o poteri straordinari";
  for (const std::string* line :
       {&last_.ability1, &last_.ability2, &last_.ability3,
        &last_.readsNonMagical, &last_.readsMagical, &last_.specialPurpose,
        &last_.specialPurposePower}) {
    if (!line->empty()) text += "\n  " + *line;
  }
  return text;
}

}  // namespace quendaro::cli
