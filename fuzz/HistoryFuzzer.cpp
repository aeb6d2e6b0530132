// Any bytes become a line of the history file, a row's packed bytes or an
// entry to keep: reading a damaged file must never crash, what a line gives
// must read back the same once written again, and a kept entry must come back
// field for field.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "history/Generators.h"
#include "history/HistoryRow.h"

namespace quendaro::fuzzing {
namespace {

QString TextOf(const std::string& bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A row read from a line is written again as this version writes it, and
// that line gives the same row.
void RequireStable(const HistoryRow& row) {
  const std::optional<HistoryRow> again = RowOfLine(LineOfRow(row));
  Require(again.has_value(), "a row's own line is unreadable");
  Require(again->time == row.time && again->generator == row.generator &&
              again->summary == row.summary && again->words == row.words &&
              again->packed == row.packed,
          "a row's own line reads as another row");
  // Whatever the packed bytes hold, unpacking them ends, and an entry
  // comes back with the row's own time and generator.
  const QJsonObject entry = UnpackEntry(row);
  if (entry.isEmpty()) return;
  Require(entry.value(QStringLiteral("time")).toString() == row.time &&
              entry.value(QStringLiteral("generator")).toString() ==
                  GeneratorKey(row.generator),
          "an unpacked entry lost its time or generator");
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::fuzzing;
  FuzzInput input(data, size);
  switch (input.TakeByte() % 3) {
    case 0: {
      // A line as a damaged file may hold it.
      const std::string line = input.TakeBytes();
      if (const std::optional<HistoryRow> row = RowOfLine(
              QByteArray(line.data(), static_cast<qsizetype>(line.size())))) {
        RequireStable(*row);
      }
      break;
    }
    case 1: {
      // Packed bytes that were never deflated, or were cut or changed:
      // zlib meets them with a generator's words.
      const auto generator =
          static_cast<Generator>(input.TakeByte() % kGeneratorCount);
      const std::string packed = input.TakeBytes();
      const QByteArray line =
          "{\"generator\":\"" + GeneratorKey(generator).toLatin1() +
          "\",\"packed\":\"" +
          QByteArray(packed.data(), static_cast<qsizetype>(packed.size()))
              .toBase64() +
          "\",\"time\":\"2026-12-09T10:00:00.000Z\"}";
      if (const std::optional<HistoryRow> row = RowOfLine(line)) {
        RequireStable(*row);
      }
      break;
    }
    default: {
      // An entry of any texts is kept whole and found by what it says.
      const auto generator =
          static_cast<Generator>(input.TakeByte() % kGeneratorCount);
      const QJsonObject entry{
          {QStringLiteral("time"), TextOf(input.TakeBytes())},
          {QStringLiteral("generator"), GeneratorKey(generator)},
          {QStringLiteral("summary"), TextOf(input.TakeBytes())},
          {QStringLiteral("text"), TextOf(input.TakeBytes())},
          {QStringLiteral("inputs"),
           QJsonObject{{QStringLiteral("Text1"), TextOf(input.TakeBytes())}}},
          {QStringLiteral("record"), QJsonObject{}},
          {QStringLiteral("markdown"), TextOf(input.TakeBytes())},
      };
      const std::optional<HistoryRow> row = PackEntry(entry);
      // Only a summary or a text holding a NUL cannot be packed.
      const bool has_nul =
          entry.value(QStringLiteral("summary")).toString().contains(QChar()) ||
          entry.value(QStringLiteral("text")).toString().contains(QChar());
      Require(row.has_value() != has_nul, "a whole entry was refused");
      if (!row) break;
      const std::optional<HistoryRow> read = RowOfLine(LineOfRow(*row));
      Require(read.has_value(), "a kept entry's line is unreadable");
      Require(read->summary == row->summary && read->words == row->words,
              "a kept entry's summary or words changed");
      Require(UnpackEntry(*read) == entry, "a kept entry changed");
      break;
    }
  }
  return 0;
}
