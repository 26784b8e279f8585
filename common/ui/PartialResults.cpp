#include "common/ui/PartialResults.h"

namespace ui {

QString resultText(double value, const char* pattern, const char* prefix, const char* suffix) {
    const QString number =
        *pattern ? num::format(value, QString::fromLatin1(pattern)) : num::textSingle(num::single(value));
    return QString::fromUtf8(prefix) + number + QString::fromUtf8(suffix);
}

} // namespace ui
