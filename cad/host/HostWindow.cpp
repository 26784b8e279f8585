#include "cad/host/HostWindow.h"

#include "cad/host/DrawingView.h"
#include "cad/host/DxfExport.h"
#include "common/StringTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>

namespace host {

HostWindow::HostWindow(DrawingModel& model, HostCalls& calls) : model_(model), calls_(calls) {
    setObjectName(QStringLiteral("DrawingHostWindow"));
    setWindowTitle(StringTable::pick("绘图主机", "繪圖主機", "Drawing host"));
    view_ = new DrawingView(model, this);
    setCentralWidget(view_);
    resize(900, 700);

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
        if (state == 3)
            showMaximized();
    };
    calls.onApplyViewport = [this] {
        view_->setDirection(model_.viewDirection());
        view_->refresh();
    };
    calls.onZoomExtents = [this] { view_->showAll(); };
    calls.onSaveDxf = [this](const QString& path) { return saveDxf(model_, path); };
}

bool HostWindow::mayDropDrawing() {
    if (!model_.isModified())
        return true;
    const HostCalls::Asking asking(calls_);
    int answer;
    if (askSave) {
        answer = askSave();
    } else {
        answer = QMessageBox::question(this, windowTitle(),
                                       StringTable::pick("图形已修改。是否保存为 DXF？",
                                                         "圖形已修改。是否儲存為 DXF？",
                                                         "The drawing has changed. Save it as DXF?"),
                                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }
    if (answer == QMessageBox::Save)
        return saveAs();
    return answer == QMessageBox::Discard;
}

bool HostWindow::saveAs() {
    const QString path =
        chooseFile
            ? chooseFile()
            : QFileDialog::getSaveFileName(this, StringTable::pick("另存为 DXF", "另存為 DXF", "Save as DXF"),
                                           QString(), QStringLiteral("DXF (*.dxf)"));
    if (path.isEmpty())
        return false;
    const QString error = saveDxf(model_, path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
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
