#pragma once
// A reference window: one or two fixed pictures under a caption, nothing that reacts.
//
// The caption is a string-table text, or, for the windows that never set one at load, the
// Chinese caption they were designed with (the same in every language). The pictures are
// embedded resources, shown at their own size and scrolled when the screen is smaller.

#include "common/ui/FormBase.h"

#include <QStringList>

class ReferencePicture : public FormBase {
    Q_OBJECT
public:
    // Pictures are named Image1, Image2, ... in the order given.
    ReferencePicture(const QString& className, int captionId, const QStringList& pictures);
    ReferencePicture(const QString& className, const QString& fixedCaption, const QStringList& pictures);

private:
    void showPictures(const QStringList& pictures);
};
