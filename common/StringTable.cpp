#include "common/StringTable.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QSet>
#include <cstring>

namespace {

// Ids asked for that the table does not hold; any thread may ask.
struct Missing {
    QMutex lock;
    QList<int> ids;
};

Missing& missing() {
    static Missing m;
    return m;
}

void noteMissing(int id) {
    Missing& m = missing();
    const QMutexLocker locker(&m.lock);
    if (!m.ids.contains(id))
        m.ids.append(id);
}

// The table is read at start-up, before the splash shows one of its texts, and holds some
// twelve hundred rows in three languages of which a session reads a few hundred. So the file
// stays as its UTF-8 bytes and only each row's cell positions are indexed; a text is decoded
// when it is asked for. After loading nothing changes, so any thread may read.
struct Texts {
    struct Row {
        // Byte offset and length of the zh-CN, zh-TW and en-US cells.
        qsizetype start[3];
        qsizetype length[3];
    };
    QByteArray data;
    QHash<int, Row> rows;

    QString cell(int id, int column) const {
        const auto row = rows.constFind(id);
        if (row == rows.constEnd()) {
            noteMissing(id);
            return {};
        }
        const QString raw = QString::fromUtf8(data.constData() + row->start[column], row->length[column]);
        return StringTable::unescape(raw);
    }
};

Texts load() {
    Texts t;
    QFile file(QStringLiteral(":/strings/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return t;
    t.data = file.readAll();
    const char* const begin = t.data.constData();
    const qsizetype size = t.data.size();
    t.rows.reserve(size / 64);
    bool header = true;
    for (qsizetype lineStart = 0; lineStart < size;) {
        const char* newline =
            static_cast<const char*>(std::memchr(begin + lineStart, '\n', size - lineStart));
        const qsizetype lineEnd = newline ? newline - begin : size;
        const qsizetype next = lineEnd + 1;
        qsizetype end = lineEnd;
        if (end > lineStart && begin[end - 1] == '\r')
            --end;
        if (header) {
            header = false;
            lineStart = next;
            continue;
        }
        // The id and the three texts; further cells, if any, are not read.
        qsizetype cellStart[4];
        qsizetype cellEnd[4];
        int cells = 0;
        qsizetype at = lineStart;
        while (cells < 4) {
            const char* tab = static_cast<const char*>(std::memchr(begin + at, '\t', end - at));
            cellStart[cells] = at;
            cellEnd[cells] = tab ? tab - begin : end;
            ++cells;
            if (!tab)
                break;
            at = tab - begin + 1;
        }
        lineStart = next;
        if (cells < 4)
            continue;
        bool ok = false;
        const int id = QByteArrayView(begin + cellStart[0], cellEnd[0] - cellStart[0]).toInt(&ok);
        if (!ok)
            continue;
        Texts::Row row;
        for (int column = 0; column < 3; ++column) {
            row.start[column] = cellStart[column + 1];
            row.length[column] = cellEnd[column + 1] - cellStart[column + 1];
        }
        t.rows.insert(id, row);
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
        return t.cell(id, 0);
    case Language::ZhTW:
        return t.cell(id, 1);
    case Language::EnUS:
        break;
    }
    return t.cell(id, 2);
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

QList<int> StringTable::missingIds() {
    Missing& m = missing();
    const QMutexLocker locker(&m.lock);
    return m.ids;
}

void StringTable::clearMissingIds() {
    Missing& m = missing();
    const QMutexLocker locker(&m.lock);
    m.ids.clear();
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
