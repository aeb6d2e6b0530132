#include "ui/forms/TreasureContentsWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string_view>

#include "presentation/ContentsPresentation.h"
#include "presentation/TreasurePresentation.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/QtText.h"

namespace quendaro {
namespace {

QString FromUtf8(std::string_view text) { return ToQt(text); }
QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// The item's index into the window's list of magic items, on the lines of
// intelligent weapons.
constexpr int kItemRole = Qt::UserRole;

QTreeWidgetItem* Group(QTreeWidget* list, const QString& caption,
                       const QString& value) {
  auto* group = new QTreeWidgetItem(list, {caption, value});
  QFont font = group->font(0);
  font.setBold(true);
  group->setFont(0, font);
  group->setFont(1, font);
  return group;
}

}  // namespace

TreasureContentsWindow::TreasureContentsWindow(OpenWeapon open_weapon,
                                               QWidget* owner)
    : QWidget(owner, Qt::Window), open_weapon_(std::move(open_weapon)) {
  setObjectName(QStringLiteral("TreasureContentsWindow"));
  setWindowTitle(QStringLiteral("Quendaro 32 v.1.00 C - Contenuto del tesoro"));
  auto* layout = new QVBoxLayout(this);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("contents"));
  list_->setColumnCount(2);
  list_->setHeaderLabels({QStringLiteral("Oggetto"), QStringLiteral("Valore")});
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(false);
  list_->setFont(RoleFont(FontRole::kDialog, 11));
  NameControl(list_, QStringLiteral("Contenuto del tesoro"));
  connect(list_, &QTreeWidget::itemActivated, this,
          &TreasureContentsWindow::Activated);
  layout->addWidget(list_, 1);

  value_ = new QLabel(this);
  value_->setObjectName(QStringLiteral("value"));
  value_->setWordWrap(true);
  value_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  value_->setFont(RoleFont(FontRole::kDialog, 11, QFont::Bold));
  NameControl(value_, QStringLiteral("Valore del tesoro"));
  layout->addWidget(value_);

  CloseOnEscape(this);
  resize(640, 720);
  Clear();
}

void TreasureContentsWindow::Clear() {
  list_->clear();
  items_.clear();
  value_->setText(QStringLiteral("Nessun tesoro: premi \"Genera tesoro\"."));
}

void TreasureContentsWindow::ShowContents(const TreasureResult& lair,
                                          const LairContents& contents) {
  // Drawing waits until every line is in: one layout for the whole list.
  list_->setUpdatesEnabled(false);
  list_->clear();
  items_ = contents.magic_items;

  QTreeWidgetItem* gems =
      Group(list_, QStringLiteral("Gemme (%1)").arg(contents.gems.size()),
            FromUtf8(GoldText(contents.value.gems)));
  for (int c = 0; c < kGemClassCount; ++c) {
    const auto gem_class = static_cast<GemClass>(c);
    QList<QTreeWidgetItem*> stones;
    Copper value = 0;
    for (const Gem& gem : contents.gems) {
      if (gem.gem_class != gem_class) continue;
      stones << new QTreeWidgetItem(
          {FromUtf8(gem.stone), FromUtf8(GoldText(gem.value))});
      value += gem.value;
    }
    if (stones.isEmpty()) continue;
    auto* group =
        new QTreeWidgetItem(gems, {QStringLiteral("%1 (%2)")
                                       .arg(FromUtf8(GemClassName(gem_class)))
                                       .arg(stones.size()),
                                   FromUtf8(GoldText(value))});
    group->addChildren(stones);
  }

  QTreeWidgetItem* arts = Group(
      list_,
      QStringLiteral("Oggetti d'arte (%1)").arg(contents.art_objects.size()),
      FromUtf8(GoldText(contents.value.art_objects)));
  QList<QTreeWidgetItem*> objects;
  for (const ArtObject& object : contents.art_objects) {
    objects << new QTreeWidgetItem(
        {FromUtf8(ArtObjectText(object)), FromUtf8(GoldText(object.value))});
  }
  arts->addChildren(objects);

  QTreeWidgetItem* magic = Group(
      list_,
      QStringLiteral("Oggetti magici (%1)").arg(contents.magic_items.size()),
      QString());
  QTreeWidgetItem* type_group = nullptr;
  int type = -1;
  std::size_t index = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const MagicItem& item = items_[i];
    if (item.type != type) {
      type = item.type;
      index = 0;
      type_group = new QTreeWidgetItem(
          magic,
          {QStringLiteral("Tipo %1: %2")
               .arg(FromUtf8(TreasureTypeLetter(type)),
                    FromUtf8(lair.magic_lines[static_cast<std::size_t>(type)])
                        .trimmed()),
           QString()});
    }
    auto* line = new QTreeWidgetItem(
        type_group, {QStringLiteral("%1%2: %3 (%4)")
                         .arg(FromUtf8(TreasureTypeLetter(type)))
                         .arg(index + 1)
                         .arg(FromUtf8(MagicItemName(item)),
                              FromUtf8(MagicKindName(item.kind))),
                     QString()});
    ++index;
    if (item.weapon) {
      line->setData(0, kItemRole, static_cast<int>(i));
      line->setToolTip(0, QStringLiteral("Doppio clic o Invio: apri l'arma "
                                         "nel generatore di armi "
                                         "intelligenti"));
      line->setForeground(0, QColor(128, 0, 0));
    }
  }

  QString worth = QStringLiteral(
                      "Valore: gemme %1, oggetti d'arte %2, monete %3; "
                      "totale %4")
                      .arg(FromUtf8(GoldText(contents.value.gems)),
                           FromUtf8(GoldText(contents.value.art_objects)),
                           FromUtf8(GoldText(contents.value.coins)),
                           FromUtf8(GoldText(contents.value.total)));
  if (contents.white_metal) {
    worth += QStringLiteral(" (platino/electrum: %1)")
                 .arg(FromUtf8(WhiteMetalName(*contents.white_metal)));
  }
  value_->setText(worth);

  // The groups open, the hundreds of single stones folded by class.
  gems->setExpanded(true);
  arts->setExpanded(contents.art_objects.size() <= 40);
  magic->setExpanded(true);
  for (int i = 0; i < magic->childCount(); ++i) {
    magic->child(i)->setExpanded(true);
  }
  list_->setUpdatesEnabled(true);
}

void TreasureContentsWindow::Activated(QTreeWidgetItem* item) {
  const QVariant index = item->data(0, kItemRole);
  if (!index.isValid() || !open_weapon_) return;
  const auto i = static_cast<std::size_t>(index.toInt());
  if (i < items_.size() && items_[i].weapon) open_weapon_(items_[i]);
}

}  // namespace quendaro
