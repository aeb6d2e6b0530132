#include "support/RecordingPlatform.h"

namespace quendaro::testing {

void RecordingPlatform::ShowMessage(QWidget*, const QString& text) {
  messages << text;
  events << text;
}

void RecordingPlatform::Beep() {
  ++beeps;
  events << QStringLiteral("beep");
}

void RecordingPlatform::Clear() {
  messages.clear();
  events.clear();
  beeps = 0;
}

}  // namespace quendaro::testing
