#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <thread>

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
    QCOMPARE(contents.entries.size(), std::size_t{2});
    QCOMPARE(contents.entries[0][QStringLiteral("summary")].toString(),
             QStringLiteral("Aldor"));
    QCOMPARE(contents.entries[1][QStringLiteral("summary")].toString(),
             QStringLiteral("Brena"));
    QCOMPARE(contents.skipped_lines, 0);
  }

  // A crash in the middle of a write leaves a line without its end; the
  // entries before it, and those appended after, are all read back.
  void ReopensAfterALineCutInTheMiddle() {
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    AppendRaw(path_, QByteArrayLiteral("{\"time\":\"2026-12-08T15:0"));
    HistoryStore after_crash(path_);
    QCOMPARE(after_crash.Load().entries.size(), std::size_t{1});
    QCOMPARE(after_crash.Load().skipped_lines, 1);
    QVERIFY(after_crash.Append(Entry(QStringLiteral("Brena"))));
    const HistoryStore::Contents contents = after_crash.Load();
    QCOMPARE(contents.entries.size(), std::size_t{2});
    QCOMPARE(contents.entries[1][QStringLiteral("summary")].toString(),
             QStringLiteral("Brena"));
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
  }

  void SkipsAndCountsLinesItCannotRead() {
    QFETCH(QByteArray, line);
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    AppendRaw(path_, line);
    QVERIFY(store.Append(Entry(QStringLiteral("Brena"))));
    const HistoryStore::Contents contents = store.Load();
    QCOMPARE(contents.entries.size(), std::size_t{2});
    QCOMPARE(contents.skipped_lines, 1);
  }

  void KeepsUnknownFieldsOfAnEntry() {
    HistoryStore store(path_);
    QJsonObject entry = Entry(QStringLiteral("Aldor"));
    entry[QStringLiteral("rolls")] = QJsonArray{QStringLiteral("1d20: 17")};
    QVERIFY(store.Append(entry));
    QCOMPARE(store.Load().entries.at(0)[QStringLiteral("rolls")],
             entry[QStringLiteral("rolls")]);
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
    QCOMPARE(contents.entries.size(), std::size_t{2 * kEach});
    int next_first = 0;
    int next_second = 0;
    for (const QJsonObject& entry : contents.entries) {
      const int index =
          entry[QStringLiteral("record")][QStringLiteral("index")].toInt();
      int& next =
          entry[QStringLiteral("summary")].toString() == QStringLiteral("first")
              ? next_first
              : next_second;
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
    QCOMPARE(contents.entries.size(), std::size_t{HistoryStore::kKeptEntries});
    QCOMPARE(contents.entries.back()[QStringLiteral("summary")].toString(),
             QStringLiteral("new"));
    QCOMPARE(contents.entries
                 .front()[QStringLiteral("record")][QStringLiteral("index")]
                 .toInt(),
             old_count + 1 - HistoryStore::kKeptEntries);
  }

  void ClearEmptiesIt() {
    HistoryStore store(path_);
    QVERIFY(store.Append(Entry(QStringLiteral("Aldor"))));
    QVERIFY(store.Clear());
    QVERIFY(store.Load().entries.empty());
    QVERIFY(store.Append(Entry(QStringLiteral("Brena"))));
    QCOMPARE(store.Load().entries.size(), std::size_t{1});
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString path_;
};

}  // namespace quendaro

QTEST_GUILESS_MAIN(quendaro::HistoryStoreTest)
#include "HistoryStoreTest.moc"
