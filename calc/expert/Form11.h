#pragma once
// Form11: the expert-mode calculator of conical (tower) compression springs of round wire.
// Its normal-mode twin is Form13; Command7 switches back. Drawing fills the conical spring's
// spreadsheet drawing template.

#include "common/ui/FormBase.h"

class QGroupBox;
namespace conicalexpert {
struct Results;
}

class Form11 : public FormBase {
    Q_OBJECT
public:
    Form11();

private:
    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    QWidget* buildLoadDiagram(QWidget* parent);

    void calculate();
    void show(const conicalexpert::Results& r);
    void reset();
};
