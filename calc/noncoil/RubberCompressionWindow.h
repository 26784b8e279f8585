#pragma once
// The two rubber compression spring windows (round and rectangular block): the same inputs
// but for the two section dimensions, the same results, checks, buttons and keys.

#include "calc/noncoil/RubberSpringCore.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"

#include <vector>

struct RubberCompressionLayout {
    const char* className;
    int captionId;
    rubber::Shape shape;
    int dimension1Caption, dimension2Caption;
    const char* dimension2Unit;
    int dimension2UnitId; // a unit label from the string table instead, when not 0
    const char* picture;
};

class RubberCompressionWindow : public FormBase {
    Q_OBJECT
public:
    explicit RubberCompressionWindow(const RubberCompressionLayout& layout);

private:
    void calculate();
    rubber::Shape shape_;
    std::vector<ui::InputField> inputs_;
};

class Form46 : public RubberCompressionWindow {
    Q_OBJECT
public:
    Form46();
};

class Form47 : public RubberCompressionWindow {
    Q_OBJECT
public:
    Form47();
};
