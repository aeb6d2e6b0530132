#include <QLabel>
#include <QTest>

#include "support/WindowTesting.h"
#include "ui/forms/Form6.h"

namespace quendaro {

// The credits window names the build it belongs to, with the same version
// number as the command line and the package.
class Form6Test : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheBuildsVersion() {
    Form6 window;
    QVERIFY(testing::ShowAndWait(window));
    const auto* label = testing::Child<QLabel>(window, "version");
    QCOMPARE(label->text(),
             QStringLiteral("Versione " QUENDARO_PROJECT_VERSION));
    QVERIFY(label->isVisible());
    QVERIFY(window.rect().contains(label->geometry()));
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::Form6Test)
#include "Form6Test.moc"
