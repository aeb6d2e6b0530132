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
#include "cli/NpcCommand.h"
#include "cli/Output.h"
#include "cli/SafeText.h"
#include "cli/Statistics.h"
#include "cli/TreasureCommand.h"
#include "cli/Version.h"
#include "cli/WeaponCommand.h"
#include "presentation/Record.h"
#include "presentation/RollStepPresentation.h"

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
      "  quendaro-cli help [SUBCOMMAND]\n"
      "\n"
      "Options go after the subcommand; '--' ends them.\n"
      "\n"
      "Common options:\n"
      "  --count N    run N generations in a row on one random sequence "
      "(1 to\n"
      "               9223372036854775807); the output streams as it goes\n"
      "  --seed S     start from a state derived from the whole number S and "
      "freeze the\n"
      "               clock, so that the same command prints the same output\n"
      "  --format F   text (the default), markdown, or json: one record per "
      "generation\n"
      "               per line (JSON Lines)\n"
      "  --json       the same as --format json\n"
      "  --stats      one summary of all N generations instead of the "
      "results\n"
      "  --explain    after each result, every draw (what it was for, its "
      "range, its\n"
      "               value) and every rule that changed or looked up a "
      "value; with\n"
      "               --json a \"rolls\" list in each record\n"
      "  --as-typed   take every text and number exactly as the window "
      "takes what is\n"
      "               typed into its box, with the window's outcome: the way "
      "to\n"
      "               reproduce the window exactly\n"
      "  -h, --help   this page; 'quendaro-cli help SUBCOMMAND' for one "
      "generator\n"
      "  --version    the tool's and the program's version and licence\n"
      "\n"
      "The texts of the window's lists (race, class, alignment, sex, group) "
      "may be\n"
      "written in any case, without accents, blanks or punctuation: "
      "\"caotico buono\"\n"
      "is \"Caotico/buono\". A text that is on no list, or a number the "
      "window would\n"
      "not take, is a usage error naming the closest entries. Numbers read "
      "the same\n"
      "in every locale: the decimal mark may be '.' or ','.\n"
      "\n"
      "Without --seed the random sequence starts from the clock and the "
      "system's\n"
      "entropy. The average uses the decimal separator of the numeric "
      "locale\n"
      "(LC_ALL, LC_NUMERIC, LANG) in text and Markdown, as does every "
      "number under\n"
      "--as-typed; JSON always uses the point, so a seed gives the same bytes "
      "in\n"
      "every locale.\n"
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
  subcommands.push_back(std::make_unique<NpcCommand>(separator));

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
    // Like the program, a fresh run must not repeat the last one, nor one
    // started in the same instant.
    random = std::make_unique<RandomSource>();
    random->MixEntropy();
    random->Reseed();
  }
  // With --explain the generators write their draws and rules into the log,
  // and each result is followed by them; without it nothing is recorded.
  RollLog log;
  if (invocation.explain) random->SetLog(&log);

  Subcommand& subcommand = *invocation.subcommand;
  Statistics statistics(separator);
  for (std::int64_t i = 0;
       i < invocation.count && !out.ReaderGone() && !out.Failed(); ++i) {
    subcommand.Run(*random);
    const auto index = static_cast<std::uint64_t>(i);
    if (invocation.stats) {
      statistics.Begin();
      subcommand.VisitLast(statistics);
      continue;
    }
    switch (invocation.format) {
      case OutputFormat::kJson: {
        Json record = subcommand.LastRecord(invocation.seed, index);
        if (invocation.explain) record["rolls"] = StepsJson(log.Take());
        out.Line(JsonLine(record));
        break;
      }
      case OutputFormat::kMarkdown: {
        // Results of their own stand apart by a blank line; the rows of one
        // table follow one another under its heading.
        const std::string header = subcommand.MarkdownHeader();
        std::string block =
            (i == 0 ? header : std::string()) + subcommand.LastMarkdown();
        if (invocation.explain) block += "\n" + StepsMarkdown(log.Take());
        if (!header.empty() || i + 1 == invocation.count) block.pop_back();
        out.Line(EscapeControls(block, true));
        break;
      }
      case OutputFormat::kText: {
        std::string block = subcommand.LastText();
        if (invocation.explain) {
          std::string steps = StepsText(log.Take());
          if (steps.empty()) steps = "nessun tiro\n";
          steps.pop_back();  // the block's last line break comes from Output
          block += "\nTiri e regole:\n" + steps;
        }
        if (i + 1 < invocation.count) block += "\n";  // a blank line between
        // The texts come from the arguments; none may steer the terminal.
        out.Line(EscapeControls(block, true));
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
      out.Line(EscapeControls(text, true));
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
