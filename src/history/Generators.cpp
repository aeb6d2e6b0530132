#include "history/Generators.h"

namespace quendaro {
namespace {

const GeneratorRow& RowOf(Generator generator) {
  return kGenerators[static_cast<std::size_t>(generator)];
}

}  // namespace

std::optional<Generator> GeneratorOfKey(QStringView key) {
  for (const GeneratorRow& row : kGenerators) {
    if (key == QLatin1StringView(row.key.data(),
                                 static_cast<qsizetype>(row.key.size()))) {
      return row.generator;
    }
  }
  return std::nullopt;
}

QString GeneratorKey(Generator generator) {
  return QString::fromLatin1(RowOf(generator).key);
}

QString GeneratorCaption(Generator generator) {
  return QString::fromUtf8(RowOf(generator).caption);
}

QString GeneratorFileStem(Generator generator) {
  return QString::fromUtf8(RowOf(generator).file_stem);
}

}  // namespace quendaro
