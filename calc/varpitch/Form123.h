#pragma once
// The three-section pitch spring: the rate of each section, the combined rate of each stage,
// the travel of each section until it closes, the free height and the two node positions.

#include "common/ui/FormBase.h"

class Form123 : public FormBase {
    Q_OBJECT
public:
    Form123();

private:
    void calculate();
};
