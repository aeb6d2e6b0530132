#pragma once

#include <QString>
#include <QWidget>
#include <cstdio>

#include "ui/kit/Platform.h"

namespace quendaro::bench {

// The desktop for a benchmark run: a message the program would show goes to
// standard error instead, so that a run never waits on a dialog, and no beep
// sounds; the decimal separator is the desktop's.
class ConsolePlatform final : public Platform {
 public:
  void ShowMessage(QWidget* /*parent*/, const QString& text) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  void Beep() override {}
  char DecimalSeparator() const override { return desktop_.DecimalSeparator(); }

 private:
  DesktopPlatform desktop_;
};

}  // namespace quendaro::bench
