#include "StartupBenchmark.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <utility>

#include "ui/kit/PictureBox.h"

namespace quendaro {

namespace {

QString NameOf(FormId form) {
  return QStringLiteral("Form%1").arg(static_cast<int>(form) + 1);
}

// The main menu's picture that leads to `generator`.
const char* MenuPictureFor(FormId generator) {
  switch (generator) {
    case FormId::kForm1:
      return "Image1";
    case FormId::kForm5:
      return "Image2";
    case FormId::kForm3:
      return "Image3";
    case FormId::kForm2:
    case FormId::kForm4:
    case FormId::kForm6:
    case FormId::kForm7:
    case FormId::kForm8:
    case FormId::kParty:
      break;
  }
  Q_UNREACHABLE();
  return nullptr;
}

long long MicrosecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now() - start)
      .count();
}

std::optional<FormId> GeneratorNamed(const QString& name) {
  for (const FormId form : {FormId::kForm1, FormId::kForm3, FormId::kForm5}) {
    if (name == NameOf(form)) return form;
  }
  return std::nullopt;
}

// A click on a picture, as the mouse or the keyboard gives it.
void ClickPicture(QWidget* window, const char* name) {
  emit window->findChild<PictureBox*>(QString::fromLatin1(name))->clicked();
}

void ChooseMenuItem(QWidget* window, const char* name) {
  window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

// Inputs that make a full result rather than a message: a human warrior, a
// lair of every type twice, a woman's name.
void FillInputs(FormId form, QWidget* window) {
  const auto choose = [window](const char* combo, const char* item) {
    auto* box = window->findChild<QComboBox*>(QString::fromLatin1(combo));
    if (box != nullptr) box->setCurrentIndex(box->findText(item));
  };
  switch (form) {
    case FormId::kForm1:
      choose("Combo1", "Umano");
      choose("Combo2", "Guerriero(puro)");
      choose("Combo3", "Legale/neutrale");
      choose("combo4", "Maschio");
      break;
    case FormId::kForm2:
      if (auto* woman =
              window->findChild<QAbstractButton*>(QStringLiteral("Option2"))) {
        woman->click();
      }
      break;
    case FormId::kForm3:
      for (QSpinBox* count : window->findChildren<QSpinBox*>()) {
        count->setValue(2);
      }
      break;
    case FormId::kForm4:
    case FormId::kForm5:
    case FormId::kForm6:
    case FormId::kForm7:
    case FormId::kForm8:
    case FormId::kParty:
      break;
  }
}

}  // namespace

StartupBenchmark::StartupBenchmark(WindowManager& windows,
                                   const QString& generator, bool build_ahead,
                                   QObject* parent)
    : QObject(parent),
      windows_(windows),
      probe_(this),
      build_ahead_(build_ahead) {
  Q_ASSERT_X(Opens(generator), "StartupBenchmark", "a generator it opens");
  const FormId target = GeneratorNamed(generator).value_or(FormId::kForm1);
  steps_.push_back({FormId::kForm8, [this] {
                      ClickPicture(windows_.Window(FormId::kForm7), "Image1");
                    }});
  steps_.push_back({target, [this, target] {
                      ClickPicture(windows_.Window(FormId::kForm8),
                                   MenuPictureFor(target));
                    }});
  if (target == FormId::kForm1) {
    for (const auto& [form, item] :
         {std::pair{FormId::kForm4, "pf"}, std::pair{FormId::kForm2, "name"}}) {
      steps_.push_back({form, [this, item = item] {
                          ChooseMenuItem(windows_.Window(FormId::kForm1), item);
                        }});
    }
  }
}

bool StartupBenchmark::Opens(const QString& generator) {
  return GeneratorNamed(generator).has_value();
}

void StartupBenchmark::Run() {
  probe_.Await(NameOf(FormId::kForm7), [this] {
    std::printf("shown Form7 %lld\n", FirstPaintProbe::EpochMicroseconds());
    logo_shown_ = std::chrono::steady_clock::now();
    Next();
  });
  connect(&windows_, &WindowManager::SparesReady, this, [this] {
    std::printf("spares-ready %lld\n",
                static_cast<long long>(MicrosecondsSince(logo_shown_)));
  });
  windows_.Start();
  if (build_ahead_) windows_.BuildAheadWhenIdle();
}

bool StartupBenchmark::SparesPending() const {
  if (!build_ahead_) return false;
  for (int index = 0; index < 8; ++index) {
    const auto form = static_cast<FormId>(index);
    if (form == FormId::kForm7) continue;
    if (windows_.Window(form) == nullptr && !windows_.HasSpare(form)) {
      return true;
    }
  }
  return false;
}

void StartupBenchmark::Next() {
  if (SparesPending()) {
    // A player's hand is slower than the building: click once it is over,
    // and once the events it left waiting (a closed window's deletion, the
    // new spare's layout) have been handled, as they would be before a
    // click.
    connect(
        &windows_, &WindowManager::SparesReady, this,
        [this] { QTimer::singleShot(0, this, &StartupBenchmark::Act); },
        Qt::SingleShotConnection);
  } else {
    // After the paint's own pass of the event loop, as a click would come.
    QTimer::singleShot(0, this, &StartupBenchmark::Act);
  }
}

void StartupBenchmark::Act() {
  if (next_ == steps_.size()) {
    std::printf("peak-rss-kib %ld\n", FirstPaintProbe::PeakResidentKib());
    std::fflush(stdout);
    QCoreApplication::exit(0);
    return;
  }
  const Step& step = steps_[next_++];
  probe_.Await(NameOf(step.shows), [this, form = step.shows] {
    std::printf("open %s %lld\n", qPrintable(NameOf(form)),
                static_cast<long long>(MicrosecondsSince(acted_)));
    ClickGenerate(form);
    Next();
  });
  acted_ = std::chrono::steady_clock::now();
  step.action();
}

void StartupBenchmark::ClickGenerate(FormId form) {
  if (form == FormId::kForm8) return;
  // Command1 makes a result in every generator window.
  auto* generate = windows_.Window(form)->findChild<QPushButton*>(
      QStringLiteral("Command1"), Qt::FindDirectChildrenOnly);
  if (generate == nullptr) {
    generate = windows_.Window(form)->findChild<QPushButton*>(
        QStringLiteral("Command1"));
  }
  if (generate == nullptr) return;
  FillInputs(form, windows_.Window(form));
  constexpr int kClicks = 21;
  for (int click = 0; click < kClicks; ++click) {
    const auto clicked = std::chrono::steady_clock::now();
    generate->click();
    std::printf("click %s %lld\n", qPrintable(NameOf(form)),
                static_cast<long long>(MicrosecondsSince(clicked)));
  }
}

}  // namespace quendaro
