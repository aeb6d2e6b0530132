#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

namespace quendaro {

// The generations of every window, kept across runs as JSON Lines: one entry
// per line, oldest first. Each entry is an object with at least "time" (ISO
// 8601, UTC), "generator" ("character", "treasure", "weapon", "hitpoints" or
// "name"), "summary", "inputs" (the input boxes as the user left them),
// "record" (the result's JSON record) and "window" (every text the window
// showed, by control name); later fields, such as "rolls", ride along
// untouched.
//
// An entry is appended and flushed on its own, under a lock file shared by
// every instance of the program, so a crash loses at most the entry being
// written and two programs appending at once lose nothing. A damaged or
// unknown line is skipped and counted, never fatal. Only the newest
// kKeptEntries are kept: when the file has grown well past that, it is
// rewritten whole through QSaveFile, under the same lock, so that an entry
// another instance appended meanwhile is read before the rewrite and kept.
class HistoryStore {
 public:
  static constexpr int kKeptEntries = 10000;

  struct Contents {
    std::vector<QJsonObject> entries;  // oldest first
    int skipped_lines = 0;
  };

  // The store in `path`; the folder is created on the first append.
  explicit HistoryStore(QString path);

  // The program's own store, in the user's application data folder.
  static QString DefaultPath();

  const QString& Path() const { return path_; }

  // Appends `entry` as one line. On failure returns false and says why in
  // `error`, in Italian.
  bool Append(const QJsonObject& entry, QString* error = nullptr);

  // Every readable entry, oldest first, and how many lines were skipped.
  Contents Load() const;

  // Empties the store.
  bool Clear(QString* error = nullptr);

  // Whether `entry` has the fields every reader relies on.
  static bool IsEntry(const QJsonObject& entry);

 private:
  // Rewrites the file with its newest kKeptEntries lines; the caller holds
  // the lock.
  bool CompactLocked(QString* error);

  QString path_;
  // Lines in the file as far as this instance knows, counting its own
  // appends: a cheap guess of when to compact, checked again under the lock.
  int known_lines_ = -1;
};

}  // namespace quendaro
