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
        return StringTable::pick("没有权限", "沒有權限", "Permission denied");
    case EROFS:
        return StringTable::pick("文件系统是只读的", "檔案系統是唯讀的", "The file system is read-only");
    case EIO:
        return StringTable::pick("磁盘读写出错", "磁碟讀寫錯誤", "Input/output error");
    default:
        return qt_error_string(code);
    }
}

} // namespace filewrite
