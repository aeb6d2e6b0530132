#include "ui/kit/Headings.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <algorithm>

#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"

namespace quendaro {

QLabel* MakeHeading(const char* name, std::string_view text, const QFont& font,
                    QWidget* parent) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  SetTextColor(label, HeadingColor());
  label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return label;
}

QWidget* MakeTitle(const std::array<TitlePiece, 3>& pieces, TitlePlace place,
                   QWidget* parent) {
  auto* title = new QWidget(parent);
  auto* row = new QHBoxLayout(title);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  std::array<QLabel*, 3> letters{};
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    letters[i] = new QLabel(ToQt(pieces[i].text), title);
    letters[i]->setObjectName(QString::fromLatin1(pieces[i].name));
    letters[i]->setTextFormat(Qt::PlainText);
    letters[i]->setFont(pieces[i].font);
  }
  // Bottom-aligned labels of different sizes sit on one baseline once each
  // is lifted by the difference between its descent and the deepest one.
  int deepest = 0;
  for (QLabel* letter : letters) {
    deepest = std::max(deepest, QFontMetrics(letter->font()).descent());
  }
  if (place == TitlePlace::kCentred) row->addStretch(1);
  for (QLabel* letter : letters) {
    SetTextColor(letter, HeadingColor());
    letter->setContentsMargins(
        0, 0, 0, deepest - QFontMetrics(letter->font()).descent());
    row->addWidget(letter, 0, Qt::AlignBottom);
  }
  if (place == TitlePlace::kCentred) row->addStretch(1);
  return title;
}

}  // namespace quendaro
