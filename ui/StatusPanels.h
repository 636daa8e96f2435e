// The status bar: six fixed panels (labels and values) and a progress bar for a run.
#pragma once

#include <QStatusBar>
#include <QString>
#include <array>

class QLabel;
class QProgressBar;

namespace qorvan::ui {

class StatusPanels final : public QStatusBar {
  Q_OBJECT

 public:
  static constexpr int PanelCount = 6;

  explicit StatusPanels(QWidget* parent = nullptr);

  // Text of panel i (0 to 5).
  QString panelText(int i) const;
  void setPanelText(int i, const QString& text);
  // Width of panel i in pixels.
  int panelWidth(int i) const;
  // Shows `done` of `total` on the progress bar; a negative total hides it.
  void showProgress(int done, int total);
  QProgressBar* progressBar() const { return progress_; }

 private:
  std::array<QLabel*, PanelCount> panels_{};
  QProgressBar* progress_;
};

}  // namespace qorvan::ui
