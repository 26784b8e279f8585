#include "common/FileWrite.h"

#include "common/StringTable.h"

#include <cerrno>
#include <unistd.h>

namespace filewrite {

int writeAll(int fd, QByteArrayView bytes) {
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A regular file that takes nothing without an error would keep the loop going forever.
        if (written == 0)
            return EIO;
        next += written;
        left -= written;
    }
    return 0;
}

QString reason(int code) {
    switch (code) {
    case ENOSPC:
        return StringTable::pick("磁盘空间不足", "磁碟空間不足", "No space left on the disk");
    case EFBIG:
        return StringTable::pick("文件超过了允许的大小", "檔案超過了允許的大小",
                                 "The file is larger than the file-size limit allows");
    case EDQUOT:
        return StringTable::pick("超出了磁盘配额", "超出了磁碟配額", "Disk quota exceeded");
    case EACCES:
    case EPERM:
        return StringTable::pick("权限不足", "權限不足", "Permission denied");
    case EROFS:
        return StringTable::pick("文件系统只读", "檔案系統唯讀", "Read-only file system");
    case EIO:
        return StringTable::pick("磁盘读写出错", "磁碟讀寫錯誤", "Input/output error");
    case ENOENT:
        return StringTable::pick("文件夹不存在", "資料夾不存在", "No such folder");
    case ENOTDIR:
        return StringTable::pick("路径中有一项不是文件夹", "路徑中有一項不是資料夾",
                                 "A part of the path is not a folder");
    case EEXIST:
        return StringTable::pick("此处刚出现了另一个文件", "此處剛出現了另一個檔案",
                                 "Another file has just appeared there");
    case EMFILE:
    case ENFILE:
        return StringTable::pick("打开的文件太多", "開啟的檔案太多", "Too many open files");
    default:
        return qt_error_string(code);
    }
}

} // namespace filewrite
