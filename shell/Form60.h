#pragma once
// Form60: timed shutdown. The typed time of day is read when the user confirms it; from then
// on the window checks once a second and asks the session to power off at the first check
// at or after that time. Closing the window cancels it.

#include "common/ui/FormBase.h"

#include <QDateTime>
#include <functional>

class Form60 : public FormBase {
    Q_OBJECT
public:
    Form60();

    // The clock the window reads; tests set their own, an empty function restores the real one.
    static void setClock(std::function<QDateTime()> clock);

private:
    void showClock();
    void confirm();
    void watch();

    QTimer* timer2_ = nullptr;
    QDateTime shutdownAt_;
};
