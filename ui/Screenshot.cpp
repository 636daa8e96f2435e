#include "Screenshot.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTableView>
#include <QTimer>

#include "NoticeTableView.h"
#include "VariableSearch.h"

namespace qorvan::ui {

namespace {

void SelectFirstRow(QTableView* grid, int column) {
  if (grid->model()->rowCount() > 0) grid->setCurrentIndex(grid->model()->index(0, column));
}

}  // namespace

bool TakeScreenshot(TForm1& form, const QString& file) {
  QEventLoop loop;
  QObject::connect(&form, &TForm1::runFinished, &loop, &QEventLoop::quit);
  form.Button1Click();
  if (form.Running()) loop.exec();
  const bool found = form.DBGridEh1->model()->rowCount() > 0;
  SelectFirstRow(form.DBGridEh1, 3);
  SelectFirstRow(form.DBGridEh2, 3);
  QCoreApplication::processEvents();
  return form.grab().save(file, "PNG") && found;
}

}  // namespace qorvan::ui
