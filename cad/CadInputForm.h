#pragma once
// What the five input windows of Helidraw share: they stay above other windows, keep their
// texts when closed (closing only hides them), own one host object, connect before every
// drawing and end a drawing minimised.

#include "cad/CadHost.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"

#include <functional>
#include <memory>
#include <variant>
#include <vector>

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
    // a failing host call ends the run with a box naming the call, and too many turns with
    // one naming the largest turn count the window can draw.
    void runDrawing(const std::function<void(CadHost&)>& draw);

    CadHost* host() const { return host_.get(); }

    // A button with a literal caption (Helidraw's captions are not translated).
    static ui::Cell button(const QString& name, const QString& caption);
    static ui::Cell caption(const QString& text);
    // The row that asks for the hand of the coils: the caption, then Combo1 with 右旋 and 左旋.
    static std::vector<ui::Cell> handRow(const QString& captionText);

protected:
    // The heading "1.请检查或修改以下参数：", the rows, the status label, and to the right the
    // window's own sketch ":/cad/<sketch>-sketch.svg", in a label named `pictureName`.
    void build(const std::vector<std::vector<ui::Cell>>& rows, const QString& pictureName,
               const QString& sketch);
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<CadHost> host_;
    bool sendsWindowState_;
    bool placed_ = false;
};

// One input box of a drawing window, declared once: the rows of the window and the reading
// into the drawing's inputs both come from the table. Captions are literal (no string table).
template <class S> struct Input {
    const char* field;
    const char* caption; // UTF-8
    std::variant<float S::*, double S::*> member;
    const char* defaultText = "";
};

// Caption and box, a row each, in table order, followed by the window's other rows.
template <class S, std::size_t N>
std::vector<std::vector<ui::Cell>> inputRows(const Input<S> (&inputs)[N],
                                             std::vector<std::vector<ui::Cell>> after) {
    std::vector<std::vector<ui::Cell>> rows;
    for (const Input<S>& i : inputs)
        rows.push_back({CadInputForm::caption(QString::fromUtf8(i.caption)),
                        ui::edit(QString::fromLatin1(i.field), QString::fromUtf8(i.defaultText))});
    for (std::vector<ui::Cell>& row : after)
        rows.push_back(std::move(row));
    return rows;
}

// The boxes as a reading map for ui::read.
template <class S, std::size_t N> std::vector<ui::In<S>> readMap(const Input<S> (&inputs)[N]) {
    std::vector<ui::In<S>> map;
    for (const Input<S>& i : inputs)
        map.push_back({i.field, i.member});
    return map;
}

template <class S, std::size_t N> S readInputs(const FormBase* form, const Input<S> (&inputs)[N]) {
    const std::vector<ui::In<S>> map = readMap(inputs);
    return ui::read<S>(form, std::span<const ui::In<S>>(map));
}

template <class S, std::size_t N> QStringList inputNames(const Input<S> (&inputs)[N]) {
    const std::vector<ui::In<S>> map = readMap(inputs);
    return ui::controlNames<ui::In<S>>(std::span<const ui::In<S>>(map));
}

// Message boxes of Helidraw carry the program's title.
QString programTitle();

} // namespace cad
