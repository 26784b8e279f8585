#pragma once
// The notification-area icon of the main window. The main window adds it when it is
// minimised and hides itself; a left click restores and shows the window, a right click pops
// up the window's file menu. Restoring or closing the window removes the icon again.
//
// Not every desktop has a notification area: there the main window must not hide, or it
// would become unreachable, so it asks available() first and stays on the task bar.

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QMenu;
class QWidget;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a notification area.
    static bool available();
    // Tests stand in for a desktop with (true) or without (false) a notification area.
    static void setAvailableForTesting(bool available);

    // Adds the icon for the owner (its window icon; right click pops up the menu). At most one
    // icon exists: a second add only updates the owner.
    void add(QWidget* owner, QMenu* contextMenu);
    void setTip(const QString& tip);
    // Removes the icon; nothing happens when there is none.
    void remove();

    bool isPresent() const { return icon_ != nullptr; }
    QString tip() const;
    QMenu* contextMenu() const;

    // A click on the icon, as the desktop reports it.
    void activate(QSystemTrayIcon::ActivationReason reason);

private:
    QPointer<QWidget> owner_;
    QPointer<QSystemTrayIcon> icon_;
};
