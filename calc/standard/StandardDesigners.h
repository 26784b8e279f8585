#pragma once
// The standard-based designers, each the shared frame with its own table and formula.

#include "calc/standard/StandardDesignerFrame.h"

// Compression spring.
class Form65 : public standard::StandardDesignerFrame {
    Q_OBJECT
public:
    Form65();
};

// Torsion spring.
class Form66 : public standard::StandardDesignerFrame {
    Q_OBJECT
public:
    Form66();
};

// Extension spring with initial tension.
class Form67 : public standard::StandardDesignerFrame {
    Q_OBJECT
public:
    Form67();
};
