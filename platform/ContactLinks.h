#pragma once
// ContactLinks: the publisher's web page in the user's browser and a new mail to the
// publisher in the user's mail program, both handed to the desktop's default handler.
// A request that no handler takes is silent: nothing is reported to the user.

#include <QUrl>
#include <functional>

namespace contactlinks {

QUrl publisherWebPage();
// "mailto:" and the publisher's address: no subject, no body.
QUrl publisherMail();

void openPublisherWebPage();
void composePublisherMail();

// Tests replace the desktop handler so that no browser or mail program starts; the opener
// answers whether a handler took the address. nullptr restores the desktop handler.
void setOpener(std::function<bool(const QUrl&)> opener);

} // namespace contactlinks
