#include "cad/host/HostWindow.h"

#include "cad/host/DrawingView.h"
#include "cad/host/DxfExport.h"
#include "cad/host/ScreenPlacement.h"
#include "common/FileReplace.h"
#include "common/StringTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QStandardPaths>

namespace host {

namespace {

const QString kDxfFilter = QStringLiteral("DXF (*.dxf)");

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

HostWindow::HostWindow(DrawingModel& model, HostCalls& calls) : model_(model), calls_(calls) {
    setObjectName(QStringLiteral("DrawingHostWindow"));
    setWindowTitle(StringTable::pick("绘图主机", "繪圖主機", "Drawing host"));
    view_ = new DrawingView(model, this);
    setCentralWidget(view_);
    placeWindow(this, {900, 700});

    QMenu* file = menuBar()->addMenu(StringTable::pick("文件(&F)", "檔案(&F)", "&File"));
    file->addAction(StringTable::pick("新建图形(&N)", "新建圖形(&N)", "&New drawing"), this,
                    &HostWindow::newDrawing);
    file->addAction(StringTable::pick("另存为 DXF(&S)…", "另存為 DXF(&S)…", "&Save as DXF…"), this,
                    [this] { saveAs(); });
    file->addSeparator();
    file->addAction(StringTable::pick("退出(&Q)", "結束(&Q)", "&Quit"), this, &QWidget::close);

    QMenu* viewMenu = menuBar()->addMenu(StringTable::pick("视图(&V)", "檢視(&V)", "&View"));
    const struct {
        const char *zhCN, *zhTW, *en;
        Vec3 direction;
    } presets[] = {
        {"俯视", "俯視", "Top", {0, 0, 1}},
        {"前视", "前視", "Front", {0, -1, 0}},
        {"右视", "右視", "Right", {1, 0, 0}},
        {"西南等轴测 (-1, -1, 1)", "西南等角 (-1, -1, 1)", "Isometric (-1, -1, 1)", {-1, -1, 1}},
        {"西北等轴测 (-1, 1, 1)", "西北等角 (-1, 1, 1)", "Isometric (-1, 1, 1)", {-1, 1, 1}},
    };
    for (const auto& p : presets) {
        const Vec3 d = p.direction;
        viewMenu->addAction(StringTable::pick(p.zhCN, p.zhTW, p.en), this, [this, d] {
            view_->setDirection(d);
            view_->showAll();
        });
    }
    viewMenu->addSeparator();
    viewMenu->addAction(StringTable::pick("全部显示", "全部顯示", "Show all"), view_, &DrawingView::showAll);

    calls.onSetVisible = [this](bool visible) { setVisible(visible); };
    calls.onSetWindowState = [this](int state) {
        // Maximised, but below the palette, which would cover the menu bar.
        if (state == 3) {
            placeWindow(this, paletteFreeArea(screen()).size());
            show();
        }
    };
    calls.onApplyViewport = [this] {
        view_->setDirection(model_.viewDirection());
        view_->refresh();
    };
    calls.onZoomExtents = [this] { view_->showAll(); };
    calls.onSaveDxf = [this](const QString& path) { return saveDxf(model_, path); };
    // Helidraw's windows may cover the question the user has not seen: it comes forward when
    // Helidraw's call is refused because of it.
    calls.onRefusedWhileAsking = [] { bringForward(QApplication::activeModalWidget()); };
}

int HostWindow::ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, windowTitle(), text, buttons, this);
    keepClearOfPalette(&box);
    keepInFront(&box);
    return runMessage ? runMessage(box) : box.exec();
}

bool HostWindow::mayDropDrawing() {
    if (!model_.isModified())
        return true;
    const HostCalls::Asking asking(calls_);
    const int answer = ask(QMessageBox::Question,
                           StringTable::pick("图形已修改。是否保存为 DXF？", "圖形已修改。是否儲存為 DXF？",
                                             "The drawing has changed. Save it as DXF?"),
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return saveAs();
    return answer == QMessageBox::Discard;
}

std::unique_ptr<QFileDialog> HostWindow::saveDialog() {
    auto dialog =
        std::make_unique<QFileDialog>(this, StringTable::pick("另存为 DXF", "另存為 DXF", "Save as DXF"),
                                      lastFolder_.isEmpty() ? documentsFolder() : lastFolder_,
                                      kDxfFilter + QStringLiteral(";;") +
                                          StringTable::pick("所有文件 (*)", "所有檔案 (*)", "All files (*)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // The desktop's own file dialog is placed by the desktop, where Helidraw's palette may cover
    // it; this one opens below the palette.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The dialog's own question about replacing a file then names the file that is written.
    dialog->setDefaultSuffix(QStringLiteral("dxf"));
    QFileDialog* d = dialog.get();
    connect(d, &QFileDialog::filterSelected, d, [d](const QString& filter) {
        d->setDefaultSuffix(filter == kDxfFilter ? QStringLiteral("dxf") : QString());
    });
    keepClearOfPalette(d);
    keepInFront(d);
    return dialog;
}

QString HostWindow::chosenPath(const QFileDialog& dialog) const {
    QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty() && dialog.selectedNameFilter() == kDxfFilter && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".dxf");
    return path;
}

bool HostWindow::saveAs() {
    const std::unique_ptr<QFileDialog> dialog = saveDialog();
    const bool accepted = runDialog ? runDialog(*dialog) : dialog->exec() == QDialog::Accepted;
    const QString path = accepted ? chosenPath(*dialog) : QString();
    if (path.isEmpty())
        return false;
    ReadOnlyTarget readOnly = ReadOnlyTarget::Refuse;
    if (QFileInfo::exists(path) && isReadOnly(QFileInfo(path))) {
        if (ask(QMessageBox::Warning,
                StringTable::pick("%1 是只读文件。仍要替换它吗？", "%1 是唯讀檔案。仍要取代它嗎？",
                                  "%1 is read-only. Replace it anyway?")
                    .arg(path),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return false;
        readOnly = ReadOnlyTarget::Replace;
    }
    const QString error = saveDxf(model_, path, readOnly);
    if (!error.isEmpty()) {
        ask(QMessageBox::Warning, error, QMessageBox::Ok);
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    model_.setModified(false);
    return true;
}

void HostWindow::newDrawing() {
    if (mayDropDrawing())
        model_.clear();
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (mayDropDrawing())
        event->accept();
    else
        event->ignore();
}

} // namespace host
