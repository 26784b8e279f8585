#pragma once
// Form54: fast restart. Asks once, when the window loads; on OK the session is asked to
// restart the computer in the ordinary way, so other programs can save their work.

#include "common/ui/FormBase.h"

class Form54 : public FormBase {
    Q_OBJECT
public:
    Form54();
};
