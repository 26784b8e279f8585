#pragma once
// What the five input windows of Helidraw share: they stay above other windows, keep their
// texts when closed (closing only hides them), own one host object, connect before every
// drawing and end a drawing minimised.

#include "cad/CadHost.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"

#include <functional>
#include <memory>

namespace cad {

class CadInputForm : public FormBase {
    Q_OBJECT
public:
    // `statusText` is the status label's text until the first connection.
    CadInputForm(const QString& className, const QString& caption, const QString& statusText,
                 bool sendsWindowState);

    // Attaches to the host (or starts it) and prepares its drawing. False when no host could
    // be reached; the user has been told why then, and the status reads "未连接".
    bool connectCadHost();

    // One drawing run: connect, draw, minimise. An arithmetic fault propagates (text 1035);
    // a failing host call ends the run with a box naming the call.
    void runDrawing(const std::function<void(CadHost&)>& draw);

    CadHost* host() const { return host_.get(); }

    // A button with a literal caption (Helidraw has no string table).
    static ui::Cell button(const QString& name, const QString& caption);
    static ui::Cell caption(const QString& text);

protected:
    // The heading "1.请检查或修改以下参数：", the rows, the status label, and the sketch
    // (a label named `pictureName`) to the right.
    void build(const std::vector<std::vector<ui::Cell>>& rows, const QString& pictureName);
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<CadHost> host_;
    bool sendsWindowState_;
    bool placed_ = false;
};

// Message boxes of Helidraw carry the program's title.
QString programTitle();

} // namespace cad
