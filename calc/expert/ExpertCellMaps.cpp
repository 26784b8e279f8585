#include "calc/expert/ExpertCellMaps.h"

#include <array>

namespace expertcells {

namespace {

constexpr CellRule number(const char* address, const char* control) {
    return {address, Kind::Number, control};
}
constexpr CellRule text(const char* address, const char* control) {
    return {address, Kind::Text, control};
}
constexpr CellRule sum(const char* address, const char* first, const char* second) {
    return {address, Kind::Sum, first, second};
}
constexpr CellRule difference(const char* address, const char* first, const char* second) {
    return {address, Kind::Difference, first, second};
}
constexpr CellRule plus(const char* address, const char* control, double constant) {
    return {address, Kind::PlusConstant, control, nullptr, constant};
}
constexpr CellRule dateLine(const char* address) {
    return {address, Kind::DateLine};
}

// Compression calculation sheet: inputs as numbers, results and verdicts as shown.
constexpr std::array kCompressionSheet{
    number("c4", "Text1_0"), number("c5", "Text1_1"), number("c6", "Text1_2"),  number("c7", "Text1_3"),
    number("c8", "Text1_4"), number("c9", "Text1_5"), number("c11", "Text1_6"), number("c12", "Text1_7"),
    text("c15", "Text7"),    text("c16", "Text17"),   text("c17", "Text12"),    text("c18", "Text18"),
    text("c20", "Text13"),   text("c21", "Text14"),   text("c22", "Text16"),    text("c23", "Text8"),
    text("c24", "Text10"),   text("c25", "Text9"),    text("c26", "Text26"),    text("c27", "Text20"),
    text("c30", "Text5"),    text("c31", "Text21"),   text("c32", "Text22"),    text("c33", "Text23"),
    text("c34", "Text25"),   text("c35", "Label48"),  text("c36", "Label80"),   text("d30", "Label28"),
    text("d31", "Label40"),  text("d32", "Label44"),  text("d33", "Label46"),   text("d34", "Label50"),
    dateLine("d44"),
};

// Compression drawing: every cell a number. D22 is the active coils plus 2, whatever the
// total-coil input says.
constexpr std::array kCompressionDrawing{
    number("c15", "Text1_0"),         number("d16", "Text1_1"),
    sum("d17", "Text1_1", "Text1_2"), difference("d18", "Text1_2", "Text1_1"),
    number("d19", "Text1_2"),         number("d20", "Text1_5"),
    number("d21", "Text1_3"),         plus("d22", "Text1_3", 2),
    number("d25", "Text8"),           number("d26", "Text1_6"),
    number("d27", "Text7"),           number("d28", "Text1_7"),
    number("d29", "Text12"),          number("d30", "Text1_8"),
    number("d31", "Text24"),
};

// Torsion calculation sheet: inputs as numbers, results and verdicts as shown.
constexpr std::array kTorsionSheet{
    number("c4", "Text1_0"),  number("c5", "Text1_1"),  number("c6", "Text1_2"),   number("c7", "Text1_3"),
    number("c8", "Text1_4"),  number("c9", "Text1_5"),  number("c10", "Text1_6"),  number("c11", "Text1_7"),
    number("c12", "Text1_8"), number("c13", "Text1_9"), number("c14", "Text1_10"), text("c17", "Text9"),
    text("c18", "Text10"),    text("c19", "Text5"),     text("c21", "Text3"),      text("c22", "Text7"),
    text("c23", "Text6"),     text("c24", "Text8"),     text("c25", "Text15"),     text("c29", "Text4"),
    text("c30", "Text16"),    text("d29", "Label52"),   text("d30", "Label4"),     text("d31", "Label56"),
    dateLine("d43"),
};

// Extension calculation sheet: inputs and results as numbers, verdicts as shown.
constexpr std::array kExtensionSheet{
    number("c4", "Text1_0"),  number("c5", "Text1_1"),  number("c6", "Text1_2"),  number("c7", "Text1_3"),
    number("c8", "Text1_4"),  number("c9", "Text1_5"),  number("c10", "Text1_6"), number("c11", "Text1_7"),
    number("c12", "Text1_8"), number("c13", "Text1_9"), number("c17", "Text9"),   number("c18", "Text20"),
    number("c19", "Text2"),   number("c20", "Text11"),  number("c21", "Text10"),  number("d18", "Text6"),
    number("d19", "Text7"),   number("d20", "Text8"),   number("c29", "Text3"),   number("c30", "Text25"),
    number("c32", "Text4"),   number("c33", "Text5"),   text("d29", "Label29"),   text("d30", "Label50"),
    text("d31", "Label27"),   dateLine("d43"),
};

// Extension drawing: every cell a number.
constexpr std::array kExtensionDrawing{
    number("c15", "Text1_0"),         number("d16", "Text1_1"),
    sum("d17", "Text1_1", "Text1_2"), difference("d18", "Text1_2", "Text1_1"),
    number("d19", "Text1_2"),         number("d20", "Text1_4"),
    number("d21", "Text1_3"),         number("d24", "Text10"),
    number("d25", "Text9"),           number("d26", "Text1_5"),
    number("d27", "Text6"),           number("d28", "Text1_6"),
    number("d29", "Text7"),           number("d30", "Text1_7"),
    number("d31", "Text8"),
};

// Conical drawing: every cell a number; a load box that says h2 is too small reads 0.
constexpr std::array kConicalDrawing{
    number("c15", "Text10_0"),  number("d16", "Text10_1"), number("d17", "Text10_2"),
    number("d18", "Text10_3"),  number("d19", "Text10_5"), number("d20", "Text10_4"),
    plus("d21", "Text10_4", 2), number("d24", "Text9"),    number("d25", "Text7"),
    number("d26", "Text10_6"),  number("d27", "Text16"),   number("d28", "Text10_7"),
    number("d29", "Text17"),
};

constexpr std::array kForm21Maps{
    CellMap{"Form21", "Command6", "/mb/compression spring mode.xls", ExportKind::SaveAs, kCompressionSheet},
    CellMap{"Form21", "Command7", "/mb/compression spring drawing2.xls", ExportKind::Drawing,
            kCompressionDrawing},
};
constexpr std::array kForm22Maps{
    CellMap{"Form22", "Command6", "/mb/Torsion spring template.xls", ExportKind::SaveAs, kTorsionSheet},
};
constexpr std::array kForm23Maps{
    CellMap{"Form23", "Command4", "/mb/tension spring template.xls", ExportKind::SaveAs, kExtensionSheet},
    CellMap{"Form23", "Command7", "/mb/tension spring drawing2.xls", ExportKind::Drawing, kExtensionDrawing},
};
constexpr std::array kForm11Maps{
    CellMap{"Form11", "Command4", "/mb/Tower spring drawings2.xls", ExportKind::Drawing, kConicalDrawing},
};

constexpr std::array kAllMaps{kForm21Maps[0], kForm21Maps[1], kForm22Maps[0],
                              kForm23Maps[0], kForm23Maps[1], kForm11Maps[0]};

} // namespace

std::span<const CellMap> cellMapsOf(const QString& window) {
    if (window == QLatin1String("Form21"))
        return kForm21Maps;
    if (window == QLatin1String("Form22"))
        return kForm22Maps;
    if (window == QLatin1String("Form23"))
        return kForm23Maps;
    if (window == QLatin1String("Form11"))
        return kForm11Maps;
    return {};
}

std::span<const CellMap> allCellMaps() {
    return kAllMaps;
}

} // namespace expertcells
