#pragma once
// Text crosses between Qt and UNO as UTF-16 on both sides, so no conversion is needed.

#include <QString>
#include <rtl/ustring.hxx>

namespace uno {

inline rtl::OUString toOUString(const QString& text) {
    return rtl::OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()),
                         static_cast<sal_Int32>(text.size()));
}

inline QString toQString(const rtl::OUString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getStr()), text.getLength());
}

} // namespace uno
