#include "common/ui/InputArrayNavigation.h"

#include <algorithm>

namespace ui {

int downTarget(std::span<const int> indexes, int from, DownRule rule) {
    if (indexes.empty() || std::find(indexes.begin(), indexes.end(), from) == indexes.end())
        return -1;
    const int count = static_cast<int>(indexes.size());
    if (rule == DownRule::ElementCount && from + 1 > count - 1)
        return indexes.front();
    const auto next = std::lower_bound(indexes.begin(), indexes.end(), from + 1);
    return next == indexes.end() ? indexes.front() : *next;
}

int arrayIndex(const QString& objectName, const QString& arrayName) {
    if (!objectName.startsWith(arrayName) || objectName.size() < arrayName.size() + 2 ||
        objectName.at(arrayName.size()) != u'_')
        return -1;
    const QStringView digits = QStringView(objectName).mid(arrayName.size() + 1);
    for (QChar c : digits) {
        if (!c.isDigit() || c.unicode() > 127)
            return -1;
    }
    if (digits.size() > 1 && digits.front() == u'0')
        return -1;
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok ? index : -1;
}

} // namespace ui
