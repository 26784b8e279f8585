#pragma once
// Every text the user sees comes from one table held in Simplified Chinese, Traditional
// Chinese and English (resources/strings/strings.tsv, embedded in the program). The
// language is chosen once from the user's interface language; a missing id gives an
// empty text and never stops the program.

#include <QList>
#include <QString>
#include <QStringList>

enum class Language { ZhCN = 2052, ZhTW = 1028, EnUS = 1033 };

class StringTable {
public:
    // Text of the id in the language in force; empty when the table has no such text.
    static QString text(int id);
    // Text of the id in a given language.
    static QString text(int id, Language language);

    static Language language();
    static void setLanguage(Language language);

    // zh-Hans regions (or plain "zh", "zh-CN", "zh-SG") -> 2052, zh-Hant regions
    // ("zh-TW", "zh-HK", "zh-MO", "zh-Hant") -> 1028, anything else -> 1033.
    static Language languageFor(const QStringList& uiLanguages);

    // A text of the program's own that the table does not hold (messages added for cases
    // the original never handled), in the language in force.
    static QString pick(const char* zhCN, const char* zhTW, const char* enUS);
    // Every text pick() has given so far: tests check that each message a window shows is one
    // of the program's own texts.
    static QStringList pickedTexts();

    // The ids asked for that the table does not hold, each once, in the order first asked. Such
    // an id shows as an empty caption or message; tests check that no window asks for one.
    static QList<int> missingIds();
    static void clearMissingIds();

    // Decodes one cell of the table file: \t, \n, \r and \\ are the only escapes.
    static QString unescape(QStringView cell);
};
