#include "shell/SheetBitmapWriter.h"

#include "common/Prompt.h"
#include "common/SafeSave.h"
#include "common/StringTable.h"
#include "platform/BitmapFile.h"
#include "platform/Folders.h"
#include "shell/DrawingSheet.h"

#include <QDir>
#include <QFileInfo>

namespace SheetBitmapWriter {

namespace {

// The sheets' boxes carry the program's title, not the string table's "提示".
QString programTitle() {
    return prompt::programTitle();
}

// Most file systems take 255 bytes per name; ".bmp" needs four of them.
constexpr int kMaxBaseNameBytes = 251;

bool refusedInFileName(char32_t c) {
    if (c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0) || c == 0x2028 || c == 0x2029)
        return true;
    switch (c) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
        return true;
    default:
        return false;
    }
}

bool strippedAtEnds(QChar c) {
    return c == u'.' || c.isSpace();
}

QString stripEnds(QString name) {
    while (!name.isEmpty() && strippedAtEnds(name.front()))
        name.remove(0, 1);
    while (!name.isEmpty() && strippedAtEnds(name.back()))
        name.chop(1);
    return name;
}

} // namespace

QString fileNameFor(const QString& partNumber) {
    QString name;
    bool lastWasDot = false;
    for (char32_t c : partNumber.trimmed().toUcs4()) {
        if (refusedInFileName(c))
            c = U'_';
        const bool dot = c == U'.';
        if (dot && lastWasDot)
            continue; // ".." never reaches a file name
        lastWasDot = dot;
        name += QString::fromUcs4(&c, 1);
    }
    name = stripEnds(name);
    while (name.toUtf8().size() > kMaxBaseNameBytes) {
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
        name = stripEnds(name);
    }
    if (name.isEmpty())
        name = StringTable::pick("未命名图纸", "未命名圖紙", "Untitled drawing");
    return name + QStringLiteral(".bmp");
}

QString pathFor(const DrawingSheet& sheet) {
    return QDir(folders::outputFolder()).filePath(fileNameFor(sheet.text(QStringLiteral("Text1_1"))));
}

Outcome save(DrawingSheet* sheet) {
    // The capture comes first: it is the sheet exactly as the user clicked it.
    const QImage image = sheet->capture();
    const QString path = pathFor(*sheet);
    const QString shownPath = QDir::toNativeSeparators(path);

    // A file that will not be written is not offered for replacing.
    QString error = safesave::refusal(path);
    if (error.isEmpty() && QFileInfo::exists(path)) {
        const PromptAnswer answer =
            prompt::ask(sheet, {programTitle(),
                                StringTable::pick("%1 已经存在。要替换它吗？", "%1 已經存在。要取代它嗎？",
                                                  "%1 already exists. Do you want to replace it?")
                                    .arg(shownPath),
                                PromptIcon::Question, PromptButtons::YesNo});
        if (answer != PromptAnswer::Yes)
            return Outcome::Declined;
    }

    if (!error.isEmpty() || !bitmap::write24(image, path, &error)) {
        prompt::ask(sheet,
                    {programTitle(),
                     StringTable::pick("无法保存 %1\n%2\n图纸仍然打开，可以修改料号后再单击保存。",
                                       "無法保存 %1\n%2\n圖紙仍然開啟，可以修改料號後再按一下保存。",
                                       "Could not save %1\n%2\nThe drawing stays open: change the part "
                                       "number and click it again to save.")
                         .arg(shownPath, error),
                     PromptIcon::Warning, PromptButtons::Ok});
        return Outcome::Failed;
    }

    prompt::ask(sheet, {programTitle(), QStringLiteral("已经保存为") + shownPath, PromptIcon::None,
                        PromptButtons::Ok});
    sheet->close();
    return Outcome::Saved;
}

} // namespace SheetBitmapWriter
