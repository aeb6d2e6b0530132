#include "history/HistoryStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

#include "history/Generators.h"

namespace quendaro {
namespace {

// Compaction waits until the file holds this many lines more than it keeps,
// so that a full history is not rewritten on every generation.
constexpr int kCompactionSlack = 500;
// A lock older than this belongs to a program that died holding it.
constexpr int kStaleLockMs = 30000;
constexpr int kLockWaitMs = 10000;

void SetError(QString* error, const QString& text) {
  if (error != nullptr) *error = text;
}

class StoreLock {
 public:
  explicit StoreLock(const QString& path)
      : lock_(path + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(kStaleLockMs);
    locked_ = lock_.tryLock(kLockWaitMs);
  }
  bool Locked() const { return locked_; }

 private:
  QLockFile lock_;
  bool locked_ = false;
};

QString LockError(const QString& path) {
  return QStringLiteral(
             "La cronologia \"%1\" è in uso da un altro programma: riprova.")
      .arg(QDir::toNativeSeparators(path));
}

// The file's lines, without the line ends; a last line cut short by a crash
// is returned like any other and fails to parse later.
QList<QByteArray> ReadLines(QFile& file) {
  QList<QByteArray> lines = file.readAll().split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

HistoryStore::HistoryStore(QString path) : path_(std::move(path)) {}

QString HistoryStore::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/cronologia.jsonl");
}

bool HistoryStore::IsEntry(const QJsonObject& entry) {
  return GeneratorOfKey(entry.value(QStringLiteral("generator")).toString()) &&
         entry.value(QStringLiteral("time")).isString() &&
         entry.value(QStringLiteral("inputs")).isObject() &&
         entry.value(QStringLiteral("record")).isObject();
}

bool HistoryStore::Append(const QJsonObject& entry, QString* error) {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!QDir().mkpath(folder)) {
    SetError(error, QStringLiteral("Impossibile creare la cartella \"%1\".")
                        .arg(QDir::toNativeSeparators(folder)));
    return false;
  }
  StoreLock lock(path_);
  if (!lock.Locked()) {
    SetError(error, LockError(path_));
    return false;
  }
  QFile file(path_);
  if (!file.open(QIODevice::ReadWrite)) {
    SetError(error,
             QStringLiteral("Impossibile scrivere la cronologia "
                            "\"%1\": %2")
                 .arg(QDir::toNativeSeparators(path_), file.errorString()));
    return false;
  }
  QByteArray line = QJsonDocument(entry).toJson(QJsonDocument::Compact);
  line.append('\n');
  // A line cut short by a crash gets its end first, so that the new entry
  // starts on a line of its own and only the cut one is lost.
  if (file.size() > 0) {
    file.seek(file.size() - 1);
    char last = '\n';
    file.getChar(&last);
    if (last != '\n') line.prepend('\n');
  }
  file.seek(file.size());
  const bool written = file.write(line) == line.size() && file.flush();
  if (!written) {
    SetError(error,
             QStringLiteral("Impossibile scrivere la cronologia "
                            "\"%1\": %2")
                 .arg(QDir::toNativeSeparators(path_), file.errorString()));
    return false;
  }
  file.close();
  if (known_lines_ < 0) {
    QFile counted(path_);
    known_lines_ = counted.open(QIODevice::ReadOnly)
                       ? static_cast<int>(ReadLines(counted).size())
                       : 0;
  } else {
    ++known_lines_;
  }
  if (known_lines_ > kKeptEntries + kCompactionSlack) {
    return CompactLocked(error);
  }
  return true;
}

bool HistoryStore::CompactLocked(QString* error) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    known_lines_ = 0;
    return true;
  }
  // Read again under the lock: other instances may have appended since this
  // one last counted.
  QList<QByteArray> lines = ReadLines(file);
  file.close();
  known_lines_ = static_cast<int>(lines.size());
  if (lines.size() <= kKeptEntries) return true;
  lines.erase(lines.begin(), lines.end() - kKeptEntries);

  QSaveFile out(path_);
  if (!out.open(QIODevice::WriteOnly)) {
    SetError(error,
             QStringLiteral("Impossibile riscrivere la cronologia "
                            "\"%1\": %2")
                 .arg(QDir::toNativeSeparators(path_), out.errorString()));
    return false;
  }
  for (const QByteArray& line : lines) {
    out.write(line);
    out.write("\n", 1);
  }
  if (!out.commit()) {
    SetError(error,
             QStringLiteral("Impossibile riscrivere la cronologia "
                            "\"%1\": %2")
                 .arg(QDir::toNativeSeparators(path_), out.errorString()));
    return false;
  }
  known_lines_ = kKeptEntries;
  return true;
}

HistoryStore::Contents HistoryStore::Load() const {
  Contents contents;
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return contents;
  for (const QByteArray& line : ReadLines(file)) {
    if (line.trimmed().isEmpty()) continue;
    QJsonParseError parse_error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parse_error);
    if (parse_error.error != QJsonParseError::NoError || !document.isObject() ||
        !IsEntry(document.object())) {
      ++contents.skipped_lines;
      continue;
    }
    contents.entries.push_back(document.object());
  }
  return contents;
}

bool HistoryStore::Clear(QString* error) {
  StoreLock lock(path_);
  if (!lock.Locked()) {
    SetError(error, LockError(path_));
    return false;
  }
  if (QFile::exists(path_) && !QFile::remove(path_)) {
    SetError(error, QStringLiteral("Impossibile svuotare la cronologia \"%1\".")
                        .arg(QDir::toNativeSeparators(path_)));
    return false;
  }
  known_lines_ = 0;
  return true;
}

}  // namespace quendaro
