#pragma once
// The six standard-based designers, each the shared frame with its own table and formula.

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

// Conical (tower) spring.
class Form68 : public standard::StandardDesignerFrame {
    Q_OBJECT
public:
    Form68();
};

// Barrel spring.
class Form69 : public standard::StandardDesignerFrame {
    Q_OBJECT
public:
    Form69();
};

// Hourglass spring.
class Form86 : public standard::StandardDesignerFrame {
    Q_OBJECT
public:
    Form86();
};
