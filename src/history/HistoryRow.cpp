#include "history/HistoryRow.h"

#include <zlib.h>

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "history/PackingWords.h"

namespace quendaro {
namespace {

// The fields of an entry that a row holds apart from the packed ones.
constexpr QLatin1StringView kTime("time");
constexpr QLatin1StringView kGenerator("generator");
constexpr QLatin1StringView kSummary("summary");
constexpr QLatin1StringView kText("text");
constexpr QLatin1StringView kPacked("packed");
// The record as a JSON object, and the same record as the window wrote it,
// one line of JSON.
constexpr QLatin1StringView kRecord("record");
constexpr QLatin1StringView kRecordLine("json");

// The packed bytes are the summary, kEnd, the text, kEnd, and the other
// fields as compact JSON, which holds no such byte; neither do the texts a
// generator writes. Reading the file inflates the head alone.
constexpr char kEnd = '\0';

// Raw deflate streams: the line has its own framing, and a damaged stream
// shows itself when it ends too soon or its JSON does not parse.
constexpr int kWindowBits = -15;
constexpr int kMemoryLevel = 8;

uInt SizeOf(QByteArrayView bytes) { return static_cast<uInt>(bytes.size()); }

Bytef* Bytes(QByteArrayView bytes) {
  return reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
}

QByteArray Deflate(QByteArrayView data, QByteArrayView words) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kWindowBits,
                   kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
    return {};
  }
  QByteArray out;
  if (words.isEmpty() ||
      deflateSetDictionary(&stream, Bytes(words), SizeOf(words)) == Z_OK) {
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

// One inflating stream per thread, reset for each row rather than made
// anew: reading 10000 rows would otherwise set up and free 400 MB of zlib's
// state and windows.
class Inflater {
 public:
  Inflater() { ready_ = inflateInit2(&stream_, kWindowBits) == Z_OK; }
  ~Inflater() {
    if (ready_) inflateEnd(&stream_);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // The stream, ready for a new deflated row; null when zlib failed.
  z_stream* Fresh() {
    return ready_ && inflateReset(&stream_) == Z_OK ? &stream_ : nullptr;
  }

 private:
  z_stream stream_{};
  bool ready_ = false;
};

// Sets `stream` up for a new row deflated against `words`; false when zlib
// fails.
bool Begin(z_stream* stream, QByteArrayView data, QByteArrayView words) {
  if (stream == nullptr ||
      (!words.isEmpty() &&
       inflateSetDictionary(stream, Bytes(words), SizeOf(words)) != Z_OK)) {
    return false;
  }
  stream->next_in = Bytes(data);
  stream->avail_in = SizeOf(data);
  return true;
}

// The bytes `data` deflates; nothing when the stream is damaged.
std::optional<QByteArray> Inflate(QByteArrayView data, QByteArrayView words) {
  thread_local Inflater inflater;
  z_stream* stream = inflater.Fresh();
  if (!Begin(stream, data, words)) return std::nullopt;
  QByteArray out(4 * data.size() + 1024, Qt::Uninitialized);
  int status = Z_OK;
  while (status == Z_OK) {
    if (static_cast<qsizetype>(stream->total_out) == out.size()) {
      out.resize(2 * out.size());
    }
    stream->next_out = reinterpret_cast<Bytef*>(out.data()) + stream->total_out;
    stream->avail_out = static_cast<uInt>(out.size() - stream->total_out);
    status = inflate(stream, Z_NO_FLUSH);
  }
  if (status != Z_STREAM_END) return std::nullopt;
  out.resize(static_cast<qsizetype>(stream->total_out));
  return out;
}

// The bytes `data` deflates as far as their second kEnd, in a buffer of the
// thread's that the next call reuses; nothing when the stream is damaged.
// Reading a history inflates no more than it needs: a step of 512 bytes
// wastes little past the head and still lets zlib take its quick path,
// and the whole costs a fifth less than inflating into a row's own array.
std::optional<QByteArrayView> InflateHead(QByteArrayView data,
                                          QByteArrayView words) {
  constexpr std::size_t kStep = 512;
  thread_local Inflater inflater;
  thread_local std::vector<char> out;
  z_stream* stream = inflater.Fresh();
  if (!Begin(stream, data, words)) return std::nullopt;
  std::size_t scanned = 0;
  int ends = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    const std::size_t made = stream->total_out;
    if (out.size() < made + kStep) out.resize(made + kStep);
    stream->next_out = reinterpret_cast<Bytef*>(out.data() + made);
    stream->avail_out = static_cast<uInt>(kStep);
    status = inflate(stream, Z_NO_FLUSH);
    const char* const start = out.data();
    while (scanned < stream->total_out) {
      const void* end =
          std::memchr(start + scanned, kEnd, stream->total_out - scanned);
      if (end == nullptr) {
        scanned = stream->total_out;
      } else {
        scanned =
            static_cast<std::size_t>(static_cast<const char*>(end) - start) + 1;
        if (++ends == 2) {
          return QByteArrayView(start, static_cast<qsizetype>(scanned));
        }
      }
    }
  }
  return std::nullopt;
}

// The bytes of standard base64 with its padding. Qt's decoder reads some
// 45 MB/s on this machine, a quarter of the time a full history takes to
// read; a table, and a loop that looks for the padding only in the last
// four letters, does it more than ten times quicker.
std::optional<QByteArray> FromBase64(QByteArrayView text) {
  static constexpr std::array<signed char, 256> kValues = [] {
    std::array<signed char, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 26; ++i) {
      values['A' + i] = static_cast<signed char>(i);
      values['a' + i] = static_cast<signed char>(26 + i);
    }
    for (int i = 0; i < 10; ++i) {
      values['0' + i] = static_cast<signed char>(52 + i);
    }
    values['+'] = 62;
    values['/'] = 63;
    return values;
  }();
  if (text.isEmpty() || text.size() % 4 != 0) return std::nullopt;
  const qsizetype padding = text.endsWith("==")  ? 2
                            : text.endsWith('=') ? 1
                                                 : 0;
  QByteArray out(text.size() / 4 * 3 - padding, Qt::Uninitialized);
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  auto* bytes = reinterpret_cast<unsigned char*>(out.data());
  const auto quad = [in](qsizetype at, int c_default, int d_default) {
    const int c = c_default < 0 ? kValues[in[at + 2]] : c_default;
    const int d = d_default < 0 ? kValues[in[at + 3]] : d_default;
    const int a = kValues[in[at]];
    const int b = kValues[in[at + 1]];
    return (a | b | c | d) < 0 ? -1 : (a << 18) | (b << 12) | (c << 6) | d;
  };
  const qsizetype last = text.size() - 4;
  for (qsizetype at = 0; at < last; at += 4) {
    const int value = quad(at, -1, -1);
    if (value < 0) return std::nullopt;
    *bytes++ = static_cast<unsigned char>(value >> 16);
    *bytes++ = static_cast<unsigned char>(value >> 8);
    *bytes++ = static_cast<unsigned char>(value);
  }
  const int value = quad(last, padding == 2 ? 0 : -1, padding >= 1 ? 0 : -1);
  if (value < 0) return std::nullopt;
  *bytes++ = static_cast<unsigned char>(value >> 16);
  if (padding < 2) *bytes++ = static_cast<unsigned char>(value >> 8);
  if (padding < 1) *bytes = static_cast<unsigned char>(value);
  return out;
}

// What a search looks through.
QString WordsOf(const QString& summary, const QString& text) {
  return FoldedForSearch(summary + u'\n' + text);
}

// The summary and the text at the head of inflated bytes, and where the
// other fields begin; false when the head is not whole.
bool SplitHead(QByteArrayView bytes, QString* summary, QString* text,
               qsizetype* rest) {
  const qsizetype first = bytes.indexOf(kEnd);
  const qsizetype second = first < 0 ? -1 : bytes.indexOf(kEnd, first + 1);
  if (second < 0) return false;
  *summary = QString::fromUtf8(bytes.first(first));
  *text = QString::fromUtf8(bytes.sliced(first + 1, second - first - 1));
  *rest = second + 1;
  return true;
}

QJsonObject ObjectOf(QByteArrayView json) {
  QJsonParseError error;
  const QJsonDocument document =
      QJsonDocument::fromJson(json.toByteArray(), &error);
  return error.error == QJsonParseError::NoError ? document.object()
                                                 : QJsonObject();
}

// The row of a line's time, generator key and packed fields in base64.
std::optional<HistoryRow> RowOf(const QString& time, QStringView key,
                                QByteArrayView base64) {
  const std::optional<Generator> generator = GeneratorOfKey(key);
  if (!generator) return std::nullopt;
  std::optional<QByteArray> bytes = FromBase64(base64);
  if (!bytes) return std::nullopt;
  const std::optional<QByteArrayView> head =
      InflateHead(*bytes, PackingWords(*generator));
  if (!head) return std::nullopt;
  // The head is the summary, kEnd, the text and kEnd: the words are made
  // from it in one piece, the first kEnd turned into the line break
  // WordsOf puts there, rather than from the summary and the text apart.
  const qsizetype first = head->indexOf(kEnd);
  HistoryRow row;
  row.summary = QString::fromUtf8(head->first(first));
  QString words = QString::fromUtf8(head->chopped(1));
  words[words.indexOf(QChar(kEnd))] = u'\n';
  row.words = FoldedForSearch(std::move(words));
  row.time = time;
  row.generator = *generator;
  row.packed = std::move(*bytes);
  return row;
}

// The same from a line as this version writes it, without a JSON parser:
// its fields in the order QJsonDocument writes them, none escaped. Reading
// 10000 lines so takes a fraction of parsing them.
std::optional<HistoryRow> QuickRowOf(QByteArrayView line) {
  const auto field = [&line](QByteArrayView opening, QByteArrayView* value) {
    if (!line.startsWith(opening)) return false;
    line = line.sliced(opening.size());
    const qsizetype end = line.indexOf('"');
    if (end < 0) return false;
    *value = line.first(end);
    line = line.sliced(end);
    return !value->contains('\\');
  };
  QByteArrayView key;
  QByteArrayView packed;
  QByteArrayView time;
  if (!field("{\"generator\":\"", &key) ||
      !field("\",\"packed\":\"", &packed) || !field("\",\"time\":\"", &time) ||
      line != "\"}") {
    return std::nullopt;
  }
  return RowOf(QString::fromUtf8(time), QString::fromLatin1(key), packed);
}

}  // namespace

QString FoldedForSearch(QString text) {
  // Letters of the ASCII range, most of any Italian text, in blocks that
  // the compiler turns into vector instructions; the others through Qt's
  // tables, in the few blocks that hold any. Folding 10000 texts so takes a
  // tenth of the time.
  constexpr std::ptrdiff_t kBlock = 32;
  char16_t* const start = reinterpret_cast<char16_t*>(text.data());
  char16_t* const end = start + text.size();
  for (char16_t* block = start; block < end; block += kBlock) {
    const std::ptrdiff_t size = std::min(kBlock, end - block);
    char16_t seen = 0;
    for (std::ptrdiff_t i = 0; i < size; ++i) {
      const char16_t c = block[i];
      seen |= c;
      const bool capital = static_cast<char16_t>(c - u'A') <= u'Z' - u'A';
      block[i] = c + (capital ? u'a' - u'A' : 0);
    }
    if (seen < 0x80) continue;
    for (std::ptrdiff_t i = 0; i < size; ++i) {
      if (block[i] >= 0x80) block[i] = QChar(block[i]).toCaseFolded().unicode();
    }
  }
  return text;
}

std::optional<HistoryRow> PackEntry(const QJsonObject& entry) {
  const QJsonValue time = entry.value(kTime);
  const std::optional<Generator> generator =
      GeneratorOfKey(entry.value(kGenerator).toString());
  if (!time.isString() || !generator ||
      !entry.value(QStringLiteral("inputs")).isObject() ||
      !entry.value(kRecord).isObject()) {
    return std::nullopt;
  }
  HistoryRow row;
  row.time = time.toString();
  row.generator = *generator;
  row.summary = entry.value(kSummary).toString();
  const QString plain_text = entry.value(kText).toString();
  row.words = WordsOf(row.summary, plain_text);
  QJsonObject rest = entry;
  for (const QLatin1StringView clear : {kTime, kGenerator, kSummary, kText}) {
    rest.remove(clear);
  }
  // The record is kept once, as the line the window wrote, when that line
  // says the same.
  const QJsonValue line = rest.value(kRecordLine);
  if (line.isString() &&
      ObjectOf(line.toString().toUtf8()) == rest.value(kRecord).toObject()) {
    rest.remove(kRecord);
  }
  const QByteArray summary = row.summary.toUtf8();
  const QByteArray text = plain_text.toUtf8();
  if (summary.contains(kEnd) || text.contains(kEnd)) return std::nullopt;
  row.packed = Deflate(summary + kEnd + text + kEnd +
                           QJsonDocument(rest).toJson(QJsonDocument::Compact),
                       PackingWords(row.generator));
  if (row.packed.isEmpty()) return std::nullopt;
  return row;
}

QJsonObject UnpackEntry(const HistoryRow& row) {
  const std::optional<QByteArray> bytes =
      Inflate(row.packed, PackingWords(row.generator));
  QString summary;
  QString text;
  qsizetype rest = 0;
  if (!bytes || !SplitHead(*bytes, &summary, &text, &rest)) return {};
  QJsonObject entry = ObjectOf(QByteArrayView(*bytes).sliced(rest));
  if (entry.isEmpty()) return entry;
  if (!entry.contains(kRecord)) {
    entry.insert(kRecord,
                 ObjectOf(entry.value(kRecordLine).toString().toUtf8()));
  }
  entry.insert(kTime, row.time);
  entry.insert(kGenerator, GeneratorKey(row.generator));
  entry.insert(kSummary, summary);
  entry.insert(kText, text);
  return entry;
}

QByteArray LineOfRow(const HistoryRow& row) {
  const QJsonObject line{
      {kTime, row.time},
      {kGenerator, GeneratorKey(row.generator)},
      {kPacked, QString::fromLatin1(row.packed.toBase64())},
  };
  return QJsonDocument(line).toJson(QJsonDocument::Compact);
}

std::optional<HistoryRow> RowOfLine(QByteArrayView line, bool* older) {
  if (older != nullptr) *older = false;
  if (std::optional<HistoryRow> row = QuickRowOf(line)) return row;
  const QJsonObject object = ObjectOf(line);
  const QJsonValue packed = object.value(kPacked);
  if (packed.isString()) {
    const QJsonValue time = object.value(kTime);
    if (!time.isString()) return std::nullopt;
    return RowOf(time.toString(), object.value(kGenerator).toString(),
                 packed.toString().toLatin1());
  }
  // A line without packed fields is a whole entry, as older versions kept
  // them: packed here, so that it costs no more than the others.
  if (older != nullptr) *older = true;
  return PackEntry(object);
}

}  // namespace quendaro
