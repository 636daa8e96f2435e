// The application object: stray exceptions from any event handler are dropped, never shown.
#pragma once

#include <QApplication>
#include <exception>
#include <utility>

namespace qorvan::ui {

class SafeApplication final : public QApplication {
  Q_OBJECT

 public:
  SafeApplication(int& argc, char** argv);
  // Delivers the event; an exception escaping the receiver is dropped without a message.
  bool notify(QObject* receiver, QEvent* event) override;
};

// Runs a command handler; any exception it throws ends the command silently.
template <typename F>
void Guarded(F&& handler) noexcept {
  try {
    std::forward<F>(handler)();
  } catch (...) {
  }
}

}  // namespace qorvan::ui
