#include "cad/CadInputForm.h"

#include "cad/HostFactory.h"
#include "cad/SpringGeometry.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace cad {

namespace {
// "Too many turns: this window draws at most %1 active turns."
constexpr int kTooManyTurnsText = 11101;
} // namespace

QString programTitle() {
    return QStringLiteral("Helidraw");
}

CadInputForm::CadInputForm(const QString& className, const QString& caption, const QString& statusText,
                           bool sendsWindowState)
    : FormBase(className), sendsWindowState_(sendsWindowState) {
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* status = new QLabel(statusText, this);
    status->setObjectName(QStringLiteral("Label10"));
}

ui::Cell CadInputForm::button(const QString& name, const QString& caption) {
    ui::Cell c = ui::button(name, 0);
    c.text = caption;
    return c;
}

ui::Cell CadInputForm::caption(const QString& text) {
    return ui::literal(QString(), text);
}

std::vector<ui::Cell> CadInputForm::handRow(const QString& captionText) {
    return {caption(captionText),
            ui::combo(QStringLiteral("Combo1"), {QStringLiteral("右旋"), QStringLiteral("左旋")})};
}

void CadInputForm::build(const std::vector<std::vector<ui::Cell>>& rows, const QString& pictureName,
                         const QString& sketch) {
    auto* outer = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    outer->addLayout(column);
    auto* heading =
        ui::makeLiteral(this, QStringLiteral("Label5"), QStringLiteral("1.请检查或修改以下参数："));
    column->addWidget(heading);
    auto* inputs = new QWidget(this);
    ui::grid(inputs, rows);
    column->addWidget(inputs);
    column->addWidget(label(QStringLiteral("Label10")));
    column->addStretch();
    outer->addWidget(
        ui::makePicture(this, pictureName, QStringLiteral(":/cad/%1-sketch.svg").arg(sketch), 220));
}

void CadInputForm::showEvent(QShowEvent* event) {
    // The first time it opens, the window stands in the middle of the screen.
    if (!placed_ && screen()) {
        placed_ = true;
        QRect frame(QPoint(), sizeHint().expandedTo(size()));
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
    }
    FormBase::showEvent(event);
}

void CadInputForm::closeEvent(QCloseEvent* event) {
    // The window stays loaded with what the user typed; the palette shows it again.
    event->ignore();
    hide();
}

bool CadInputForm::connectCadHost() {
    if (!host_)
        host_ = makeHost();
    try {
        host_->attach();
    } catch (const HostError& e) {
        prompt::ask(this, {programTitle(), e.text(), PromptIcon::None, PromptButtons::Ok});
        setText(QStringLiteral("Label10"), QStringLiteral("未连接"));
        return false;
    }
    // Each preparing call may fail on its own (a host without a drawing); the rest still run.
    const auto quietly = [](const std::function<void()>& step) {
        try {
            step();
        } catch (const HostError&) {
        }
    };
    if (sendsWindowState_)
        quietly([&] { host_->setWindowState(3); });
    quietly([&] { host_->setVisible(true); });
    for (const char* line : {"dimaunit 1 ", "angdir 1 ", "angbase 270d ", "osmode 559 "})
        quietly([&] { host_->sendCommand(QString::fromLatin1(line)); });
    quietly([&] { host_->setVariable(QStringLiteral("pdmode"), 35); });
    setText(QStringLiteral("Label10"), QStringLiteral("已连接"));
    return true;
}

void CadInputForm::runDrawing(const std::function<void(CadHost&)>& draw) {
    if (!connectCadHost())
        return;
    try {
        draw(*host_);
    } catch (const HostError& e) {
        prompt::ask(this, {programTitle(), e.call() + QStringLiteral(": ") + e.text(), PromptIcon::Warning,
                           PromptButtons::Ok});
        return;
    } catch (const TooManyTurns& e) {
        prompt::inform(this, StringTable::text(kTooManyTurnsText).arg(num::text(e.largestTurns())));
        return;
    }
    showMinimized();
}

} // namespace cad
