#include "cli/Tool.h"

#include <unistd.h>

#include <algorithm>
#include <memory>
#include <variant>

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "cli/Output.h"
#include "cli/SafeText.h"
#include "cli/Statistics.h"
#include "cli/Version.h"
#include "presentation/Record.h"
#include "presentation/RollStepPresentation.h"

namespace quendaro::cli {

namespace {

// A clock that never moves, for runs that must repeat exactly.
std::uint64_t FrozenClock() { return 0; }

// Lines for standard error, each after the tool's name; their texts are
// escaped already.
void WriteErrors(int fd, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "quendaro-cli: " + line + "\n";
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
}

}  // namespace

int RunTool(const std::vector<std::string>& arguments,
            const ToolEnvironment& environment) {
  const std::vector<std::unique_ptr<Subcommand>> subcommands =
      AllSubcommands(environment.decimal_separator);
  auto parsed = ParseCommandLine(arguments, subcommands);
  if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
    std::string hint = "quendaro-cli --help";
    for (const auto& subcommand : subcommands) {
      if (!arguments.empty() && arguments[0] == subcommand->Name()) {
        hint = "quendaro-cli " + arguments[0] + " --help";
      }
    }
    WriteErrors(environment.err_fd, {error->message + " (see '" + hint + "')"});
    return 2;
  }
  if (const RuleRefusal* refusal = std::get_if<RuleRefusal>(&parsed)) {
    std::vector<std::string> lines;
    for (const std::string& message : refusal->messages) {
      lines.push_back(EscapeControls(message, false));
    }
    if (!refusal->hint.empty()) lines.push_back(refusal->hint);
    WriteErrors(environment.err_fd, lines);
    return 2;
  }
  const Invocation& invocation = std::get<Invocation>(parsed);
  const auto stopped = [&] {
    return environment.stop != nullptr && *environment.stop != 0;
  };

  Output out(environment.out_fd, environment.err_fd, environment.stop);
  const auto finish = [&] {
    out.Flush();
    if (stopped()) return 128 + static_cast<int>(*environment.stop);
    return out.Failed() ? 1 : 0;
  };
  if (invocation.version || invocation.help) {
    std::string page = invocation.version ? VersionText()
                       : invocation.subcommand != nullptr
                           ? SubcommandHelp(*invocation.subcommand)
                           : ToolHelp(subcommands);
    if (page.ends_with('\n')) page.pop_back();
    out.Line(page);
    return finish();
  }

  std::unique_ptr<RandomSource> random;
  if (invocation.state) {
    // The clock stays at the state's time, as it stands still under --seed.
    random = std::make_unique<RandomSource>(0, &FrozenClock);
    random->Restore(*invocation.state);
  } else if (invocation.seed || !environment.entropy) {
    random = std::make_unique<RandomSource>(
        static_cast<std::uint64_t>(invocation.seed.value_or(0)), &FrozenClock);
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
  Statistics statistics(environment.decimal_separator);
  const std::int64_t count =
      std::min(invocation.count, environment.most_results);
  for (std::int64_t i = 0;
       i < count && !out.ReaderGone() && !out.Failed() && !stopped(); ++i) {
    // A summary writes no records, so it needs no states; a frozen clock
    // rolls the same either way.
    const RandomState start =
        invocation.stats ? RandomState{} : random->BeginGeneration();
    subcommand.Run(*random);
    const auto index = static_cast<std::uint64_t>(i);
    if (invocation.stats) {
      statistics.Begin();
      subcommand.VisitLast(statistics);
      continue;
    }
    switch (invocation.format) {
      case OutputFormat::kJson: {
        Json record =
            WithState(subcommand.LastRecord(invocation.seed, index), start);
        if (invocation.explain) record["rolls"] = StepsJson(log.Take());
        // JsonLine escapes the controls a terminal must not see.
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
        if (!header.empty() || i + 1 == count) block.pop_back();
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
        if (i + 1 < count) block += "\n";  // a blank line between
        // The texts come from the arguments; none may steer the terminal.
        out.Line(EscapeControls(block, true));
        break;
      }
    }
  }
  // A summary of a run cut short would pass for the whole run's.
  if (invocation.stats && !stopped()) {
    if (invocation.format == OutputFormat::kJson) {
      out.Line(JsonLine(statistics.Summary()));
    } else {
      std::string text = statistics.Text();
      text.pop_back();
      out.Line(EscapeControls(text, true));
    }
  }
  return finish();
}

}  // namespace quendaro::cli
