#pragma once
// The program's help: HTML pages embedded in the program (resources/help/), one index and one
// page per part of the program naming its windows, shown in a small browser window. F1 in any
// window of the program opens it.

#include "common/ui/FormBase.h"

#include <QUrl>

class QTextBrowser;

class HelpViewer : public FormBase {
    Q_OBJECT
public:
    HelpViewer();

    // The index page in the language in force (Chinese pages for both Chinese variants).
    static QUrl indexPage();

    // Makes F1 open this window from every window of the program; installing twice is harmless.
    static void installF1Key();

private:
    QTextBrowser* browser_ = nullptr;
};
