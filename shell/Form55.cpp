#include "shell/Form55.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/CdTray.h"

#include <QVBoxLayout>

Form55::Form55() : FormBase(QStringLiteral("Form55")) {
    setWindowTitle(StringTable::text(1011));
    setMinimumWidth(ui::twips(3600));
    auto* layout = new QVBoxLayout(this);
    QPushButton* command1 = ui::makeButton(this, QStringLiteral("Command1"), 1011);
    command1->setToolTip(QStringLiteral("点击弹出或关闭光驱"));
    layout->addWidget(command1);
    connect(command1, &QPushButton::clicked, this, &Form55::toggleTray);
    // Opening the window closes the tray, so the first click opens it.
    cdtray::tray().closeTray();
}

void Form55::toggleTray() {
    if (!doorOpen_) {
        cdtray::tray().openTray();
        doorOpen_ = true;
        setText(QStringLiteral("Command1"), StringTable::text(5502));
    } else {
        cdtray::tray().closeTray();
        doorOpen_ = false;
        setText(QStringLiteral("Command1"), StringTable::text(5503));
    }
}

SPIRELTA_REGISTER_FORM(Form55)
