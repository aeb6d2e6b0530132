// How the generator windows look as results come and go: nothing moves, the
// treasure lines stand on their types, the weapon window's captions keep
// their room.

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTest>
#include <map>
#include <memory>

#include "random/RandomSource.h"
#include "support/LayoutChecks.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form1.h"
#include "ui/forms/Form3.h"
#include "ui/forms/Form5.h"
#include "ui/kit/Pictures.h"

namespace quendaro {
namespace {

using testing::Child;
using testing::RecordingPlatform;

enum class Generator { kCharacter, kTreasure, kWeapon };

std::unique_ptr<QMainWindow> Open(Generator generator, RandomSource& random,
                                  RecordingPlatform& platform) {
  switch (generator) {
    case Generator::kCharacter:
      return std::make_unique<Form1>(random, platform);
    case Generator::kTreasure:
      return std::make_unique<Form3>(random, platform);
    case Generator::kWeapon:
      return std::make_unique<Form5>(random, platform);
  }
  return nullptr;
}

// Where each named control stands in its window.
std::map<QString, QRect> Places(QWidget& window) {
  std::map<QString, QRect> places;
  for (QWidget* control : testing::VisibleControls(window)) {
    if (control->objectName().isEmpty()) continue;
    places[control->objectName()] =
        QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
  }
  return places;
}

// Lets the window finish every layout it has pending.
void Settle() {
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

// The places once they stop changing: a maximized window may get its size,
// and its sheet its scale, a few event rounds after it is shown, later on a
// busy machine.
std::map<QString, QRect> SettledPlaces(QWidget& window) {
  Settle();
  std::map<QString, QRect> last = Places(window);
  for (int round = 0; round < 100; ++round) {
    QTest::qWait(20);
    std::map<QString, QRect> now = Places(window);
    if (now == last) return now;
    last = std::move(now);
  }
  return last;
}

int MiddleY(QWidget& window, const char* name) {
  QWidget* control = Child(window, name);
  return control->mapTo(&window, QPoint(0, 0)).y() + control->height() / 2;
}

}  // namespace
}  // namespace quendaro

Q_DECLARE_METATYPE(quendaro::Generator)

namespace quendaro {

class LooksTest : public QObject {
  Q_OBJECT

 private slots:
  // The logo drawn at the build is the logo the SVG draws, at both sizes the
  // start window shows it: a stale or misread drawing would show a wrong
  // picture, a missing one would only slow the start down unseen.
  void logoDrawnAheadMatchesItsVectorArt() {
    for (const QSize pixels : {QSize(406, 268), QSize(812, 536)}) {
      const QImage drawn = DrawnPicture(Picture::kLogo, pixels);
      QVERIFY2(!drawn.isNull(), "the logo was not drawn at the build");
      QImage vector(pixels, QImage::Format_ARGB32_Premultiplied);
      vector.fill(Qt::transparent);
      {
        QPainter painter(&vector);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(PicturePath(Picture::kLogo))
            .render(&painter, QRectF(vector.rect()));
      }
      QCOMPARE(drawn, vector);
    }
  }

  void nothingMovesAsResultsComeAndGo_data() {
    QTest::addColumn<Generator>("generator");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(1280, 800), QSize(1024, 700)}) {
      const QByteArray at = QByteArray::number(size.width()) + "x" +
                            QByteArray::number(size.height());
      QTest::newRow("character " + at) << Generator::kCharacter << size;
      QTest::newRow("treasure " + at) << Generator::kTreasure << size;
      QTest::newRow("weapon " + at) << Generator::kWeapon << size;
    }
    // An empty size stands for a maximized window, as the program opens it.
    QTest::newRow("character maximized") << Generator::kCharacter << QSize();
    QTest::newRow("treasure maximized") << Generator::kTreasure << QSize();
    QTest::newRow("weapon maximized") << Generator::kWeapon << QSize();
  }

  // Every control keeps its place and size through several generations and
  // a clearing, so that the eye finds each result where it was.
  void nothingMovesAsResultsComeAndGo() {
    QFETCH(Generator, generator);
    QFETCH(QSize, size);
    RandomSource random;
    RecordingPlatform platform;
    std::unique_ptr<QMainWindow> window = Open(generator, random, platform);
    if (size.isEmpty()) {
      window->showMaximized();
      QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    } else {
      window->resize(size);
      QVERIFY(testing::ShowAndWait(*window));
    }
    if (generator == Generator::kTreasure) {
      for (QSpinBox* spinner : window->findChildren<QSpinBox*>()) {
        spinner->setValue(spinner->maximum());
      }
    }
    const std::map<QString, QRect> before = SettledPlaces(*window);
    for (int press = 0; press < 6; ++press) {
      QTest::mouseClick(Child(*window, "Command1"), Qt::LeftButton);
      const std::map<QString, QRect> after = SettledPlaces(*window);
      QStringList moved;
      for (const auto& [name, place] : before) {
        const auto found = after.find(name);
        QVERIFY2(found != after.end(), qPrintable(name + " disappeared"));
        if (found->second != place) {
          moved << QStringLiteral("%1 from %2,%3 %4x%5 to %6,%7 %8x%9")
                       .arg(name)
                       .arg(place.x())
                       .arg(place.y())
                       .arg(place.width())
                       .arg(place.height())
                       .arg(found->second.x())
                       .arg(found->second.y())
                       .arg(found->second.width())
                       .arg(found->second.height());
        }
      }
      QVERIFY2(moved.isEmpty(),
               qPrintable(QStringLiteral("after press %1: ").arg(press + 1) +
                          moved.join(QStringLiteral("; "))));
    }
    auto* clear = Child<QPushButton>(*window, "Command2");
    if (clear->isEnabled()) {
      QTest::mouseClick(clear, Qt::LeftButton);
      Settle();
      QVERIFY(Places(*window) == before);
    }
  }

  // Each magic-item line stands level with its type's letter and count, so
  // that the type a line belongs to reads straight across.
  void magicLinesStandOnTheirTypes() {
    RandomSource random;
    RecordingPlatform platform;
    Form3 window(random, platform);
    window.resize(1280, 800);
    QVERIFY(testing::ShowAndWait(window));
    for (QSpinBox* spinner : window.findChildren<QSpinBox*>()) {
      spinner->setValue(spinner->maximum());
    }
    QTest::mouseClick(Child(window, "Command1"), Qt::LeftButton);
    Settle();
    const struct {
      const char* letter;
      const char* spinner;
      const char* line;
    } rows[] = {
        {"Label1", "UpDown1", "labela"},  {"Label2", "UpDown3", "labelb"},
        {"Label3", "UpDown11", "Labelc"}, {"Label4", "UpDown10", "Labeld"},
        {"Label5", "UpDown9", "Labele"},  {"Label6", "UpDown5", "Labelf"},
        {"Label7", "UpDown8", "Labelg"},  {"Label8", "UpDown17", "Labelh"},
        {"Label9", "UpDown7", "Labeli"},
    };
    for (const auto& row : rows) {
      const int line = MiddleY(window, row.line);
      QVERIFY2(
          qAbs(MiddleY(window, row.letter) - line) <= 1,
          qPrintable(
              QStringLiteral("%1 stands off %2").arg(row.line, row.letter)));
      QVERIFY2(
          qAbs(MiddleY(window, row.spinner) - line) <= 1,
          qPrintable(
              QStringLiteral("%1 stands off %2").arg(row.line, row.spinner)));
    }
  }

  void weaponButtonsShareOneType() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    const QFont generate = Child(window, "Command1")->font();
    const QFont clear = Child(window, "Command2")->font();
    QCOMPARE(generate.family(), clear.family());
    QCOMPARE(generate.pointSizeF(), clear.pointSizeF());
    QCOMPARE(generate.weight(), clear.weight());
  }

  void egoKeepsAGapBeforeItsValue_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("roomy") << QSize(1280, 800);
    QTest::newRow("narrow") << QSize(800, 560);
  }

  // "Ego :" and the ego itself read as caption and value, not as one word.
  void egoKeepsAGapBeforeItsValue() {
    QFETCH(QSize, size);
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    window.resize(size);
    QVERIFY(testing::ShowAndWait(window));
    QTest::mouseClick(Child(window, "Command1"), Qt::LeftButton);
    Settle();
    auto* caption = Child<QLabel>(window, "Label26");
    auto* value = Child<QLabel>(window, "Label27");
    const int caption_end =
        caption->mapTo(&window, caption->contentsRect().topLeft()).x() +
        QFontMetrics(caption->font()).horizontalAdvance(caption->text());
    const int value_start =
        value->mapTo(&window, value->contentsRect().topLeft()).x();
    const int blank = QFontMetrics(caption->font()).horizontalAdvance(u' ');
    QVERIFY2(value_start - caption_end >= blank,
             qPrintable(QStringLiteral("%1 pixels between \"Ego :\" and %2")
                            .arg(value_start - caption_end)
                            .arg(value->text())));
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::LooksTest)
#include "LooksTest.moc"
