#include "shell/HelpViewer.h"

#include "common/StringTable.h"
#include "common/ui/FormRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

class F1Key : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        FormRegistry::show(QStringLiteral("HelpViewer"));
        return true;
    }
};

} // namespace

HelpViewer::HelpViewer() : FormBase(QStringLiteral("HelpViewer")) {
    setWindowTitle(StringTable::pick("帮助", "說明", "Help") + QStringLiteral(" - ") +
                   StringTable::text(1001));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Browser"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(indexPage());
    layout->addWidget(browser_);
    resize(720, 560);
}

QUrl HelpViewer::indexPage() {
    const bool chinese = StringTable::language() != Language::EnUS;
    return QUrl(chinese ? QStringLiteral("qrc:/help/zh/index.html")
                        : QStringLiteral("qrc:/help/en/index.html"));
}

void HelpViewer::installF1Key() {
    static F1Key* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new F1Key(qApp);
    qApp->installEventFilter(filter);
}

SPIRELTA_REGISTER_FORM(HelpViewer)
