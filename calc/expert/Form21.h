#pragma once
// Form21: the expert-mode calculator of cylindrical helical compression springs of round wire.
// Its normal-mode twin is Form8; Command3 switches back. The end-form picker Form129 writes
// the end-form code into Text3.
//
// Layout and wiring live in Form21.cpp, the calculation in Form21Calculation.cpp.

#include "common/ui/FormBase.h"

#include <optional>

class QGroupBox;
namespace endforms {
struct EndForm;
}

class Form21 : public FormBase {
    Q_OBJECT
public:
    Form21();

private:
    // Values of one calculation, in the precision each step keeps them.
    struct Run {
        const endforms::EndForm* endForm = nullptr;
        float G = 0, d = 0, D = 0, n = 0, H0 = 0, h1 = 0, h2 = 0;
        double n1 = 0, tolerance = 0;
        bool strengthGiven = false; // tensile strength and allowable-stress coefficient both typed

        double solidHeight = 0;      // the solid height as read back from its shortest text
        float solidHeightSingle = 0; // the same, as compared with a height
        double maxDeflection = 0;    // four-decimal fixed point
        float f1 = 0;

        // Known once the installed height lies above the solid height.
        std::optional<double> rate; // four-decimal fixed point, N/mm
        float solidLoad = 0;
        float wahl = 0;
        float tau1 = 0; // 0 when the installed-height step was skipped
    };

    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    void buildChecks(QGroupBox* frame);
    QWidget* buildButtons();

    void calculate();
    void reset();

    bool readInputs(Run& run);
    void geometry(Run& run);
    void installedHeight(Run& run);
    void workingHeight2(Run& run);
    void workingHeight3(Run& run);
    void strength(const Run& run, float tauMax, float lastDeflection);
    void slenderness(float b);
    enum class Cube { DividedOnce, DividedThreeTimes };
    float shearStress(const Run& run, float load, Cube cube) const;
    float load(const Run& run, float deflection) const;
    // A working height below the solid height is skipped with text 2471; true when it is.
    bool belowSolidHeight(const Run& run, float height);
    // A working height that comes after a skipped installed height has no rate to work with.
    void requireRate(const Run& run) const;
};
