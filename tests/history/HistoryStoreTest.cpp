#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>

#include "history/HistoryRow.h"
#include "history/HistoryStore.h"

namespace quendaro {
namespace {

QJsonObject Entry(const QString& name, int index = 0) {
  return QJsonObject{
      {QStringLiteral("time"), QStringLiteral("2026-12-08T15:00:00.000Z")},
      {QStringLiteral("generator"), QStringLiteral("name")},
      {QStringLiteral("summary"), name},
      {QStringLiteral("inputs"), QJsonObject{}},
      {QStringLiteral("record"), QJsonObject{{QStringLiteral("index"), index}}},
  };
}

void AppendRaw(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::Append));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The permissions that say who may read and write, without Qt's "this
// user" copies of the owner's.
constexpr QFile::Permissions kEveryone =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
    QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
    QFile::ExeOther;

// Whether process `pid` holds an advisory lock on a file, as the system
// lists them.
bool HoldsLock(qint64 pid) {
  QFile locks(QStringLiteral("/proc/locks"));
  if (!locks.open(QIODevice::ReadOnly)) return false;
  const QByteArray holder = ' ' + QByteArray::number(pid) + ' ';
  for (const QByteArray& line : locks.readAll().split('\n')) {
    if (line.contains("FLOCK") && line.contains(holder)) return true;
  }
  return false;
}

// The index in the record of a row's entry.
int IndexOf(const HistoryRow& row) {
  return UnpackEntry(row)[QStringLiteral("record")][QStringLiteral("index")]
      .toInt();
}

// The writer that DeadWritersHoldNobodyUp kills: it appends large entries
// to `path` until it dies. Their letters follow no pattern, so that packing
// leaves them large.
int AppendForever(const QString& path) {
  HistoryStore store(path);
  QJsonObject entry = Entry(QStringLiteral("Lungo"));
  QString rolls(4 * 1024 * 1024, QLatin1Char('x'));
  std::uint32_t state = 1;
  for (QChar& c : rolls) {
    state = state * 1664525u + 1013904223u;
    c = QLatin1Char(static_cast<char>('a' + (state >> 24) % 26));
  }
  entry[QStringLiteral("rolls")] = rolls;
  while (true) store.Append(entry);
}

}  // namespace

class HistoryStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir_.reset(new QTemporaryDir);
    path_ = dir_->filePath(QStringLiteral("sub/cronologia.jsonl"));
  }

  void SurvivesARestart() {
    {
      HistoryStore store(path_);
      QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
      QVERIFY(store.Append(Entry(QStringLiteral("Brena"))));
    }
    const HistoryStore reopened(path_);
    const HistoryStore::Contents contents = reopened.Load();
    QCOMPARE(contents.rows.size(), std::size_t{2});
    QCOMPARE(contents.rows[0].summary, QStringLiteral("Aldor"));
    QCOMPARE(contents.rows[1].summary, QStringLiteral("Brena"));
    QCOMPARE(contents.skipped_lines, 0);
  }

  // A crash in the middle of a write leaves a line without its end; the
  // entries before it, and those appended after, are all read back.
  void ReopensAfterALineCutInTheMiddle() {
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    AppendRaw(path_, QByteArrayLiteral("{\"time\":\"2026-12-08T15:0"));
    HistoryStore after_crash(path_);
    QCOMPARE(after_crash.Load().rows.size(), std::size_t{1});
    QCOMPARE(after_crash.Load().skipped_lines, 1);
    QVERIFY(after_crash.Append(Entry(QStringLiteral("Brena"))));
    const HistoryStore::Contents contents = after_crash.Load();
    QCOMPARE(contents.rows.size(), std::size_t{2});
    QCOMPARE(contents.rows[1].summary, QStringLiteral("Brena"));
    QCOMPARE(contents.skipped_lines, 1);
  }

  void SkipsAndCountsLinesItCannotRead_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("garbage") << QByteArrayLiteral("\x01\xff garbage ]]\n");
    QTest::newRow("not an object") << QByteArrayLiteral("[1,2,3]\n");
    QTest::newRow("unknown generator") << QByteArrayLiteral(
        "{\"time\":\"x\",\"generator\":\"dragon\",\"inputs\":{},"
        "\"record\":{}}\n");
    QTest::newRow("no record") << QByteArrayLiteral(
        "{\"time\":\"x\",\"generator\":\"name\",\"inputs\":{}}\n");
    QTest::newRow("packed fields damaged") << QByteArrayLiteral(
        "{\"time\":\"x\",\"generator\":\"name\",\"packed\":\"@@\"}\n");
  }

  void SkipsAndCountsLinesItCannotRead() {
    QFETCH(QByteArray, line);
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    AppendRaw(path_, line);
    QVERIFY(store.Append(Entry(QStringLiteral("Brena"))));
    const HistoryStore::Contents contents = store.Load();
    QCOMPARE(contents.rows.size(), std::size_t{2});
    QCOMPARE(contents.skipped_lines, 1);
  }

  // Every field of an entry comes back as it went in, those of a later
  // version too, whether this version wrote it or an older one kept the
  // entry whole on its line.
  void EveryFieldComesBack_data() {
    QTest::addColumn<bool>("older_line");
    QTest::newRow("this version's line") << false;
    QTest::newRow("an older version's line") << true;
  }

  void EveryFieldComesBack() {
    QFETCH(bool, older_line);
    QJsonObject entry = Entry(QStringLiteral("Aldor"), 7);
    entry[QStringLiteral("text")] = QStringLiteral(
        "Aldor, Elfo alto\nETA' : 120 anni  Maturità\n"
        "TOTALE : 85\n");
    entry[QStringLiteral("markdown")] =
        QStringLiteral("# Nome\n\n```\nAldor\nTOTALE : 85\n```\n");
    entry[QStringLiteral("html")] = QStringLiteral("<p>Aldor è qui</p>");
    entry[QStringLiteral("json")] = QStringLiteral("{\"index\":7}");
    entry[QStringLiteral("rolls")] = QJsonArray{QStringLiteral("1d20: 17")};
    entry[QStringLiteral("window")] =
        QJsonObject{{QStringLiteral("Label1"), QStringLiteral("Aldor")}};
    if (older_line) {
      QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
      AppendRaw(path_,
                QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
    } else {
      QVERIFY(HistoryStore(path_).Append(entry));
    }
    const HistoryStore::Contents contents = HistoryStore(path_).Load();
    QCOMPARE(contents.rows.size(), std::size_t{1});
    QCOMPARE(UnpackEntry(contents.rows[0]), entry);
    // What a search looks through is the same read as packed.
    QCOMPARE(contents.rows[0].words, PackEntry(entry)->words);
    QVERIFY(contents.rows[0].words.contains(QStringLiteral("elfo alto")));
  }

  // Two programs appending at once: every entry of both is there, each on a
  // line of its own.
  void TwoWritersAtOnceLoseNothing() {
    constexpr int kEach = 300;
    const auto writer = [this](const QString& who) {
      HistoryStore store(path_);
      for (int i = 0; i < kEach; ++i) store.Append(Entry(who, i));
    };
    std::thread first(writer, QStringLiteral("first"));
    std::thread second(writer, QStringLiteral("second"));
    first.join();
    second.join();
    const HistoryStore::Contents contents = HistoryStore(path_).Load();
    QCOMPARE(contents.skipped_lines, 0);
    QCOMPARE(contents.rows.size(), std::size_t{2 * kEach});
    int next_first = 0;
    int next_second = 0;
    for (const HistoryRow& row : contents.rows) {
      const int index = IndexOf(row);
      int& next =
          row.summary == QStringLiteral("first") ? next_first : next_second;
      QCOMPARE(index, next);
      ++next;
    }
  }

  void KeepsTheNewestEntries() {
    QByteArray lines;
    const int old_count = HistoryStore::kKeptEntries + 500;
    for (int i = 0; i < old_count; ++i) {
      lines += QJsonDocument(Entry(QStringLiteral("old"), i))
                   .toJson(QJsonDocument::Compact) +
               '\n';
    }
    QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
    AppendRaw(path_, lines);
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("new"), old_count)));
    const HistoryStore::Contents contents = store.Load();
    QCOMPARE(contents.rows.size(), std::size_t{HistoryStore::kKeptEntries});
    QCOMPARE(contents.rows.back().summary, QStringLiteral("new"));
    // The file is read in pieces on several threads; the rows come back in
    // its order all the same.
    int index = old_count + 1 - HistoryStore::kKeptEntries;
    for (const HistoryRow& row : contents.rows) QCOMPARE(IndexOf(row), index++);
  }

  // A program that dies while it appends leaves nothing in the way of the
  // next: the lock on the file goes with its holder, and the lock file an
  // older version may have left behind, empty, is no lock at all.
  void DeadWritersHoldNobodyUp() {
    QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
    QFile left_behind(path_ + QStringLiteral(".lock"));
    QVERIFY(left_behind.open(QIODevice::WriteOnly));
    left_behind.close();

    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--append-forever"), path_});
    QVERIFY(writer.waitForStarted());
    // Killed while it holds the lock, in the middle of an append.
    QVERIFY(QTest::qWaitFor([&writer] { return HoldsLock(writer.processId()); },
                            20000));
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    QVERIFY(writer.waitForFinished());

    HistoryStore next(path_);
    QString error;
    QVERIFY2(next.Append(Entry(QStringLiteral("Brena")), &error),
             qPrintable(error));
    const HistoryStore::Contents contents = next.Load();
    QVERIFY(contents.error.isEmpty());
    QVERIFY(!contents.rows.empty());
    QCOMPARE(contents.rows.back().summary, QStringLiteral("Brena"));
    // At most the line being written when the writer died is lost.
    QVERIFY(contents.skipped_lines <= 1);
  }

  // A write that fails leaves the file as it was, and the message says why.
  void AnEntryIsWrittenWholeOrNotAtAll_data() {
    QTest::addColumn<bool>("full_disk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file at its size limit")
        << false
        << QStringLiteral("il file ha raggiunto la dimensione massima");
    QTest::newRow("a full disk") << true << QStringLiteral("il disco è pieno");
  }

  void AnEntryIsWrittenWholeOrNotAtAll() {
    QFETCH(bool, full_disk);
    QFETCH(QString, reason);
    QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
    HistoryStore store(path_);
    QString error;
    if (full_disk) {
      // Every write to /dev/full fails as on a full disk.
      QVERIFY(QFile::link(QStringLiteral("/dev/full"), path_));
      QVERIFY(!store.Append(Entry(QStringLiteral("Aldor")), &error));
    } else {
      QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
      const QByteArray before = ReadFile(path_);
      // Room for half of the next entry: its write stops half-way.
      const rlim_t limit = static_cast<rlim_t>(before.size()) +
                           static_cast<rlim_t>(before.size()) / 2;
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit saved{};
      getrlimit(RLIMIT_FSIZE, &saved);
      rlimit small = saved;
      small.rlim_cur = limit;
      QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
      const bool appended =
          store.Append(Entry(QStringLiteral("Brena")), &error);
      setrlimit(RLIMIT_FSIZE, &saved);
      QVERIFY(!appended);
      QCOMPARE(ReadFile(path_), before);
    }
    QCOMPARE(error, QStringLiteral("La generazione non è stata salvata nella "
                                   "cronologia \"%1\": %2.")
                        .arg(QDir::toNativeSeparators(path_), reason));
  }

  // A history that cannot be read says so with its path, rather than
  // passing for an empty one.
  void AnUnreadableFileSaysWhy_data() {
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder")
        << true << QStringLiteral("al suo posto c'è una cartella");
    QTest::newRow("no permission")
        << false << QStringLiteral("permesso negato");
  }

  void AnUnreadableFileSaysWhy() {
    QFETCH(bool, folder);
    QFETCH(QString, reason);
    if (folder) {
      QVERIFY(QDir().mkpath(path_));
    } else {
      if (::geteuid() == 0) QSKIP("the superuser reads every file");
      QVERIFY(HistoryStore(path_).Append(Entry(QStringLiteral("Aldor"))));
      QVERIFY(QFile::setPermissions(path_, QFile::WriteOwner));
    }
    const HistoryStore::Contents contents = HistoryStore(path_).Load();
    QVERIFY(contents.rows.empty());
    QCOMPARE(contents.error,
             QStringLiteral("Impossibile leggere la cronologia \"%1\": %2.")
                 .arg(QDir::toNativeSeparators(path_), reason));
    QVERIFY(HistoryStore(dir_->filePath(QStringLiteral("nessuna.jsonl")))
                .Load()
                .error.isEmpty());
  }

  // The history tells what a game master rolled: nobody else on the
  // machine reads it, even a file an older version made for everyone.
  void TheFileIsItsOwnersAlone() {
    constexpr QFile::Permissions kOwnerOnly =
        QFile::ReadOwner | QFile::WriteOwner;
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    QCOMPARE(QFile::permissions(path_) & kEveryone, kOwnerOnly);
    QVERIFY(QFile::setPermissions(
        path_, kOwnerOnly | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(HistoryStore(path_).Append(Entry(QStringLiteral("Brena"))));
    QCOMPARE(QFile::permissions(path_) & kEveryone, kOwnerOnly);
  }

  void ClearEmptiesIt() {
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    QVERIFY(store.Clear());
    QVERIFY(store.Load().rows.empty());
    QVERIFY(store.Append(Entry(QStringLiteral("Brena"))));
    QCOMPARE(store.Load().rows.size(), std::size_t{1});
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString path_;
};

}  // namespace quendaro

// Run with --append-forever PATH, the program is the writer that one test
// kills.
int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], "--append-forever") == 0) {
    return quendaro::AppendForever(QString::fromLocal8Bit(argv[2]));
  }
  QCoreApplication app(argc, argv);
  quendaro::HistoryStoreTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "HistoryStoreTest.moc"
