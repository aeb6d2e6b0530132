#include "ui/results/RollAudit.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>
#include <utility>

#include "presentation/RollStepPresentation.h"
#include "ui/results/RollDetails.h"

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

void RollAudit::SetSteps(const std::vector<RollStep>& steps) {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(steps.size()));
  for (const RollStep& step : steps) {
    lines.append(QString::fromStdString(StepText(step)));
  }
  SetLines(std::move(lines));
  SetCommand({});
}

void RollAudit::SetLines(QStringList lines) {
  lines_ = std::move(lines);
  if (panel_ != nullptr) panel_->SetLines(lines_);
}

void RollAudit::SetCommand(QString command) {
  command_ = std::move(command);
  if (panel_ != nullptr) panel_->SetCommand(command_);
}

void RollAudit::ShowPanel() {
  if (panel_ == nullptr) {
    panel_ = new RollDetails(platform_, window_);
    panel_->SetLines(lines_);
    panel_->SetCommand(command_);
  }
  panel_->show();
  panel_->raise();
  panel_->activateWindow();
}

}  // namespace quendaro
