#pragma once

#include <QStringList>

#include "ui/kit/Platform.h"

namespace quendaro::testing {

// Records what a window asked of the system instead of showing it: the
// message boxes return at once, so a handler runs to its end inside a test.
class RecordingPlatform final : public Platform {
 public:
  explicit RecordingPlatform(char decimal_separator = '.')
      : decimal_separator_(decimal_separator) {}

  void ShowMessage(QWidget* parent, const QString& text) override;
  void Beep() override;
  // Records the question and gives `answer`.
  bool Ask(QWidget* parent, const QString& question) override;
  char DecimalSeparator() const override { return decimal_separator_; }

  void SetDecimalSeparator(char separator) { decimal_separator_ = separator; }
  void Clear();

  QStringList messages;
  int beeps = 0;
  QStringList questions;
  bool answer = true;
  // Beeps and messages in the order they came, e.g. {"beep", "Inserisci..."}.
  QStringList events;

 private:
  char decimal_separator_;
};

}  // namespace quendaro::testing
