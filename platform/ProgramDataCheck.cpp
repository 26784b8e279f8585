#include "platform/ProgramDataCheck.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "platform/Folders.h"

#include <QDir>

namespace programdata {

bool checkAndReport(QWidget* parent) {
    const QStringList missing = folders::missingProgramData();
    if (missing.isEmpty())
        return true;
    const QString text = StringTable::pick("程序数据缺失：", "程式資料缺失：", "Program data missing: ") +
                         missing.join(QStringLiteral(", ")) + u'\n' +
                         QDir::toNativeSeparators(folders::programFolder());
    prompt::ask(parent, {StringTable::text(1318), text, PromptIcon::Warning, PromptButtons::Ok});
    return false;
}

} // namespace programdata
