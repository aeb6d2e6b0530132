#include "history/HistoryStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <future>
#include <iterator>
#include <optional>
#include <utility>

#include "history/Generators.h"

namespace quendaro {
namespace {

// Compaction waits until the file holds this many lines more than it keeps,
// so that a full history is not rewritten on every generation.
constexpr int kCompactionSlack = 500;
constexpr int kLockPollMs = 20;
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
// The file is read in pieces of at least this many bytes, each unpacked on
// a thread of its own.
constexpr qsizetype kPieceBytes = 512 * 1024;
using ReadBuffer = std::array<char, 1 << 16>;

void SetError(QString* error, const QString& text) {
  if (error != nullptr) *error = text;
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// What went wrong, in the words a game master reads in a message.
QString ReasonOf(int error) {
  switch (error) {
    case ENOSPC:
      return QStringLiteral("il disco è pieno");
    case EDQUOT:
      return QStringLiteral("lo spazio concesso sul disco è esaurito");
    case EFBIG:
      return QStringLiteral("il file ha raggiunto la dimensione massima");
    case EACCES:
    case EPERM:
      return QStringLiteral("permesso negato");
    case EROFS:
      return QStringLiteral("il disco è di sola lettura");
    case EISDIR:
      return QStringLiteral("al suo posto c'è una cartella");
    case ENOTDIR:
      return QStringLiteral("una parte del percorso non è una cartella");
    case EIO:
      return QStringLiteral("errore di lettura o scrittura sul disco");
    case EWOULDBLOCK:
      return QStringLiteral(
                 "è in uso da un altro programma da più di %1 "
                 "secondi")
          .arg(HistoryStore::kLockWaitMs / 1000);
    default:
      return QStringLiteral("errore del sistema %1 (%2)")
          .arg(error)
          .arg(QString::fromLocal8Bit(std::strerror(error)));
  }
}

QString WriteError(const QString& path, int error) {
  return QStringLiteral(
             "La generazione non è stata salvata nella cronologia \"%1\": "
             "%2.")
      .arg(Shown(path), ReasonOf(error));
}

QString ReadError(const QString& path, int error) {
  return QStringLiteral("Impossibile leggere la cronologia \"%1\": %2.")
      .arg(Shown(path), ReasonOf(error));
}

// The history file, open for writing and locked for this process alone. The
// lock is the file's own advisory lock: the system drops it when the holder
// closes the file or dies, so no lock outlives a crashed program.
class LockedFile {
 public:
  explicit LockedFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const QDeadlineTimer deadline(HistoryStore::kLockWaitMs);
    while (true) {
      fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, kOwnerOnly);
      if (fd_ < 0) {
        error_ = errno;
        return;
      }
      while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
          error_ = errno;
          Close();
          return;
        }
        if (deadline.hasExpired()) {
          error_ = EWOULDBLOCK;
          Close();
          return;
        }
        QThread::msleep(kLockPollMs);
      }
      // A program that rewrote the history while this one waited has put a
      // new file in its place: the lock must be on the file the name now
      // leads to.
      struct stat held {};
      struct stat named {};
      if (::fstat(fd_, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
          held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
        if ((held.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
          // A file from an older version may be readable by everyone.
          ::fchmod(fd_, held.st_mode & kOwnerOnly);
        }
        return;
      }
      Close();
    }
  }
  ~LockedFile() { Close(); }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  int Fd() const { return fd_; }
  // The errno that kept the file from being opened and locked, or 0.
  int Error() const { return error_; }

 private:
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  int fd_ = -1;
  int error_ = 0;
};

// Writes all of `bytes` at the file's current end; returns 0 or the errno of
// the write that failed.
int WriteAll(int fd, QByteArrayView bytes) {
  while (!bytes.isEmpty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.sliced(written);
  }
  return 0;
}

// The whole file from its start, wherever the file's offset stands;
// returns 0 or the errno that stopped it.
int ReadAll(int fd, QByteArray* contents) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  contents->clear();
  contents->reserve(static_cast<qsizetype>(info.st_size));
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, contents->size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) return 0;
    contents->append(buffer, got);
  }
}

// Calls `line` for each line of `contents` without its end; a last line cut
// short by a crash comes like any other and fails to parse later.
template <typename Visit>
void ForEachLine(QByteArrayView contents, Visit line) {
  while (!contents.isEmpty()) {
    const qsizetype end = contents.indexOf('\n');
    if (end < 0) {
      line(contents);
      return;
    }
    line(contents.first(end));
    contents = contents.sliced(end + 1);
  }
}

// The lines of the file, counted a piece at a time rather than read whole.
int CountLines(int fd) {
  int lines = 0;
  char last = '\n';
  char buffer[1 << 16];
  off_t offset = 0;
  while (true) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    offset += got;
    lines += static_cast<int>(std::count(buffer, buffer + got, '\n'));
    last = buffer[got - 1];
  }
  // A last line cut short by a crash counts too.
  return last == '\n' ? lines : lines + 1;
}

// The rows of a piece of the history file, whole lines, with the lines
// skipped and those of older versions counted.
HistoryStore::Contents RowsOfPiece(const QByteArray& piece) {
  HistoryStore::Contents contents;
  ForEachLine(piece, [&contents](QByteArrayView line) {
    if (line.trimmed().isEmpty()) return;
    bool older = false;
    if (std::optional<HistoryRow> row = RowOfLine(line, &older)) {
      if (older) ++contents.older_lines;
      contents.rows.push_back(std::move(*row));
    } else {
      ++contents.skipped_lines;
    }
  });
  return contents;
}

}  // namespace

HistoryStore::HistoryStore(QString path) : path_(std::move(path)) {}

QString HistoryStore::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/cronologia.jsonl");
}

bool HistoryStore::Append(const QJsonObject& entry, QString* error) {
  const std::optional<HistoryRow> row = PackEntry(entry);
  if (!row) {
    SetError(error, QStringLiteral("La generazione non è stata salvata nella "
                                   "cronologia \"%1\": è incompleta.")
                        .arg(Shown(path_)));
    return false;
  }
  return Append(*row, error);
}

bool HistoryStore::Append(const HistoryRow& row, QString* error) {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!QDir().mkpath(folder)) {
    SetError(error, QStringLiteral("La generazione non è stata salvata: "
                                   "impossibile creare la cartella \"%1\".")
                        .arg(Shown(folder)));
    return false;
  }
  const LockedFile file(path_);
  if (file.Error() != 0) {
    SetError(error, WriteError(path_, file.Error()));
    return false;
  }
  const int fd = file.Fd();
  const off_t end = ::lseek(fd, 0, SEEK_END);
  if (end < 0) {
    SetError(error, WriteError(path_, errno));
    return false;
  }
  QByteArray line = LineOfRow(row);
  line.append('\n');
  // A line cut short by a crash gets its end first, so that the new entry
  // starts on a line of its own and only the cut one is lost.
  char last = '\n';
  if (end > 0 && ::pread(fd, &last, 1, end - 1) == 1 && last != '\n') {
    line.prepend('\n');
  }
  int failure = WriteAll(fd, line);
  if (failure == 0 && ::fdatasync(fd) != 0) failure = errno;
  if (failure != 0) {
    // Whatever part of the entry reached the file goes again. Should even
    // that fail, the cut line is skipped when read, as after a crash.
    static_cast<void>(::ftruncate(fd, end) == 0);
    SetError(error, WriteError(path_, failure));
    return false;
  }
  if (known_lines_ < 0) {
    known_lines_ = CountLines(fd);
  } else {
    ++known_lines_;
  }
  if (known_lines_ > kKeptEntries + kCompactionSlack) {
    return RewriteLocked(fd, error);
  }
  return true;
}

bool HistoryStore::Upgrade(QString* error) {
  if (!QFileInfo::exists(path_)) return true;
  const LockedFile file(path_);
  if (file.Error() != 0) {
    SetError(error, QStringLiteral("Impossibile riscrivere la cronologia "
                                   "\"%1\": %2.")
                        .arg(Shown(path_), ReasonOf(file.Error())));
    return false;
  }
  return RewriteLocked(file.Fd(), error);
}

bool HistoryStore::RewriteLocked(int fd, QString* error) {
  // Read again under the lock: other programs may have appended since this
  // one last counted.
  QByteArray contents;
  if (ReadAll(fd, &contents) != 0) {
    known_lines_ = -1;
    return true;
  }
  std::vector<QByteArrayView> lines;
  ForEachLine(contents,
              [&lines](QByteArrayView line) { lines.push_back(line); });
  known_lines_ = static_cast<int>(lines.size());
  const auto kept =
      lines.size() > kKeptEntries ? lines.end() - kKeptEntries : lines.begin();
  // The entries an older version kept whole take the form of the others.
  std::vector<QByteArray> upgraded(
      static_cast<std::size_t>(lines.end() - kept));
  bool changed = kept != lines.begin();
  for (auto line = kept; line != lines.end(); ++line) {
    bool older = false;
    const std::optional<HistoryRow> row = RowOfLine(*line, &older);
    if (row && older) {
      upgraded[static_cast<std::size_t>(line - kept)] = LineOfRow(*row);
      changed = true;
    }
  }
  if (!changed) return true;

  const auto fail = [&](const QString& reason) {
    SetError(error, QStringLiteral("Impossibile riscrivere la cronologia "
                                   "\"%1\": %2")
                        .arg(Shown(path_), reason));
    return false;
  };
  QSaveFile out(path_);
  if (!out.open(QIODevice::WriteOnly)) return fail(out.errorString());
  for (auto line = kept; line != lines.end(); ++line) {
    const QByteArray& anew = upgraded[static_cast<std::size_t>(line - kept)];
    // Lines this version cannot read, a later version's say, stay as
    // they are.
    if (anew.isEmpty()) {
      out.write(line->data(), line->size());
    } else {
      out.write(anew);
    }
    out.write("\n", 1);
  }
  if (!out.commit()) return fail(out.errorString());
  QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
  known_lines_ = static_cast<int>(lines.end() - kept);
  return true;
}

HistoryStore::Contents HistoryStore::Load() const {
  Contents contents;
  const int fd =
      ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) contents.error = ReadError(path_, errno);
    return contents;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    contents.error = ReadError(path_, EISDIR);
    return contents;
  }
  contents.rows.reserve(kKeptEntries + kCompactionSlack);
  const auto take = [&contents](Contents&& piece) {
    contents.skipped_lines += piece.skipped_lines;
    contents.older_lines += piece.older_lines;
    std::move(piece.rows.begin(), piece.rows.end(),
              std::back_inserter(contents.rows));
  };
  // Unpacking the rows' heads is most of the reading: the pieces of the
  // file are unpacked on as many threads as the machine has cores, which
  // halves the wait for "Cronologia" on two cores. The file is read a piece
  // at a time, so that its bytes and its rows are never all in memory at
  // once: a full history's 15 MB would be a third of what the open window
  // may cost. The pieces join in the file's order.
  const std::size_t workers =
      static_cast<std::size_t>(std::max(1, QThread::idealThreadCount()));
  std::deque<std::future<Contents>> pending;
  const auto start = [&](QByteArray piece) {
    if (pending.size() >= workers) {
      take(pending.front().get());
      pending.pop_front();
    }
    pending.push_back(std::async(std::launch::async | std::launch::deferred,
                                 RowsOfPiece, std::move(piece)));
  };
  QByteArray piece;
  ReadBuffer buffer;
  piece.reserve(kPieceBytes + static_cast<qsizetype>(buffer.size()));
  off_t offset = 0;
  while (true) {
    const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      // Whatever was read before a read error is still shown.
      contents.error = ReadError(path_, errno);
      break;
    }
    if (got == 0) break;
    offset += got;
    piece.append(buffer.data(), got);
    if (piece.size() < kPieceBytes) continue;
    const qsizetype end = piece.lastIndexOf('\n');
    if (end < 0) continue;
    QByteArray rest = piece.sliced(end + 1);
    piece.truncate(end);
    start(std::exchange(piece, std::move(rest)));
    piece.reserve(kPieceBytes + static_cast<qsizetype>(buffer.size()));
  }
  ::close(fd);
  // A last line cut short by a crash comes like any other and fails to
  // parse.
  start(std::move(piece));
  for (std::future<Contents>& unpacked : pending) take(unpacked.get());
  return contents;
}

bool HistoryStore::Clear(QString* error) {
  if (!QFileInfo::exists(path_)) return true;
  const LockedFile file(path_);
  // Emptied in place, so that a program waiting for the lock finds the same
  // file.
  const int failure = file.Error() != 0                ? file.Error()
                      : ::ftruncate(file.Fd(), 0) != 0 ? errno
                                                       : 0;
  if (failure != 0) {
    SetError(error, QStringLiteral("Impossibile svuotare la cronologia "
                                   "\"%1\": %2.")
                        .arg(Shown(path_), ReasonOf(failure)));
    return false;
  }
  known_lines_ = 0;
  return true;
}

}  // namespace quendaro
