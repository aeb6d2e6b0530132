#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "support/WindowTesting.h"
#include "ui/kit/Platform.h"

namespace quendaro {
namespace {

// What one message box showed while it was open.
struct SeenBox {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 0;
  bool has_ok = false;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* parent = nullptr;
};

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxesBlockOneAtATimeInOrder();
  void settingsAreTheirOwnersAlone();
};

// The settings name the folders a game master saves in: nobody else on the
// machine reads them, before or after the program writes them.
void PlatformTest::settingsAreTheirOwnersAlone() {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("QuendaroTest"));
  const QString path = QSettings().fileName();
  QFile::remove(path);
  constexpr QFile::Permissions kEveryone =
      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
      QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
  constexpr QFile::Permissions kOwnerOnly =
      QFile::ReadOwner | QFile::WriteOwner;
  KeepSettingsPrivate();
  QCOMPARE(QFile::permissions(path) & kEveryone, kOwnerOnly);
  {
    QSettings settings;
    settings.setValue(QStringLiteral("files/lastFolder"), QDir::homePath());
  }
  QCOMPARE(QFile::permissions(path) & kEveryone, kOwnerOnly);
  QFile::remove(path);
}

// The desktop's box is the one a game master meets: each message waits in
// its own modal box until it is closed, so the handler showing a list of
// messages goes on only after the last one.
void PlatformTest::messageBoxesBlockOneAtATimeInOrder() {
  QWidget owner;
  QVERIFY(testing::ShowAndWait(owner));
  DesktopPlatform platform;
  QList<SeenBox> seen;

  // Runs inside the box's own event loop: notes what the box shows, then
  // presses its OK button as the user would.
  const auto close_next_box = [&] {
    QTimer::singleShot(0, &owner, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen.append({box->text(), box->windowTitle(), box->icon(),
                   box->buttons().size(),
                   box->button(QMessageBox::Ok) != nullptr,
                   box->windowModality(), box->parentWidget()});
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else {
        box->done(0);
      }
    });
  };

  const QStringList messages = {QStringLiteral("Devi selezionare una classe !"),
                                QStringLiteral("Devi selzionare una razza !")};
  for (qsizetype i = 0; i < messages.size(); ++i) {
    close_next_box();
    platform.ShowMessage(&owner, messages[i]);
    // Back from the call only once this box has been closed.
    QCOMPARE(seen.size(), i + 1);
  }

  for (qsizetype i = 0; i < messages.size(); ++i) {
    const SeenBox& box = seen[i];
    QCOMPARE(box.text, messages[i]);
    QCOMPARE(box.title, QString());
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, qsizetype{1});
    QVERIFY(box.has_ok);
    QVERIFY(box.modality != Qt::NonModal);
    QCOMPARE(box.parent, &owner);
  }
}

}  // namespace quendaro

QTEST_MAIN(quendaro::PlatformTest)
#include "PlatformTest.moc"
