#include "cli/HelpText.h"

#include <algorithm>
#include <span>

#include "cli/CommandLine.h"
#include "common/Version.h"

namespace quendaro::cli {

namespace {

// Where an option's help begins: after "  --alignment T" and two blanks.
constexpr std::size_t kHelpColumn = 18;

// Columns a UTF-8 text takes on a terminal: one per character.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(),
      [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
}

// `label` in the first columns, then `text` wrapped from `column` on; the
// text starts on the next line when the label leaves it no room.
std::string Entry(std::string_view label, std::string_view text,
                  std::size_t column) {
  std::string entry = "  " + std::string(label);
  const std::string body = Wrapped(text, column);
  if (body.empty()) return entry + "\n";
  if (Columns(entry) + 2 > column) return entry + "\n" + body;
  return entry + std::string(column - Columns(entry), ' ') +
         body.substr(column);
}

// "One of: "A", "B", ..." from the help's column on, never breaking a line
// inside a text, whose blanks are part of it.
std::string ValueList(std::span<const std::string_view> values) {
  std::string text;
  std::string line = "One of:";
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string item = "\"" + std::string(values[i]) + "\"" +
                             (i + 1 < values.size() ? "," : ".");
    if (kHelpColumn + Columns(line) + 1 + Columns(item) > kHelpWidth) {
      text += std::string(kHelpColumn, ' ') + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + item;
  }
  return text + std::string(kHelpColumn, ' ') + line + "\n";
}

std::string OptionEntries(const std::vector<Option>& options) {
  std::string text;
  for (const Option& option : options) {
    std::string label = OptionLabel(option);
    if (option.name == "help") label = "-h, " + label;
    text += Entry(label, option.help, kHelpColumn);
    if (ListsValues(option)) text += ValueList(option.values);
  }
  return text;
}

std::string ExitStatusEntries() {
  std::string text = "Exit status:\n";
  for (const ExitStatus& status : ExitStatuses()) {
    text += Entry(status.codes, status.meaning, kHelpColumn);
  }
  return text;
}

}  // namespace

std::string Wrapped(std::string_view text, std::size_t indent,
                    std::size_t width) {
  std::string out;
  std::size_t paragraph_start = 0;
  while (paragraph_start <= text.size()) {
    std::size_t paragraph_end = text.find("\n\n", paragraph_start);
    if (paragraph_end == std::string_view::npos) paragraph_end = text.size();
    if (paragraph_start > 0) out += "\n";
    std::string line;
    std::size_t at = paragraph_start;
    while (at < paragraph_end) {
      const std::size_t blank = std::min(text.find(' ', at), paragraph_end);
      const std::string_view word = text.substr(at, blank - at);
      at = blank + 1;
      if (word.empty()) continue;
      if (!line.empty() && indent + Columns(line) + 1 + Columns(word) > width) {
        out += std::string(indent, ' ') + line + "\n";
        line.clear();
      }
      if (!line.empty()) line += ' ';
      line += word;
    }
    if (!line.empty()) out += std::string(indent, ' ') + line + "\n";
    paragraph_start = paragraph_end + 2;
  }
  return out;
}

std::string OptionLabel(const Option& option) {
  std::string label = "--" + std::string(option.name);
  if (option.TakesValue()) label += " " + std::string(option.value_name);
  return label;
}

bool ListsValues(const Option& option) {
  return std::any_of(
      option.values.begin(), option.values.end(), [](std::string_view value) {
        return value.find_first_not_of("0123456789") != std::string_view::npos;
      });
}

std::string UsageLine(const Subcommand& subcommand) {
  std::string line = "quendaro-cli " + std::string(subcommand.Name());
  for (const Option& option : subcommand.Options()) {
    if (option.required) line += " " + OptionLabel(option);
  }
  return line + " [OPTION]...";
}

std::string ReportingLines() {
  return "Report faults to <" + std::string(kBugAddress) +
         ">.\nQuendaro 32 home page: <" + std::string(kHomePage) + ">.\n";
}

std::string ToolHelp(const std::vector<std::unique_ptr<Subcommand>>& all) {
  std::string help =
      "Usage: quendaro-cli SUBCOMMAND [OPTION]...\n"
      "  or:  quendaro-cli help [SUBCOMMAND]\n"
      "  or:  quendaro-cli --help | --version\n"
      "The generators of Quendaro 32 from the command line.\n"
      "\n" +
      Wrapped(ToolDescription(), 0) + "\nSubcommands:\n";
  for (const auto& subcommand : all) {
    help += Entry(subcommand->Name(), subcommand->Summary(), kHelpColumn);
  }
  help +=
      Entry("help", "the help of the tool or of one subcommand", kHelpColumn);
  help += "\nCommon options:\n" + OptionEntries(CommonOptions());
  help +=
      "\n'quendaro-cli help SUBCOMMAND' shows a subcommand's own options.\n";
  help += "\n" + ExitStatusEntries() + "\n" + ReportingLines();
  return help;
}

std::string SubcommandHelp(const Subcommand& subcommand) {
  std::string help = "Usage: " + UsageLine(subcommand) + "\n" +
                     "quendaro-cli " + std::string(subcommand.Name()) + ": " +
                     std::string(subcommand.Summary()) + ".\n\n" +
                     Wrapped(subcommand.Description(), 0);
  const std::vector<Option> own = subcommand.Options();
  if (!own.empty()) help += "\nOptions:\n" + OptionEntries(own);
  help += "\nCommon options:\n" + OptionEntries(CommonOptions());
  help += "\nOutput:\n" + Wrapped(subcommand.OutputDescription(), 2);
  help += "\n" + ExitStatusEntries() + "\n" + ReportingLines();
  return help;
}

}  // namespace quendaro::cli
