#include "common/StringTable.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSet>

namespace {

struct Texts {
    QHash<int, QString> zhCN, zhTW, enUS;
};

Texts load() {
    Texts t;
    QFile file(QStringLiteral(":/strings/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return t;
    const QString all = QString::fromUtf8(file.readAll());
    const auto lines = QStringView(all).split(u'\n');
    bool header = true;
    for (QStringView line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (header) {
            header = false;
            continue;
        }
        const auto cells = line.split(u'\t');
        if (cells.size() < 4)
            continue;
        bool ok = false;
        const int id = cells[0].toInt(&ok);
        if (!ok)
            continue;
        t.zhCN.insert(id, StringTable::unescape(cells[1]));
        t.zhTW.insert(id, StringTable::unescape(cells[2]));
        t.enUS.insert(id, StringTable::unescape(cells[3]));
    }
    return t;
}

const Texts& texts() {
    static const Texts t = load();
    return t;
}

Language& current() {
    static Language language = StringTable::languageFor(QLocale::system().uiLanguages());
    return language;
}

} // namespace

QString StringTable::text(int id) {
    return text(id, current());
}

QString StringTable::text(int id, Language language) {
    const Texts& t = texts();
    switch (language) {
    case Language::ZhCN:
        return t.zhCN.value(id);
    case Language::ZhTW:
        return t.zhTW.value(id);
    case Language::EnUS:
        break;
    }
    return t.enUS.value(id);
}

static QSet<QString>& picked() {
    static QSet<QString> texts;
    return texts;
}

QString StringTable::pick(const char* zhCN, const char* zhTW, const char* enUS) {
    QString text;
    switch (current()) {
    case Language::ZhCN:
        text = QString::fromUtf8(zhCN);
        break;
    case Language::ZhTW:
        text = QString::fromUtf8(zhTW);
        break;
    case Language::EnUS:
        text = QString::fromUtf8(enUS);
        break;
    }
    picked().insert(text);
    return text;
}

QStringList StringTable::pickedTexts() {
    return QStringList(picked().begin(), picked().end());
}

Language StringTable::language() {
    return current();
}

void StringTable::setLanguage(Language language) {
    current() = language;
}

Language StringTable::languageFor(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty())
        return Language::EnUS;
    const QLocale locale(uiLanguages.first());
    if (locale.language() != QLocale::Chinese)
        return Language::EnUS;
    if (locale.script() == QLocale::TraditionalChineseScript)
        return Language::ZhTW;
    switch (locale.territory()) {
    case QLocale::Taiwan:
    case QLocale::HongKong:
    case QLocale::Macao:
        return Language::ZhTW;
    default:
        return Language::ZhCN;
    }
}

QString StringTable::unescape(QStringView cell) {
    QString out;
    out.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c != u'\\' || i + 1 == cell.size()) {
            out.append(c);
            continue;
        }
        const QChar next = cell[++i];
        switch (next.unicode()) {
        case 't':
            out.append(u'\t');
            break;
        case 'n':
            out.append(u'\n');
            break;
        case 'r':
            out.append(u'\r');
            break;
        case '\\':
            out.append(u'\\');
            break;
        default:
            out.append(c).append(next);
        }
    }
    return out;
}
