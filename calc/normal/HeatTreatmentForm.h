#pragma once
// The window shared by the two heat-treatment estimates (Form19, Form20): material list, wire
// diameter, mean diameter and coil count in, temperature, diameter change, machine coils and
// angle change out. The two differ in their caption and coefficient table.

#include "calc/normal/HeatTreatment.h"
#include "common/ui/FormBase.h"

class HeatTreatmentForm : public FormBase {
    Q_OBJECT
public:
    HeatTreatmentForm(const QString& className, int captionId, HeatTreatmentTable table);

private:
    void confirm();
    HeatTreatedWire wire() const;

    HeatTreatmentTable table_;
};
