#include "platform/Spreadsheet.h"

#include "platform/UnoSpreadsheet.h"

namespace {
Spreadsheet* current = nullptr;
}

namespace spreadsheet {

void install(Spreadsheet* application) {
    current = application;
}

Spreadsheet& installed() {
    if (current)
        return *current;
    // Created on first use, so a program that never exports never loads the UNO runtime;
    // kept to the end, since the office it reaches outlives the program anyway.
    static auto* office = new UnoSpreadsheet;
    return *office;
}

} // namespace spreadsheet
