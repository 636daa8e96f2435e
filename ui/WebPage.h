// A browser pane for a page shipped with the program; outside links go to the system browser.
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <functional>

namespace qorvan::ui {

class WebPage final : public QTextBrowser {
  Q_OBJECT

 public:
  using UrlOpener = std::function<void(const QUrl&)>;

  WebPage(QUrl home, UrlOpener opener, QWidget* parent = nullptr);

  // Loads the home page afresh (also when it is already shown).
  void navigateHome();
  // How many times the home page was loaded.
  int loadCount() const { return loads_; }
  const QUrl& home() const { return home_; }

 private:
  void follow(const QUrl& link);

  QUrl home_;
  UrlOpener opener_;
  int loads_ = 0;
};

}  // namespace qorvan::ui
