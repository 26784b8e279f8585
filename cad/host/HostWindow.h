#pragma once
// The drawing host's window: the wireframe view, the File menu (new drawing, save as DXF,
// quit) and the View menu (standard directions, show all). A drawing with unsaved changes
// is never dropped without asking, and a failed save keeps it marked as changed.

#include "cad/host/DrawingModel.h"
#include "cad/host/HostCalls.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <memory>

namespace host {

class DrawingView;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    HostWindow(DrawingModel& model, HostCalls& calls);

    DrawingView* view() const { return view_; }

    // Save / Discard / Cancel when the drawing has unsaved changes; true when it may go.
    bool mayDropDrawing();
    bool saveAs();
    void newDrawing();

    // The Save As dialog: DXF files, ".dxf" added to a name without a suffix, starting in
    // the folder last saved to (the user's Documents folder at first).
    std::unique_ptr<QFileDialog> saveDialog();

    // How the dialog and the questions run: modal for a user; a test answers instead.
    // runDialog says whether the dialog was accepted, runMessage gives the button chosen.
    std::function<bool(QFileDialog&)> runDialog;
    std::function<int(QMessageBox&)> runMessage;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons);
    QString chosenPath(const QFileDialog& dialog) const;

    DrawingModel& model_;
    HostCalls& calls_;
    DrawingView* view_;
    QString lastFolder_;
};

} // namespace host
