#pragma once
// Form129: the end-form picker (EndFormPicker) of the compression expert calculator. It shows
// the five end forms as pictures, each with its own option button; the chosen form's code,
// inactive-coil range and inactive-coil count n2 appear in Text1_0 to Text1_2. Confirm writes
// the code into Form21's Text3. While the picker is open, the count n2 shown is stored in the
// design wizards' wizard::inactiveEndCoils on every refresh.

#include "common/ui/FormBase.h"

class QRadioButton;

class Form129 : public FormBase {
    Q_OBJECT
public:
    Form129();

private:
    QWidget* makePicture(int number);
    // A click on a picture or on its option button selects that form alone.
    void select(int number);
    // Shows the first selected form and stores its n2; runs every 200 ms and on every click.
    void refresh();
    void confirm();

    QRadioButton* option(int number) const;
};
