#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "history/HistoryRow.h"

namespace quendaro {

// The generations of every window, kept across runs as JSON Lines: one entry
// per line, oldest first. Each entry is an object with at least "time" (ISO
// 8601, UTC), "generator" (a key of history/Generators.h), "summary",
// "inputs" (the input boxes as the user left them), "record" (the result's
// JSON record) and "window" (every text the window showed, by control name);
// later fields, such as "rolls", ride along untouched. A line holds the
// entry as a HistoryRow: its time and generator in the clear, the rest
// packed; lines of older versions, whole entries, are read as well.
//
// Every change is made under an advisory lock on the file itself (flock), so
// that two programs appending at once lose nothing, and a program that dies
// holding the lock holds nobody up: the system releases it with the process.
// An entry is written whole or not at all: a write that fails half-way (a
// full disk) is cut back to where the file ended. A damaged or unknown line
// is skipped and counted, never fatal. Only the newest kKeptEntries are kept:
// when the file has grown well past that, it is rewritten whole through
// QSaveFile, under the same lock. The file is readable by its owner only.
//
// The calls block on the file and its lock: a window leaves them to a
// HistoryKeeper's thread.
class HistoryStore {
 public:
  static constexpr int kKeptEntries = 10000;
  // How long an append or a clear waits for another program's lock.
  static constexpr int kLockWaitMs = 10000;

  struct Contents {
    std::vector<HistoryRow> rows;  // oldest first
    int skipped_lines = 0;
    // Entries an older version kept whole on their lines; Upgrade rewrites
    // them as this version does.
    int older_lines = 0;
    // Why the file could not be read, in Italian with its path; empty when
    // it was read, or when there is no file yet.
    QString error;
  };

  // The store in `path`; the folder is created on the first append.
  explicit HistoryStore(QString path);

  // The program's own store, in the user's application data folder.
  static QString DefaultPath();

  const QString& Path() const { return path_; }

  // Appends `row` as one line. On failure nothing of it is in the file,
  // and `error` says why, in Italian.
  bool Append(const HistoryRow& row, QString* error = nullptr);
  // The same for a whole entry; one that lacks the fields every reader
  // relies on is refused.
  bool Append(const QJsonObject& entry, QString* error = nullptr);

  // Every readable entry, oldest first, how many lines were skipped, and
  // what kept the file from being read.
  Contents Load() const;

  // Empties the store.
  bool Clear(QString* error = nullptr);

  // Rewrites the entries an older version kept whole as this version keeps
  // them, so that the next reading is as quick as for a file of its own.
  bool Upgrade(QString* error = nullptr);

 private:
  // Rewrites the file with its newest kKeptEntries lines, those of older
  // versions as this one writes them, when either changes anything; the
  // caller holds the lock on `fd`.
  bool RewriteLocked(int fd, QString* error);

  QString path_;
  // Lines in the file as far as this instance knows, counting its own
  // appends: a cheap guess of when to compact, checked again under the lock.
  int known_lines_ = -1;
};

}  // namespace quendaro
