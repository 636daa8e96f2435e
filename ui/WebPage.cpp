#include "WebPage.h"

#include "SafeApplication.h"

namespace qorvan::ui {

WebPage::WebPage(QUrl home, UrlOpener opener, QWidget* parent)
    : QTextBrowser(parent), home_(std::move(home)), opener_(std::move(opener)) {
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { Guarded([&] { follow(link); }); });
}

void WebPage::navigateHome() {
  ++loads_;
  if (source() == home_)
    reload();
  else
    setSource(home_);
}

void WebPage::follow(const QUrl& link) {
  const QUrl target = source().resolved(link);
  if (target.scheme() == QLatin1String("qrc")) {
    setSource(target);
    return;
  }
  opener_(target);
}

}  // namespace qorvan::ui
