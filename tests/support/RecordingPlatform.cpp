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

bool RecordingPlatform::Ask(QWidget*, const QString& question) {
  questions << question;
  events << question;
  return answer;
}

void RecordingPlatform::Clear() {
  questions.clear();
  messages.clear();
  events.clear();
  beeps = 0;
}

}  // namespace quendaro::testing
