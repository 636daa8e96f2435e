#include "SafeApplication.h"

namespace qorvan::ui {

SafeApplication::SafeApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    return false;
  }
}

}  // namespace qorvan::ui
