// Times the extension calculator's spreadsheet export against a real, headless LibreOffice:
// once cold (the office is started by the export) and then warm (the office is running).
//
//   export_bench PROFILE_DIR [WARM_RUNS]
//
// PROFILE_DIR is the office's user profile; an empty folder gives a first start.

#include "calc/normal/ExtensionSpreadsheetExport.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "platform/UnoSpreadsheet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The controls of the extension calculator that the export reads, showing its worked example.
class WorkedExample : public FormBase {
public:
    WorkedExample() : FormBase(QStringLiteral("WorkedExample")) {
        ui::grid(this, {
                           {ui::combo("Combo1", {QStringLiteral("弹簧钢 SUP")}), ui::button("Command4", 1406),
                            ui::label("Label5", 1501)},
                           {ui::edit("Text1_0", "2"), ui::edit("Text1_1", "20"), ui::edit("Text1_2", "10"),
                            ui::edit("Text1_3", "50")},
                           {ui::edit("Text1_4", "60"), ui::edit("Text1_5", "70"), ui::edit("Text1_6")},
                           {ui::result("Text9", "12.3"), ui::result("Text10", "1.96")},
                           {ui::result("Text20", "3256.6"), ui::result("Text6", "4262.0")},
                           {ui::result("Text2", "5256.6"), ui::result("Text7", "6262.0")},
                           {ui::result("Text11"), ui::result("Text8")},
                       });
    }
};

class PrintingPrompter : public Prompter {
public:
    PromptAnswer ask(QWidget*, const PromptRequest& request) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return PromptAnswer::Ok;
    }
};

double exportOnce(UnoSpreadsheet& office, FormBase& form) {
    QElapsedTimer timer;
    timer.start();
    const bool filled = ExtensionSpreadsheetExport::run(&form);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (!filled)
        return -1;
    for (const OpenWorkbook& book : office.workbooks())
        office.closeWorkbook(book.id);
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: export_bench PROFILE_DIR [WARM_RUNS]\n");
        return 2;
    }
    const int warmRuns = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));

    PrintingPrompter prompter;
    prompt::install(&prompter);
    StringTable::setLanguage(Language::ZhCN);
    OfficeOptions options;
    options.headless = true;
    options.pipeName = QStringLiteral("spirelta-bench-%1").arg(QCoreApplication::applicationPid());
    options.profileUrl = QUrl::fromLocalFile(QDir(QString::fromLocal8Bit(argv[1])).absolutePath()).toString();
    options.startTimeoutMs = 180000;
    UnoSpreadsheet office(options);
    spreadsheet::install(&office);
    WorkedExample form;

    const double cold = exportOnce(office, form);
    std::vector<double> warm;
    for (int i = 0; i < warmRuns && cold >= 0; ++i)
        warm.push_back(exportOnce(office, form));
    office.endStartedOffice();
    spreadsheet::install(nullptr);

    if (cold < 0 || std::count(warm.begin(), warm.end(), -1.0) > 0) {
        std::fprintf(stderr, "the export did not complete\n");
        return 1;
    }
    std::sort(warm.begin(), warm.end());
    std::printf("cold export (office started by the export): %.0f ms\n", cold);
    std::printf("warm export (office running), %zu runs: median %.0f ms, min %.0f ms, max %.0f ms\n",
                warm.size(), warm[warm.size() / 2], warm.front(), warm.back());
    return 0;
}
