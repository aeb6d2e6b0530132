#include "cli/ManualPage.h"

#include <cstdio>

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "common/Version.h"

namespace quendaro::cli {

namespace {

// One code point of well-formed UTF-8 (the declarations are ours) and its
// length in bytes.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view text,
                                             std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
  char32_t code_point = lead & (0x7fu >> length);
  for (std::size_t i = 1; i < length && at + i < text.size(); ++i) {
    code_point =
        (code_point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3fu);
  }
  return {code_point, length};
}

std::string Bold(std::string_view text) {
  return "\\fB" + RoffText(text) + "\\fR";
}

// A tagged paragraph: the label in bold, then the text.
std::string Tagged(std::string_view label, std::string_view text) {
  return ".TP\n" + Bold(label) + "\n" + RoffText(text) + "\n";
}

std::string OptionList(const std::vector<Option>& options) {
  std::string page;
  for (const Option& option : options) {
    std::string label =
        "\\fB" + RoffText("--" + std::string(option.name)) + "\\fR";
    if (option.name == "help") label = "\\fB\\-h\\fR, " + label;
    if (option.TakesValue()) {
      label += " \\fI" + RoffText(option.value_name) + "\\fR";
    }
    page += ".TP\n" + label + "\n" + RoffText(option.help) + "\n";
    if (ListsValues(option)) {
      // A text's own blanks do not break the line, nor is a word of it
      // hyphenated.
      std::string values = "One of: ";
      for (std::size_t i = 0; i < option.values.size(); ++i) {
        if (i > 0) values += ", ";
        std::string value =
            RoffText("\"" + std::string(option.values[i]) + "\"");
        for (std::size_t at = 0;
             (at = value.find(' ', at)) != std::string::npos; at += 4) {
          value.replace(at, 1, "\\ \\%");
        }
        values += "\\%" + value;
      }
      page += ".br\n" + values + ".\n";
    }
  }
  return page;
}

}  // namespace

std::string RoffText(std::string_view text) {
  std::string out;
  bool line_start = true;
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at, 2) == "\n\n") {
      out += "\n.PP\n";
      at += 2;
      line_start = true;
      continue;
    }
    const char c = text[at];
    if (line_start && (c == '.' || c == '\'')) out += "\\&";
    line_start = c == '\n';
    if (static_cast<unsigned char>(c) >= 0x80) {
      const auto [code_point, length] = CodePointAt(text, at);
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "\\[u%04X]",
                    static_cast<unsigned>(code_point));
      out += buffer;
      at += length;
      continue;
    }
    if (c == '-') {
      out += "\\-";
    } else if (c == '\\') {
      out += "\\e";
    } else {
      out += c;
    }
    ++at;
  }
  return out;
}

std::string ManualPage(const std::vector<std::unique_ptr<Subcommand>>& all,
                       std::string_view schema_path) {
  std::string page =
      ".TH QUENDARO\\-CLI 1 \"" + std::string(kReleaseDate) +
      "\" \"Quendaro 32 " + std::string(kVersion) +
      "\" \"User Commands\"\n"
      ".\\\" Made from quendaro-cli's own declarations when it is built.\n"
      ".\\\" Lines are left-aligned: the long list texts must not stretch "
      "them.\n"
      ".ad l\n"
      ".SH NAME\n"
      "quendaro\\-cli \\- the generators of Quendaro 32 from the command "
      "line\n"
      ".SH SYNOPSIS\n";
  for (const auto& subcommand : all) {
    page += ".B quendaro\\-cli " + RoffText(subcommand->Name()) + "\n";
    for (const Option& option : subcommand->Options()) {
      if (option.required) {
        page += ".BI " + RoffText("--" + std::string(option.name)) + " \" " +
                RoffText(option.value_name) + "\"\n";
      }
    }
    page += ".RI [ OPTION ...]\n.br\n";
  }
  page +=
      ".B quendaro\\-cli help\n"
      ".RI [ SUBCOMMAND ]\n"
      ".br\n"
      ".B quendaro\\-cli\n"
      ".RB [ \\-h | \\-\\-help | \\-\\-version ]\n"
      ".SH DESCRIPTION\n" +
      RoffText(ToolDescription()) + "\n.SH SUBCOMMANDS\n";
  for (const auto& subcommand : all) {
    page += ".SS " + RoffText(subcommand->Name()) + "\n" +
            RoffText(std::string(subcommand->Summary()) + ".") + "\n.PP\n" +
            RoffText(subcommand->Description()) + "\n";
    const std::vector<Option> own = subcommand->Options();
    if (!own.empty()) page += OptionList(own);
    page += ".PP\n" + RoffText(subcommand->OutputDescription()) + "\n";
  }
  page += ".SH COMMON OPTIONS\n" + OptionList(CommonOptions()) +
          ".SH EXIT STATUS\n";
  for (const ExitStatus& status : ExitStatuses()) {
    page += Tagged(status.codes, status.meaning);
  }
  page +=
      ".SH ENVIRONMENT\n"
      ".TP\n"
      ".B LC_ALL, LC_NUMERIC, LANG\n"
      "choose the decimal separator of the average in text and Markdown, "
      "and of every number under\n"
      ".BR \\-\\-as\\-typed .\n"
      ".SH FILES\n"
      ".TP\n"
      ".I " +
      RoffText(schema_path) +
      "\n"
      "the JSON Schema of the records that \\fB\\-\\-json\\fR writes, "
      "described in\n"
      ".BR quendaro\\-record (5).\n"
      ".PP\n"
      "The tool reads no other file and writes only to its standard output "
      "and standard error.\n"
      ".SH EXAMPLES\n"
      ".nf\n"
      "quendaro\\-cli name \\-\\-sex f \\-\\-count 20\n"
      "quendaro\\-cli character \\-\\-race umano \\-\\-class \"guerriero "
      "puro\" "
      "\\e\n"
      "  \\-\\-alignment \"legale buono\" \\-\\-age 20 \\-\\-json\n"
      "quendaro\\-cli treasure \\-\\-A 2 \\-\\-F 1 \\-\\-count 10 "
      "\\-\\-format markdown\n"
      "quendaro\\-cli hitpoints \\-\\-group Militare \\-\\-level 3 "
      "\\-\\-reroll \\-\\-count 12\n"
      "quendaro\\-cli npc \\-\\-count 6 \\-\\-format markdown \\-\\-seed 1\n"
      "quendaro\\-cli weapon \\-\\-count 1000 \\-\\-stats\n"
      ".fi\n"
      ".SH REPORTING BUGS\n"
      "Report faults to <" +
      RoffText(kBugAddress) + ">.\n.br\nQuendaro 32 home page: <" +
      RoffText(kHomePage) +
      ">.\n"
      ".SH COPYRIGHT\n"
      "Copyright \\(co " +
      std::string(kCopyrightYear) +
      " The Quendaro 32 developers.\n"
      "License GPL\\-3.0\\-or\\-later: GNU GPL version 3 or later "
      "<https://gnu.org/licenses/gpl.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n"
      ".SH SEE ALSO\n"
      ".BR quendaro (1),\n"
      ".BR quendaro\\-record (5)\n";
  return page;
}

}  // namespace quendaro::cli
