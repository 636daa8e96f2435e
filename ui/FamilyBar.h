// The family bar: a light grey panel with one button per family command.
#pragma once

#include <QFrame>
#include <QString>
#include <QToolButton>
#include <vector>

class QAction;

namespace qorvan::ui {

// A button that takes caption and enabled state from its action and shows no tool tip.
class ActionButton final : public QToolButton {
  Q_OBJECT

 public:
  ActionButton(QAction* action, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
};

class FamilyBar final : public QFrame {
  Q_OBJECT

 public:
  explicit FamilyBar(QWidget* parent = nullptr);
  // Adds the button of `action` at the right end.
  ActionButton* addActionButton(QAction* action);
  const std::vector<ActionButton*>& buttons() const { return buttons_; }

 private:
  std::vector<ActionButton*> buttons_;
};

}  // namespace qorvan::ui
