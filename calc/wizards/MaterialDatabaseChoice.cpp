#include "calc/wizards/MaterialDatabaseChoice.h"

#include <QStringList>
#include <QtGlobal>

namespace materialdb {

QString fileForLocale(const QString& localeName) {
    // "zh_TW.UTF-8@modifier": the language and region alone decide.
    QString name = localeName.section(u'.', 0, 0).section(u'@', 0, 0);
    name.replace(u'-', u'_');
    static const QStringList simplified{QStringLiteral("zh_CN"), QStringLiteral("zh_SG"),
                                        QStringLiteral("zh")};
    static const QStringList traditional{QStringLiteral("zh_TW"), QStringLiteral("zh_HK"),
                                         QStringLiteral("zh_MO")};
    if (simplified.contains(name))
        return QStringLiteral("db.mdb");
    if (traditional.contains(name))
        return QStringLiteral("dbtw.mdb");
    return QStringLiteral("dben.mdb");
}

QString systemLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

namespace {
QString fileOverride;
}

QString systemFile() {
    return fileOverride.isEmpty() ? fileForLocale(systemLocaleName()) : fileOverride;
}

void setFileOverride(const QString& fileName) {
    fileOverride = fileName;
}

} // namespace materialdb
