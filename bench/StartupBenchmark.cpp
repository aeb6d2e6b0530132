#include "StartupBenchmark.h"

#include <QAction>
#include <QCoreApplication>
#include <cstdio>
#include <optional>
#include <utility>

#include "ui/PictureBox.h"

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
      break;
  }
  Q_UNREACHABLE();
  return nullptr;
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

}  // namespace

StartupBenchmark::StartupBenchmark(WindowManager& windows,
                                   const QString& generator, QObject* parent)
    : QObject(parent), windows_(windows), probe_(this) {
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
    Next();
  });
  windows_.Start();
}

void StartupBenchmark::Next() {
  if (next_ == steps_.size()) {
    std::printf("peak-rss-kib %ld\n", FirstPaintProbe::PeakResidentKib());
    std::fflush(stdout);
    QCoreApplication::exit(0);
    return;
  }
  const Step& step = steps_[next_++];
  probe_.Await(NameOf(step.shows), [this, form = step.shows] {
    const auto taken = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - acted_);
    std::printf("open %s %lld\n", qPrintable(NameOf(form)),
                static_cast<long long>(taken.count()));
    Next();
  });
  acted_ = std::chrono::steady_clock::now();
  step.action();
}

}  // namespace quendaro
