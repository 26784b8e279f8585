#include "platform/UnoSpreadsheet.h"

#include "platform/OfficePipeRecord.h"
#include "platform/UnoOfficeProcess.h"
#include "platform/UnoStrings.h"

#include <com/sun/star/awt/XTopWindow2.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XDispatchHelper.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <utility>
#include <vector>

namespace css = com::sun::star;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

// The local UNO runtime, bootstrapped once from the type libraries of the office the program
// was built against. It is never torn down: the bridge threads may outlive main().
Reference<css::uno::XComponentContext> localContext() {
    static auto* context = new Reference<css::uno::XComponentContext>([] {
        qputenv("URE_BOOTSTRAP",
                QByteArrayLiteral("vnd.sun.star.pathname:" SPIRELTA_LIBREOFFICE_PROGRAM "/fundamentalrc"));
        try {
            return cppu::defaultBootstrap_InitialComponentContext();
        } catch (...) {
            return Reference<css::uno::XComponentContext>();
        }
    }());
    return *context;
}

css::beans::PropertyValue property(const char* name, const css::uno::Any& value) {
    css::beans::PropertyValue p;
    p.Name = rtl::OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

// The text after the last "/" of a URL, decoded.
QString fileNameOfUrl(const QString& url) {
    if (url.isEmpty())
        return {};
    return QUrl::fromPercentEncoding(url.mid(url.lastIndexOf(u'/') + 1).toUtf8());
}

} // namespace

struct UnoSpreadsheet::Impl {
    OfficeOptions options;
    Reference<css::uno::XComponentContext> office;
    Reference<css::frame::XDesktop2> desktop;
    std::vector<std::pair<QString, Reference<css::frame::XModel>>> books;
    int nextId = 1;
    qint64 startedPid = 0;
    // The pipe name comes from the user's record (not from the caller's options).
    bool recordedPipe = false;
    // Why the user's record cannot be kept, when its folder was refused.
    QString refusal;

    bool takePipeName(const officepipe::PipeName& pipe) {
        refusal = pipe.refusal;
        options.pipeName = pipe.name;
        return refusal.isEmpty();
    }

    bool alive() {
        if (!desktop.is())
            return false;
        try {
            desktop->getComponents();
            return true;
        } catch (const css::uno::Exception&) {
            forget();
            return false;
        }
    }

    void forget() {
        books.clear();
        desktop.clear();
        office.clear();
    }

    bool connect() {
        const Reference<css::uno::XComponentContext> local = localContext();
        if (!local.is())
            return false;
        try {
            const Reference<css::bridge::XUnoUrlResolver> resolver =
                css::bridge::UnoUrlResolver::create(local);
            const QString url =
                QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(options.pipeName);
            office.set(resolver->resolve(uno::toOUString(url)), UNO_QUERY_THROW);
            desktop = css::frame::Desktop::create(office);
            return true;
        } catch (const css::uno::Exception&) {
            forget();
            return false;
        }
    }

    bool start() {
        const QString program = options.program.isEmpty() ? findOffice() : options.program;
        if (program.isEmpty())
            return false;
        // Nothing answered on the recorded name: the office it named is gone, so the new one
        // gets a new name.
        if (recordedPipe && !takePipeName(officepipe::renew()))
            return false;
        // An office without a display plugin crashes when asked to show a document.
        if (!options.headless && !uno::officeCanShowWindows(program))
            return false;
        QStringList arguments{QStringLiteral("--nologo"), QStringLiteral("--norestore"),
                              QStringLiteral("--nodefault"),
                              QStringLiteral("--accept=pipe,name=%1;urp;").arg(options.pipeName)};
        if (options.headless)
            arguments << QStringLiteral("--headless") << QStringLiteral("--invisible");
        if (!options.profileUrl.isEmpty())
            arguments << QStringLiteral("-env:UserInstallation=") + options.profileUrl;
        startedPid = uno::startDetached(program, arguments);
        if (startedPid <= 0) {
            startedPid = 0;
            return false;
        }
        // The office forwards its arguments to an instance of the same profile that already
        // runs and then exits, so an ended process alone does not mean failure; it only
        // shortens the wait.
        QElapsedTimer waited;
        waited.start();
        qint64 endedAt = -1;
        while (waited.elapsed() < options.startTimeoutMs) {
            if (connect())
                return true;
            if (endedAt < 0 && !uno::processAlive(startedPid))
                endedAt = waited.elapsed();
            if (endedAt >= 0 && waited.elapsed() - endedAt > 10000)
                break;
            uno::pauseKeepingWindowsPainted(100);
        }
        return false;
    }

    Reference<css::frame::XModel> model(const QString& id) const {
        for (const auto& [bookId, book] : books)
            if (bookId == id)
                return book;
        return {};
    }

    QString remember(const Reference<css::frame::XModel>& book) {
        for (const auto& [bookId, known] : books)
            if (known == book)
                return bookId;
        books.emplace_back(QStringLiteral("workbook-%1").arg(nextId++), book);
        return books.back().first;
    }

    Reference<css::sheet::XSpreadsheet> activeSheet(const QString& id) const {
        const Reference<css::frame::XModel> book = model(id);
        if (!book.is())
            return {};
        const Reference<css::sheet::XSpreadsheetView> view(book->getCurrentController(), UNO_QUERY);
        if (view.is())
            return view->getActiveSheet();
        const Reference<css::sheet::XSpreadsheetDocument> document(book, UNO_QUERY_THROW);
        const Reference<css::container::XIndexAccess> sheets(document->getSheets(), UNO_QUERY_THROW);
        return Reference<css::sheet::XSpreadsheet>(sheets->getByIndex(0), UNO_QUERY_THROW);
    }

    Reference<css::table::XCell> cell(const QString& id, const QString& address) const {
        const Reference<css::sheet::XSpreadsheet> sheet = activeSheet(id);
        if (!sheet.is())
            return {};
        return sheet->getCellRangeByName(uno::toOUString(address))->getCellByPosition(0, 0);
    }

    Reference<css::frame::XFrame> frame(const QString& id) const {
        const Reference<css::frame::XModel> book = model(id);
        if (!book.is())
            return {};
        const Reference<css::frame::XController> controller = book->getCurrentController();
        return controller.is() ? controller->getFrame() : Reference<css::frame::XFrame>();
    }
};

UnoSpreadsheet::UnoSpreadsheet(OfficeOptions options) : d(std::make_unique<Impl>()) {
    d->options = std::move(options);
    d->recordedPipe = d->options.pipeName.isEmpty();
}

UnoSpreadsheet::~UnoSpreadsheet() {
    try {
        d->forget();
    } catch (...) {
        // Releasing proxies of an office that has gone away must not end the program.
    }
}

QString UnoSpreadsheet::findOffice() {
    const QString beside = QStringLiteral(SPIRELTA_LIBREOFFICE_PROGRAM "/soffice");
    if (QFileInfo(beside).isExecutable())
        return beside;
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool UnoSpreadsheet::attach() {
    // The recorded name is read when first needed, and again after its folder was refused.
    if (d->options.pipeName.isEmpty() && !d->takePipeName(officepipe::recorded()))
        return false;
    return d->alive() || d->connect() || d->start();
}

QString UnoSpreadsheet::unavailableReason() const {
    return d->refusal;
}

QList<OpenWorkbook> UnoSpreadsheet::workbooks() {
    QList<OpenWorkbook> list;
    if (!d->alive())
        return list;
    try {
        std::vector<std::pair<QString, Reference<css::frame::XModel>>> stillOpen;
        const Reference<css::container::XEnumeration> all = d->desktop->getComponents()->createEnumeration();
        while (all->hasMoreElements()) {
            const Reference<css::frame::XModel> book(all->nextElement(), UNO_QUERY);
            const Reference<css::lang::XServiceInfo> info(book, UNO_QUERY);
            if (!info.is() || !info->supportsService(rtl::OUString("com.sun.star.sheet.SpreadsheetDocument")))
                continue;
            OpenWorkbook entry;
            entry.id = d->remember(book);
            stillOpen.emplace_back(entry.id, book);
            entry.fileName = fileNameOfUrl(uno::toQString(book->getURL()));
            if (entry.fileName.isEmpty()) {
                // An untitled copy still carries the URL it was loaded from.
                for (const css::beans::PropertyValue& arg : book->getArgs()) {
                    if (arg.Name == rtl::OUString("URL")) {
                        rtl::OUString url;
                        arg.Value >>= url;
                        if (url.startsWith(rtl::OUString("file:")))
                            entry.templateName = fileNameOfUrl(uno::toQString(url));
                    }
                }
            }
            list.append(entry);
        }
        d->books = std::move(stillOpen);
    } catch (const css::uno::Exception&) {
    }
    return list;
}

void UnoSpreadsheet::activate(const QString& workbookId) {
    try {
        const Reference<css::frame::XFrame> frame = d->frame(workbookId);
        if (!frame.is())
            return;
        frame->activate();
        if (d->options.headless)
            return;
        const Reference<css::awt::XTopWindow2> window(frame->getContainerWindow(), UNO_QUERY);
        if (window.is()) {
            window->setIsMaximized(true);
            window->toFront();
        }
    } catch (const css::uno::Exception&) {
    }
}

QString UnoSpreadsheet::openCopy(const QString& fullPath) {
    if (!d->alive())
        return {};
    try {
        // A workbook file is read with the workbook filter only: a damaged one then fails to
        // open instead of coming up as imported text.
        const bool workbookFile = fullPath.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive);
        css::uno::Sequence<css::beans::PropertyValue> arguments(workbookFile ? 5 : 4);
        css::beans::PropertyValue* argument = arguments.getArray();
        argument[0] = property("AsTemplate", css::uno::Any(true));
        argument[1] =
            property("MacroExecutionMode", css::uno::Any(css::document::MacroExecMode::NEVER_EXECUTE));
        argument[2] = property("UpdateDocMode", css::uno::Any(css::document::UpdateDocMode::NO_UPDATE));
        argument[3] = property("Hidden", css::uno::Any(d->options.headless));
        if (workbookFile)
            argument[4] = property("FilterName", css::uno::Any(rtl::OUString("MS Excel 97")));
        const QString url = QUrl::fromLocalFile(fullPath).toString(QUrl::FullyEncoded);
        const Reference<css::lang::XComponent> loaded =
            d->desktop->loadComponentFromURL(uno::toOUString(url), rtl::OUString("_default"), 0, arguments);
        const Reference<css::frame::XModel> book(loaded, UNO_QUERY);
        if (!book.is())
            return {};
        if (!Reference<css::sheet::XSpreadsheetDocument>(book, UNO_QUERY).is()) {
            // Not a workbook: the office opened it in another module.
            const Reference<css::util::XCloseable> closeable(book, UNO_QUERY);
            if (closeable.is())
                closeable->close(true);
            return {};
        }
        return d->remember(book);
    } catch (const css::uno::Exception&) {
        d->alive();
        return {};
    }
}

bool UnoSpreadsheet::writeNumber(const QString& workbookId, const QString& cell, double value) {
    try {
        const Reference<css::table::XCell> target = d->cell(workbookId, cell);
        if (!target.is())
            return false;
        target->setValue(value);
        return true;
    } catch (const css::uno::Exception&) {
        return false;
    }
}

bool UnoSpreadsheet::writeText(const QString& workbookId, const QString& cell, const QString& text) {
    try {
        const Reference<css::text::XTextRange> target(d->cell(workbookId, cell), UNO_QUERY);
        if (!target.is())
            return false;
        // Set as a string, never as formula input: "12" stays text and "=x" stays "=x".
        target->setString(uno::toOUString(text));
        return true;
    } catch (const css::uno::Exception&) {
        return false;
    }
}

void UnoSpreadsheet::show(const QString& workbookId) {
    if (d->options.headless)
        return;
    try {
        const Reference<css::frame::XFrame> frame = d->frame(workbookId);
        if (!frame.is())
            return;
        const Reference<css::awt::XWindow> window = frame->getContainerWindow();
        window->setVisible(true);
        const Reference<css::awt::XTopWindow> top(window, UNO_QUERY);
        if (top.is())
            top->toFront();
        frame->activate();
    } catch (const css::uno::Exception&) {
    }
}

void UnoSpreadsheet::printPreview(const QString& workbookId) {
    if (d->options.headless)
        return;
    try {
        const Reference<css::frame::XDispatchProvider> frame(d->frame(workbookId), UNO_QUERY);
        if (!frame.is())
            return;
        const Reference<css::frame::XDispatchHelper> dispatcher =
            css::frame::DispatchHelper::create(d->office);
        dispatcher->executeDispatch(frame, rtl::OUString(".uno:PrintPreview"), rtl::OUString(""), 0,
                                    css::uno::Sequence<css::beans::PropertyValue>());
    } catch (const css::uno::Exception&) {
    }
}

std::optional<UnoSpreadsheet::Cell> UnoSpreadsheet::readCell(const QString& workbookId, const QString& cell) {
    try {
        const Reference<css::table::XCell> source = d->cell(workbookId, cell);
        if (!source.is())
            return std::nullopt;
        Cell content;
        switch (source->getType()) {
        case css::table::CellContentType_VALUE:
            content.kind = Cell::Number;
            break;
        case css::table::CellContentType_TEXT:
            content.kind = Cell::Text;
            break;
        case css::table::CellContentType_FORMULA:
            content.kind = Cell::Formula;
            break;
        default:
            content.kind = Cell::Empty;
            break;
        }
        content.number = source->getValue();
        content.text = uno::toQString(Reference<css::text::XTextRange>(source, UNO_QUERY_THROW)->getString());
        return content;
    } catch (const css::uno::Exception&) {
        return std::nullopt;
    }
}

bool UnoSpreadsheet::closeWorkbook(const QString& workbookId) {
    try {
        const Reference<css::util::XCloseable> book(d->model(workbookId), UNO_QUERY);
        if (!book.is())
            return false;
        book->close(true);
        return true;
    } catch (const css::uno::Exception&) {
        return false;
    }
}

qint64 UnoSpreadsheet::startedProcessId() const {
    return d->startedPid;
}

bool UnoSpreadsheet::endStartedOffice(int timeoutMs) {
    if (d->startedPid == 0)
        return true;
    if (d->alive()) {
        try {
            d->desktop->terminate();
        } catch (const css::uno::Exception&) {
            // The office may go away before it answers.
        }
    }
    d->forget();
    const bool ended = uno::endProcess(d->startedPid, timeoutMs);
    if (ended)
        d->startedPid = 0;
    return ended;
}
