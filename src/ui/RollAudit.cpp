#include "ui/RollAudit.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>
#include <utility>

#include "ui/RollDetails.h"

namespace quendaro {

RollAudit::RollAudit(QWidget* window, Platform& platform)
    : QObject(window),
      window_(window),
      platform_(platform),
      action_(new QAction(QStringLiteral("&Dettagli dei tiri"), this)) {
  action_->setObjectName(QStringLiteral("dettagli"));
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  action_->setToolTip(
      QStringLiteral("Mostra i tiri e le regole dell'ultima generazione"));
  connect(action_, &QAction::triggered, this, &RollAudit::ShowPanel);
}

void RollAudit::SetSteps(std::vector<RollStep> steps) {
  steps_ = std::move(steps);
  if (panel_ != nullptr) panel_->SetSteps(steps_);
}

void RollAudit::ShowPanel() {
  if (panel_ == nullptr) {
    panel_ = new RollDetails(platform_, window_);
    panel_->SetSteps(steps_);
  }
  panel_->show();
  panel_->raise();
  panel_->activateWindow();
}

}  // namespace quendaro
