#pragma once
// Unit conversion: gram-force and newton, gram-force and pound, inch and millimetre.
//
// The user fills one field of a pair and converts; the empty field of that pair receives the
// value. Values are single precision and shown with four decimals.

#include "common/ui/FormBase.h"

class Form12 : public FormBase {
    Q_OBJECT
public:
    Form12();

private:
    void convert();
    // One pair of fields: fills whichever is empty from the other, or complains when both hold
    // something.
    void convertPair(int left, int right, const float values[], double (*toRight)(double),
                     double (*toLeft)(double));
};
