#include "shell/ProgramCommandActions.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"
#include "platform/DesktopServices.h"
#include "platform/Folders.h"
#include "shell/TempCleanup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <memory>
#include <unistd.h>

namespace programcommands {

namespace {

void startHelper(QWidget* parent, const QStringList& programs, const QString& notFound) {
    const QString path = desktop::findFirstInstalled(programs);
    if (path.isEmpty()) {
        prompt::inform(parent, notFound);
        return;
    }
    if (!desktop::startProgram(path))
        prompt::inform(parent, StringTable::pick("无法启动 ", "無法啟動 ", "Could not start ") + path);
}

QString cleanupReport(const TempCleanupResult& r) {
    QString text = StringTable::pick("清理完成：删除了 %1 个文件，共 %2 字节。",
                                     "清理完成：刪除了 %1 個檔案，共 %2 位元組。",
                                     "Clean-up complete: %1 files removed, %2 bytes in all.")
                       .arg(r.removedFiles)
                       .arg(r.removedBytes);
    if (r.keptInUse > 0)
        text += StringTable::pick("\n%1 个文件正在使用，已保留。", "\n%1 個檔案正在使用，已保留。",
                                  "\n%1 files in use were kept.")
                    .arg(r.keptInUse);
    if (r.failed > 0)
        text += StringTable::pick("\n%1 个文件无法删除。", "\n%1 個檔案無法刪除。",
                                  "\n%1 files could not be removed.")
                    .arg(r.failed);
    return text;
}

// At most one clean-up runs at a time.
QPointer<QThread> runningCleanup;

} // namespace

void startCalculator(QWidget* parent) {
    startHelper(parent, desktop::calculatorPrograms(),
                StringTable::pick("没有找到计算器程序。请先安装一个计算器（例如 gnome-calculator、kcalc 或 "
                                  "galculator）。",
                                  "沒有找到計算機程式。請先安裝一個計算機（例如 gnome-calculator、kcalc 或 "
                                  "galculator）。",
                                  "No calculator program was found. Please install one (for example "
                                  "gnome-calculator, kcalc or galculator)."));
}

void startTextEditor(QWidget* parent) {
    startHelper(
        parent, desktop::textEditorPrograms(),
        StringTable::pick("没有找到文本编辑器。请先安装一个文本编辑器（例如 gedit、kate 或 mousepad）。",
                          "沒有找到文字編輯器。請先安裝一個文字編輯器（例如 gedit、kate 或 mousepad）。",
                          "No text editor was found. Please install one (for example gedit, kate or "
                          "mousepad)."));
}

void composeMail(QWidget* parent) {
    if (!desktop::composeMail())
        prompt::inform(parent, StringTable::pick("无法打开邮件程序：桌面没有设置处理邮件的程序。",
                                                 "無法開啟郵件程式：桌面沒有設定處理郵件的程式。",
                                                 "The mail program could not be opened: the desktop has no "
                                                 "program set for mail."));
}

QString operatingInstructionsPath() {
    return folders::programFile(QStringLiteral("docs/operating-instructions.html"));
}

void openOperatingInstructions(QWidget* parent) {
    const QString path = operatingInstructionsPath();
    if (!QFileInfo(path).isFile()) {
        prompt::inform(parent, StringTable::pick("找不到操作说明文件：", "找不到操作說明檔案：",
                                                 "The operating instructions were not found: ") +
                                   QDir::toNativeSeparators(path));
        return;
    }
    if (!desktop::openDocument(path))
        prompt::inform(parent,
                       StringTable::pick("无法打开操作说明文件：桌面没有设置打开网页文件的程序。\n",
                                         "無法開啟操作說明檔案：桌面沒有設定開啟網頁檔案的程式。\n",
                                         "The operating instructions could not be opened: the desktop "
                                         "has no program set for web pages.\n") +
                           QDir::toNativeSeparators(path));
}

void cleanUpTemporaryFiles(QWidget* parent) {
    if (runningCleanup)
        return;
    const QString folder = TempCleanup::userTempFolder();
    const PromptRequest question{
        StringTable::text(1318),
        StringTable::pick(
            "将删除临时文件夹 %1 中属于您、一天以上未修改且没有程序在使用的文件；子文件夹和其他用户的"
            "文件不受影响。\n确定要清理吗？",
            "將刪除暫存資料夾 %1 中屬於您、一天以上未修改且沒有程式在使用的檔案；子資料夾和其他使用者的"
            "檔案不受影響。\n確定要清理嗎？",
            "This removes your own files in the temporary folder %1 that have not been modified "
            "for more than a day and that no program is using. Subfolders and other users' files "
            "are left alone.\nDo you want to clean up?")
            .arg(QDir::toNativeSeparators(folder)),
        PromptIcon::Information, PromptButtons::OkCancel};
    if (prompt::ask(parent, question) != PromptAnswer::Ok)
        return;

    // Looking through every process's open files can take longer than a frame: the work runs
    // beside the event loop and the report comes back to it.
    auto result = std::make_shared<TempCleanupResult>();
    const TempCleanup cleanup(
        folder, [] { return QDateTime::currentDateTime(); }, ::getuid());
    QThread* worker = QThread::create([cleanup, result] { *result = cleanup.run(); });
    worker->setParent(QCoreApplication::instance());
    runningCleanup = worker;
    QPointer<QWidget> owner = parent;
    QObject::connect(worker, &QThread::finished, QCoreApplication::instance(), [worker, owner, result] {
        worker->deleteLater();
        prompt::inform(owner, cleanupReport(*result));
    });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, worker,
                     [worker] { worker->wait(); });
    worker->start(QThread::LowPriority);
}

void minimiseMainWindow(QWidget* mainWindow) {
    QWidget* window = mainWindow ? mainWindow->window() : FormRegistry::find(QStringLiteral("Form1"));
    if (window)
        window->setWindowState((window->windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

} // namespace programcommands
