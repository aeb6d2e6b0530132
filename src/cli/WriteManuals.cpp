// Writes the manual page and the shell completions of quendaro-cli from its
// own declarations, at build time, so that they name exactly what the tool
// takes:
//
//   quendaro_cli_manuals FOLDER SCHEMA_PATH
//
// gives FOLDER/quendaro-cli.1, FOLDER/quendaro-cli.bash and
// FOLDER/_quendaro-cli; SCHEMA_PATH is where the records' JSON Schema is
// installed, which the manual page names.

#include <cstdio>
#include <fstream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ManualPage.h"
#include "cli/ShellCompletion.h"

namespace {

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER SCHEMA_PATH\n", argv[0]);
    return 2;
  }
  using namespace quendaro::cli;
  const std::string folder = argv[1];
  const auto all = AllSubcommands('.');
  const bool written =
      WriteFile(folder + "/quendaro-cli.1", ManualPage(all, argv[2])) &&
      WriteFile(folder + "/quendaro-cli.bash", BashCompletion(all)) &&
      WriteFile(folder + "/_quendaro-cli", ZshCompletion(all));
  return written ? 0 : 1;
}
