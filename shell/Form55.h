#pragma once
// Form55: opens and closes the tray of the optical drive. The button's caption says what
// the next click does; it follows the clicks, not the drive, which reports nothing back.

#include "common/ui/FormBase.h"

class Form55 : public FormBase {
    Q_OBJECT
public:
    Form55();

private:
    void toggleTray();

    bool doorOpen_ = false;
};
