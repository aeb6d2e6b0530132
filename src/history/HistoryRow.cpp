#include "history/HistoryRow.h"

#include <zlib.h>

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <utility>

namespace quendaro {
namespace {

// The fields a row keeps in the clear, under their names in the entry and
// in the line.
constexpr QLatin1StringView kTime("time");
constexpr QLatin1StringView kGenerator("generator");
constexpr QLatin1StringView kSummary("summary");
constexpr QLatin1StringView kText("text");
constexpr QLatin1StringView kPacked("packed");
// The record as a JSON object, and the same record as the window wrote it,
// one line of JSON.
constexpr QLatin1StringView kRecord("record");
constexpr QLatin1StringView kRecordLine("json");

// Raw deflate streams: the line has its own framing, and a damaged stream
// shows itself when its JSON does not parse.
constexpr int kWindowBits = -15;
constexpr int kMemoryLevel = 8;

// What the packed fields are deflated against: the plain text, whose words
// and numbers the Markdown, the sheet and the window's labels repeat.
QByteArray DictionaryOf(const QString& text) { return text.toUtf8(); }

uInt SizeOf(QByteArrayView bytes) { return static_cast<uInt>(bytes.size()); }

Bytef* Bytes(QByteArrayView bytes) {
  return reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
}

QByteArray Deflate(QByteArrayView data, QByteArrayView dictionary) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kWindowBits,
                   kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
    return {};
  }
  QByteArray out;
  if (dictionary.isEmpty() ||
      deflateSetDictionary(&stream, Bytes(dictionary), SizeOf(dictionary)) ==
          Z_OK) {
    out.resize(static_cast<qsizetype>(deflateBound(&stream, SizeOf(data))));
    stream.next_in = Bytes(data);
    stream.avail_in = SizeOf(data);
    stream.next_out = Bytes(out);
    stream.avail_out = SizeOf(out);
    if (deflate(&stream, Z_FINISH) == Z_STREAM_END) {
      out.resize(static_cast<qsizetype>(stream.total_out));
    } else {
      out.clear();
    }
  }
  deflateEnd(&stream);
  return out;
}

QByteArray Inflate(QByteArrayView data, QByteArrayView dictionary) {
  z_stream stream{};
  if (inflateInit2(&stream, kWindowBits) != Z_OK) return {};
  QByteArray out;
  if (dictionary.isEmpty() ||
      inflateSetDictionary(&stream, Bytes(dictionary), SizeOf(dictionary)) ==
          Z_OK) {
    stream.next_in = Bytes(data);
    stream.avail_in = SizeOf(data);
    out.resize(4 * data.size() + 1024);
    int status = Z_OK;
    while (status == Z_OK) {
      if (static_cast<qsizetype>(stream.total_out) == out.size()) {
        out.resize(2 * out.size());
      }
      stream.next_out = reinterpret_cast<Bytef*>(out.data()) + stream.total_out;
      stream.avail_out = static_cast<uInt>(out.size() - stream.total_out);
      status = inflate(&stream, Z_NO_FLUSH);
    }
    if (status == Z_STREAM_END) {
      out.resize(static_cast<qsizetype>(stream.total_out));
    } else {
      out.clear();
    }
  }
  inflateEnd(&stream);
  return out;
}

QJsonObject ObjectOf(QByteArrayView json) {
  QJsonParseError error;
  const QJsonDocument document =
      QJsonDocument::fromJson(json.toByteArray(), &error);
  return error.error == QJsonParseError::NoError ? document.object()
                                                 : QJsonObject();
}

// The clear fields of a row, when `object` has them as every reader needs.
std::optional<HistoryRow> ClearFieldsOf(const QJsonObject& object) {
  const QJsonValue time = object.value(kTime);
  const std::optional<Generator> generator =
      GeneratorOfKey(object.value(kGenerator).toString());
  if (!time.isString() || !generator) return std::nullopt;
  HistoryRow row;
  row.time = time.toString();
  row.generator = *generator;
  row.summary = object.value(kSummary).toString();
  row.text = object.value(kText).toString();
  return row;
}

}  // namespace

std::optional<HistoryRow> PackEntry(const QJsonObject& entry) {
  if (!entry.value(QStringLiteral("inputs")).isObject() ||
      !entry.value(kRecord).isObject()) {
    return std::nullopt;
  }
  std::optional<HistoryRow> row = ClearFieldsOf(entry);
  if (!row) return std::nullopt;
  QJsonObject rest = entry;
  for (const QLatin1StringView field : {kTime, kGenerator, kSummary, kText}) {
    rest.remove(field);
  }
  // The record is kept once, as the line the window wrote, when that line
  // says the same.
  const QJsonValue line = rest.value(kRecordLine);
  if (line.isString() &&
      ObjectOf(line.toString().toUtf8()) == rest.value(kRecord).toObject()) {
    rest.remove(kRecord);
  }
  row->packed = Deflate(QJsonDocument(rest).toJson(QJsonDocument::Compact),
                        DictionaryOf(row->text));
  if (row->packed.isEmpty()) return std::nullopt;
  return row;
}

QJsonObject UnpackEntry(const HistoryRow& row) {
  QJsonObject entry = ObjectOf(Inflate(row.packed, DictionaryOf(row.text)));
  if (entry.isEmpty()) return entry;
  if (!entry.contains(kRecord)) {
    entry.insert(kRecord,
                 ObjectOf(entry.value(kRecordLine).toString().toUtf8()));
  }
  entry.insert(kTime, row.time);
  entry.insert(kGenerator, GeneratorKey(row.generator));
  entry.insert(kSummary, row.summary);
  entry.insert(kText, row.text);
  return entry;
}

QByteArray LineOfRow(const HistoryRow& row) {
  const QJsonObject line{
      {kTime, row.time},
      {kGenerator, GeneratorKey(row.generator)},
      {kSummary, row.summary},
      {kText, row.text},
      {kPacked, QString::fromLatin1(row.packed.toBase64())},
  };
  return QJsonDocument(line).toJson(QJsonDocument::Compact);
}

std::optional<HistoryRow> RowOfLine(QByteArrayView line, bool* older) {
  const QJsonObject object = ObjectOf(line);
  if (object.isEmpty()) return std::nullopt;
  const QJsonValue packed = object.value(kPacked);
  // A line without packed fields is a whole entry, as older versions kept
  // them: packed here, so that it costs no more than the others.
  if (older != nullptr) *older = !packed.isString();
  if (!packed.isString()) return PackEntry(object);
  std::optional<HistoryRow> row = ClearFieldsOf(object);
  if (!row) return std::nullopt;
  QByteArray::FromBase64Result bytes = QByteArray::fromBase64Encoding(
      packed.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  if (!bytes || bytes.decoded.isEmpty()) return std::nullopt;
  row->packed = std::move(bytes.decoded);
  return row;
}

}  // namespace quendaro
