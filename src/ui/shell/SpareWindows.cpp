#include "ui/shell/SpareWindows.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <utility>

namespace quendaro {

namespace {

std::size_t IndexOf(FormId form) { return static_cast<std::size_t>(form); }

// The windows built ahead, most likely first: the main menu follows the logo,
// then the three generators of the menu, then the windows of their menus.
// The start window is shown only once.
constexpr FormId kSpareOrder[] = {
    FormId::kForm8, FormId::kForm1, FormId::kForm3, FormId::kForm5,
    FormId::kForm4, FormId::kForm2, FormId::kForm6};

}  // namespace

bool OpensMaximized(FormId form) {
  switch (form) {
    case FormId::kForm1:
    case FormId::kForm3:
    case FormId::kForm5:
      return true;
    case FormId::kForm2:
    case FormId::kForm4:
    case FormId::kForm6:
    case FormId::kForm7:
    case FormId::kForm8:
    case FormId::kParty:
      return false;
  }
  return false;
}

SpareWindows::SpareWindows(std::function<QWidget*(FormId)> create,
                           std::function<bool(FormId)> is_open, QObject* parent)
    : QObject(parent),
      create_(std::move(create)),
      is_open_(std::move(is_open)) {}

SpareWindows::~SpareWindows() {
  for (QPointer<QWidget>& spare : spares_) delete spare.data();
}

void SpareWindows::BuildWhenIdle() {
  building_ = true;
  // A window shown but not yet painted is painted first.
  Schedule();
}

void SpareWindows::Stop() {
  building_ = false;
  // Spares must not outlive the program's windows.
  for (QPointer<QWidget>& spare : spares_) {
    if (spare != nullptr) spare->deleteLater();
    spare = nullptr;
  }
}

QWidget* SpareWindows::Take(FormId form) {
  QPointer<QWidget>& spare = spares_[IndexOf(form)];
  QWidget* window = spare.data();
  spare = nullptr;
  return window;
}

bool SpareWindows::Has(FormId form) const {
  return spares_[IndexOf(form)] != nullptr;
}

void SpareWindows::Shown(QWidget* window) { unpainted_ = window; }

void SpareWindows::Painted(QWidget* window) {
  // Building waits until the window just shown has been painted, so that
  // a spare never delays what the player is looking at.
  if (window == unpainted_.data()) unpainted_ = nullptr;
  Schedule();
}

void SpareWindows::Gone(QWidget* window) {
  // Hidden or closed before its first paint: it will not get one now.
  if (window != unpainted_.data()) return;
  unpainted_ = nullptr;
  Schedule();
}

std::optional<FormId> SpareWindows::Missing() const {
  for (const FormId form : kSpareOrder) {
    if (!is_open_(form) && !Has(form)) return form;
  }
  return std::nullopt;
}

void SpareWindows::Schedule() {
  if (!building_ || scheduled_ || unpainted_ != nullptr || !Missing()) {
    return;
  }
  scheduled_ = true;
  // A zero timer runs once the events already waiting, input and painting
  // included, have been handled.
  QTimer::singleShot(0, this, &SpareWindows::BuildNext);
}

void SpareWindows::BuildNext() {
  scheduled_ = false;
  if (!building_) return;
  const std::optional<FormId> form = Missing();
  if (!form) return;
  QWidget* spare = create_(*form);
  // Drawn once, off screen, so that its pictures, typefaces and style are
  // in their caches by the time it is shown. A small tile at a time keeps the
  // drawing's memory small: the caches are what is wanted, not the picture.
  spare->ensurePolished();
  // A window that opens maximized is laid out and drawn at the screen's
  // size, so that showing it finds its sheet already scaled to fit.
  if (OpensMaximized(*form)) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      spare->resize(screen->availableSize());
    }
  }
  constexpr int kTile = 256;
  QPixmap scratch(QSize(kTile, kTile) * spare->devicePixelRatioF());
  scratch.setDevicePixelRatio(spare->devicePixelRatioF());
  for (int y = 0; y < spare->height(); y += kTile) {
    for (int x = 0; x < spare->width(); x += kTile) {
      spare->render(&scratch, QPoint(), QRegion(x, y, kTile, kTile));
    }
  }
  spares_[IndexOf(*form)] = spare;
  if (Missing()) {
    Schedule();
  } else {
    emit Ready();
  }
}

}  // namespace quendaro
