#include "platform/ContactLinks.h"

#include <QDesktopServices>

namespace contactlinks {

namespace {

std::function<bool(const QUrl&)>& opener() {
    static std::function<bool(const QUrl&)> current;
    return current;
}

void open(const QUrl& url) {
    // The result is deliberately ignored: without a browser or mail program nothing happens.
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace

QUrl publisherWebPage() {
    return QUrl(QStringLiteral("https://www.example.com/"));
}

QUrl publisherMail() {
    return QUrl(QStringLiteral("mailto:support@example.com"));
}

void openPublisherWebPage() {
    open(publisherWebPage());
}

void composePublisherMail() {
    open(publisherMail());
}

void setOpener(std::function<bool(const QUrl&)> newOpener) {
    opener() = std::move(newOpener);
}

} // namespace contactlinks
