#pragma once
// Form21: the expert-mode calculator of cylindrical helical compression springs of round wire.
// Its normal-mode twin is Form8; Command3 switches back. The end-form picker Form129 writes
// the end-form code into Text3.
//
// The window builds its layout from tables and maps its controls to the calculation in
// CompressionExpertCore.h.

#include "common/ui/FormBase.h"

class QGroupBox;
namespace compressionexpert {
struct Results;
}
namespace springchecks {
struct SlendernessVerdicts;
}

class Form21 : public FormBase {
    Q_OBJECT
public:
    Form21();

private:
    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    void buildChecks(QGroupBox* frame);
    QWidget* buildButtons();

    void calculate();
    void show(const compressionexpert::Results& r);
    void showSlenderness(const springchecks::SlendernessVerdicts& passed);
    void reset();
};
