#include "StatusPanels.h"

#include <QLabel>
#include <QProgressBar>

namespace qorvan::ui {

namespace {

struct PanelDef {
  int Width;
  const char* Text;
  Qt::Alignment Align;
};

constexpr std::array<PanelDef, StatusPanels::PanelCount> kPanels = {{
    {46, "文件数：", Qt::AlignLeft},
    {100, "", Qt::AlignHCenter},
    {35, "耗时:", Qt::AlignLeft},
    {80, "", Qt::AlignHCenter},
    {60, "文件搜索：", Qt::AlignLeft},
    {520, "", Qt::AlignLeft},
}};

}  // namespace

StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent), progress_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("StatusBar1"));
  setSizeGripEnabled(false);
  for (int i = 0; i < PanelCount; ++i) {
    auto* label = new QLabel(QString::fromUtf8(kPanels[i].Text), this);
    label->setFixedWidth(kPanels[i].Width);
    label->setAlignment(kPanels[i].Align | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // A long path must not widen the window: it is cut on the right.
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    label->setTextFormat(Qt::PlainText);
    addWidget(label);
    panels_[i] = label;
  }
  progress_->setFixedWidth(160);
  progress_->setTextVisible(true);
  progress_->hide();
  addWidget(progress_);
}

QString StatusPanels::panelText(int i) const {
  return panels_.at(i)->text();
}

void StatusPanels::setPanelText(int i, const QString& text) {
  panels_.at(i)->setText(text);
}

int StatusPanels::panelWidth(int i) const {
  return panels_.at(i)->width();
}

void StatusPanels::showProgress(int done, int total) {
  if (total < 0) {
    progress_->hide();
    return;
  }
  progress_->setRange(0, total > 0 ? total : 1);
  progress_->setValue(total > 0 ? done : 0);
  progress_->show();
}

}  // namespace qorvan::ui
