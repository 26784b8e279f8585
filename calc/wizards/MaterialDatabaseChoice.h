#pragma once
// Which material database file the wizards read. The choice follows the system's locale, not
// the interface language of the captions: on a machine whose locale and interface language
// differ, the material names come from one language and the captions from the other.

#include <QString>

namespace materialdb {

// The file for a locale name such as "zh_CN.UTF-8": Simplified Chinese (zh_CN, zh_SG or plain
// zh) -> "db.mdb", Traditional Chinese (zh_TW, zh_HK, zh_MO) -> "dbtw.mdb", anything else,
// the empty name included -> "dben.mdb".
QString fileForLocale(const QString& localeName);

// The system's locale name: LC_ALL, else LC_CTYPE, else LANG (the first that is set and not
// empty), else the empty name.
QString systemLocaleName();

// The file for the system's locale, or the file set below.
QString systemFile();

// Makes systemFile() answer this file name whatever the locale (tests reach a missing or
// damaged file this way); an empty name restores the choice by locale.
void setFileOverride(const QString& fileName);

} // namespace materialdb
