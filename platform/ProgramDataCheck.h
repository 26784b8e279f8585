#pragma once
// The start-up check of the program folder: when data the windows need is missing (a copied or
// half-installed program), one message names what is missing and where it was looked for; the
// program then runs on with what it has.

class QWidget;

namespace programdata {

// Shows the message when something is missing; returns true when everything is there.
bool checkAndReport(QWidget* parent);

} // namespace programdata
