#pragma once
// The spreadsheet buttons of the expert calculators: each click fills its template with the
// cells of its map (ExpertCellMaps.h), read from the window as it stands.

#include "calc/expert/ExpertCellMaps.h"
#include "platform/ExcelTemplateExport.h"

class FormBase;

namespace expertcells {

// The map as cell writes that read the window when they are written.
TemplateCellMap templateCells(const FormBase* form, const CellMap& map);

// One click of the map's button; true when the template was opened and filled.
bool runExport(FormBase* form, const CellMap& map);

// Connects every export button of the window to its template.
void connectExports(FormBase* form);

} // namespace expertcells
