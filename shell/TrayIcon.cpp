#include "shell/TrayIcon.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>
#include <optional>

namespace {
std::optional<bool> availableOverride;
}

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

TrayIcon::~TrayIcon() {
    delete icon_;
}

bool TrayIcon::available() {
    if (availableOverride)
        return *availableOverride;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setAvailableForTesting(bool available) {
    availableOverride = available;
}

void TrayIcon::add(QWidget* owner, QMenu* contextMenu) {
    owner_ = owner;
    if (icon_)
        return;
    icon_ = new QSystemTrayIcon(owner->windowIcon());
    icon_->setContextMenu(contextMenu);
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
    if (!availableOverride)
        icon_->show();
}

void TrayIcon::setTip(const QString& tip) {
    if (icon_)
        icon_->setToolTip(tip);
}

void TrayIcon::remove() {
    if (!icon_)
        return;
    // Removal may come from the icon's own click (restoring the window), so the object is
    // deleted once that click has been handled.
    icon_->hide();
    icon_->deleteLater();
    icon_ = nullptr;
}

QString TrayIcon::tip() const {
    return icon_ ? icon_->toolTip() : QString();
}

QMenu* TrayIcon::contextMenu() const {
    return icon_ ? icon_->contextMenu() : nullptr;
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    if (!owner_)
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // Restoring makes the window remove the icon itself (see Form1's state change).
        if (owner_->isMinimized())
            owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
        owner_->show();
        owner_->raise();
        owner_->activateWindow();
        break;
    case QSystemTrayIcon::Context:
        // Desktops that do not show the icon's own menu report the click instead.
        if (QMenu* menu = contextMenu(); menu && !menu->isVisible())
            menu->popup(QCursor::pos());
        break;
    default:
        // Double clicks, middle clicks and the rest change nothing.
        break;
    }
}
