// qorvan-vars: the window of Qorvan变量查询. A DIR argument is queried at start; with
// --screenshot FILE the window queries DIR, saves a PNG of itself to FILE and exits.
#include <QCommandLineParser>
#include <QTimer>

#include "MemorySettingsStore.h"
#include "SafeApplication.h"
#include "Screenshot.h"
#include "VariableSearch.h"

int main(int argc, char** argv) {
  qorvan::ui::SafeApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Qorvan系列"));
  QCoreApplication::setApplicationName(QStringLiteral("Qorvan变量查询"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Qorvan变量查询"));
  parser.addHelpOption();
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Query DIR, save a PNG of the window to FILE, exit."), QStringLiteral("FILE"));
  parser.addOption(screenshot);
  parser.addPositionalArgument(QStringLiteral("DIR"),
                               QStringLiteral("Version directory to query at start."));
  parser.process(app);
  const QStringList args = parser.positionalArguments();

  qorvan::ui::FormServices services = qorvan::ui::FormServices::System();
  const bool shot = parser.isSet(screenshot);
  if (shot) services.Store = std::make_shared<qorvan::ui::MemorySettingsStore>();
  qorvan::ui::TForm1 form(std::move(services));
  form.show();
  if (shot) {
    if (!args.isEmpty()) form.JvDirectoryEdit1->setText(args.front());
    return qorvan::ui::TakeScreenshot(form, parser.value(screenshot)) ? 0 : 1;
  }
  if (!args.isEmpty()) {
    // A directory on the command line is queried as soon as the window is up.
    form.JvDirectoryEdit1->setText(args.front());
    QTimer::singleShot(0, &form, [&form] { form.Button1Click(); });
  }
  return app.exec();
}
