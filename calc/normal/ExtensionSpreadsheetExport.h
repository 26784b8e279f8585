#pragma once
// The extension calculator's spreadsheet buttons: "另存" (Command4) fills the extension
// calculation-sheet template with the window's inputs and results as they are shown, and a
// click on Label5 opens the tensile-strength workbook.

#include "platform/ExcelTemplateExport.h"

class FormBase;

class ExtensionSpreadsheetExport {
public:
    static inline const QString templatePath = QStringLiteral("/mb/tension spring template.xls");
    static inline const QString tensileStrengthPath = QStringLiteral("/klqd.xls");

    // The 17 cells in the order they are written. Loads go out in the unit the window shows.
    static TemplateCellMap cellMap(const FormBase* form);

    // Connects Command4 to the export and Label5 to the tensile-strength viewer.
    static void connect(FormBase* form);

    // One click of Command4.
    static bool run(FormBase* form);
};
