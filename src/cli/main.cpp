// quendaro-cli: the generators of Quendaro 32 from the command line, for
// preparing a session in batches and for feeding other programs.

#include <clocale>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CharacterCommand.h"
#include "cli/CommandLine.h"
#include "cli/HitPointsCommand.h"
#include "cli/NameCommand.h"
#include "cli/Output.h"
#include "cli/Statistics.h"
#include "cli/TreasureCommand.h"
#include "cli/Version.h"
#include "cli/WeaponCommand.h"
#include "presentation/Record.h"

namespace quendaro::cli {
namespace {

// The decimal separator of the numeric locale the user runs under (LC_ALL,
// LC_NUMERIC, LANG). The C library is put back to the "C" locale afterwards
// so that nothing else is formatted differently by accident.
char NumericLocaleSeparator() {
  char separator = '.';
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && point[0] != '\0' && point[1] == '\0' &&
        static_cast<unsigned char>(point[0]) < 0x80) {
      separator = point[0];
    }
  }
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

// A clock that never moves, for runs that must repeat exactly.
std::uint64_t FrozenClock() { return 0; }

// Writes every roll and reseed of one generation, as a game master would
// check them by hand.
class RollLog final : public RollObserver {
 public:
  void OnReseed() override { lines_ += "  Reseed\n"; }
  void OnRoll(int count, int low, int result) override {
    lines_ += "  Roll(" + std::to_string(count) + ", " + std::to_string(low) +
              ") = " + std::to_string(result) + "\n";
  }
  std::string Take() {
    std::string lines = "Tiri:\n" + lines_;
    lines_.clear();
    lines.pop_back();  // the block's last line break comes from Output
    return lines;
  }

 private:
  std::string lines_;
};

std::string GeneralHelp(const std::vector<std::unique_ptr<Subcommand>>& all) {
  std::string help =
      "quendaro-cli - the generators of Quendaro 32 from the command line\n"
      "\n"
      "Usage:\n";
  for (const auto& subcommand : all) {
    help += "  " + std::string(subcommand->Synopsis()) + "\n";
  }
  help +=
      "\n"
      "Common options:\n"
      "  --count N    run N generations in a row on one random sequence "
      "(1 to 100000)\n"
      "  --seed S     start from a state derived from the whole number S and "
      "freeze the\n"
      "               clock, so that the same command prints the same output\n"
      "  --format F   text (the default), markdown, or json: one record per "
      "generation\n"
      "               per line (JSON Lines)\n"
      "  --json       the same as --format json\n"
      "  --stats      one summary of all N generations instead of the "
      "results\n"
      "  --explain    after each result, the rolls it made (text output "
      "only)\n"
      "  --help       this page; 'quendaro-cli SUBCOMMAND --help' for one "
      "generator\n"
      "  --version    the program's version\n"
      "\n"
      "Without --seed the random sequence starts from the clock, as in the "
      "program.\n"
      "The text and Markdown output and the hit-point level use the decimal\n"
      "separator of the numeric locale (LC_ALL, LC_NUMERIC, LANG); JSON "
      "always\n"
      "uses the point, so a seed gives the same bytes in every locale.\n"
      "\n"
      "Exit status: 0 on success, 2 on a usage error.\n";
  return help;
}

int Run(int argc, char* argv[]) {
  const char separator = NumericLocaleSeparator();
  std::vector<std::unique_ptr<Subcommand>> subcommands;
  subcommands.push_back(std::make_unique<CharacterCommand>(separator));
  subcommands.push_back(std::make_unique<TreasureCommand>());
  subcommands.push_back(std::make_unique<WeaponCommand>());
  subcommands.push_back(std::make_unique<HitPointsCommand>(separator));
  subcommands.push_back(std::make_unique<NameCommand>());

  const std::vector<std::string> arguments(argv + 1, argv + argc);
  auto parsed = ParseCommandLine(arguments, subcommands);
  if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
    std::string hint = "quendaro-cli --help";
    for (const auto& subcommand : subcommands) {
      if (!arguments.empty() && arguments[0] == subcommand->Name()) {
        hint = "quendaro-cli " + arguments[0] + " --help";
      }
    }
    std::fprintf(stderr, "quendaro-cli: %s (see '%s')\n",
                 error->message.c_str(), hint.c_str());
    return 2;
  }
  const Invocation& invocation = std::get<Invocation>(parsed);

  Output out(1);
  if (invocation.version) {
    out.Line(VersionText());
    return out.Flush() || out.ReaderGone() ? 0 : 1;
  }
  if (invocation.help) {
    std::string help = invocation.subcommand != nullptr
                           ? invocation.subcommand->Help()
                           : GeneralHelp(subcommands);
    if (help.ends_with('\n')) help.pop_back();
    out.Line(help);
    return out.Flush() || out.ReaderGone() ? 0 : 1;
  }

  std::unique_ptr<RandomSource> random;
  if (invocation.seed) {
    random = std::make_unique<RandomSource>(
        static_cast<std::uint64_t>(*invocation.seed), &FrozenClock);
  } else {
    // Like the program, a fresh run must not repeat the last one.
    random = std::make_unique<RandomSource>();
    random->Reseed();
  }
  RollLog log;
  if (invocation.explain) random->SetObserver(&log);

  Subcommand& subcommand = *invocation.subcommand;
  Statistics statistics(separator);
  for (int i = 0; i < invocation.count && !out.ReaderGone() && !out.Failed();
       ++i) {
    subcommand.Run(*random);
    const auto index = static_cast<std::uint64_t>(i);
    if (invocation.stats) {
      statistics.Add(subcommand.LastRecord(invocation.seed, index)["result"]);
      continue;
    }
    switch (invocation.format) {
      case OutputFormat::kJson:
        out.Line(JsonLine(subcommand.LastRecord(invocation.seed, index)));
        break;
      case OutputFormat::kMarkdown: {
        std::string block = subcommand.LastMarkdown();
        if (i + 1 == invocation.count) block.pop_back();
        out.Line(block);
        break;
      }
      case OutputFormat::kText: {
        std::string block = subcommand.LastText();
        if (invocation.explain) block += "\n" + log.Take();
        if (i + 1 < invocation.count) block += "\n";  // a blank line between
        out.Line(block);
        break;
      }
    }
  }
  if (invocation.stats) {
    if (invocation.format == OutputFormat::kJson) {
      out.Line(JsonLine(statistics.Summary()));
    } else {
      std::string text = statistics.Text();
      text.pop_back();
      out.Line(text);
    }
  }
  out.Flush();
  return out.Failed() ? 1 : 0;
}

}  // namespace
}  // namespace quendaro::cli

int main(int argc, char* argv[]) {
  // A reader that goes away shows up as a failed write, which ends the run
  // quietly, instead of a signal.
  std::signal(SIGPIPE, SIG_IGN);
  return quendaro::cli::Run(argc, argv);
}
