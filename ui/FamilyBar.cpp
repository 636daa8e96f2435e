#include "FamilyBar.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>

#include "FamilyActions.h"

namespace qorvan::ui {

namespace {

QFont BarFont(int points) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSize(points);
  return font;
}

}  // namespace

ActionButton::ActionButton(QAction* action, QWidget* parent) : QToolButton(parent) {
  setDefaultAction(action);
  setObjectName(QStringLiteral("Button_") + action->objectName());
  const std::string name = action->objectName().toStdString();
  setFont(BarFont(UsesLargeFont(name) ? 11 : 10));
  if (IsLetterAction(name)) setFixedWidth(33);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

bool ActionButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) return true;  // the hint is not shown on the bar
  return QToolButton::event(event);
}

FamilyBar::FamilyBar(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("RzPanel1"));
  setFixedHeight(41);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(0xF3, 0xF3, 0xF3));  // colour value 15987699
  setPalette(palette);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);
  layout->addStretch(1);
}

ActionButton* FamilyBar::addActionButton(QAction* action) {
  auto* button = new ActionButton(action, this);
  auto* box = static_cast<QHBoxLayout*>(layout());
  box->insertWidget(box->count() - 1, button);  // keep the stretch at the right end
  buttons_.push_back(button);
  return button;
}

}  // namespace qorvan::ui
