// The texts of a failed write: the reason for an error number, and the message naming the file.
#include "FileCommit.h"

#include <QDir>
#include <cerrno>
#include <cstring>

namespace r5k27 {
namespace {

constexpr LocalText kBeingSavedText{"%1 is being saved by another program.",
                                    "%1 正在被另一个程序保存。"};

} // namespace

QString writeErrorText(int error, Language lang) {
    struct Entry {
        int error;
        LocalText text;
    };
    static const Entry kTexts[] = {
        {ENOSPC, {"No space left on device", "磁盘空间不足"}},
#ifdef EDQUOT
        {EDQUOT, {"Disk quota exceeded", "超出磁盘配额"}},
#endif
        {EFBIG, {"File too large", "文件过大"}},
        {EACCES, {"Permission denied", "没有访问权限"}},
        {EPERM, {"Operation not permitted", "不允许此操作"}},
        {EROFS, {"Read-only file system", "只读文件系统"}},
        {ENOENT, {"No such file or directory", "文件或文件夹不存在"}},
        {ENOTDIR, {"Not a directory", "路径中有一项不是文件夹"}},
        {EISDIR, {"Is a directory", "是一个文件夹"}},
        {EIO, {"Input/output error", "输入/输出错误"}},
        {ENAMETOOLONG, {"File name too long", "文件名过长"}},
        {EEXIST,
         {"A file of another owner or a link is in the way", "已有他人的文件或链接占用此名"}},
        {kNotRegularFile, {"Not a regular file", "不是普通文件"}},
    };
    for (const Entry& entry : kTexts)
        if (entry.error == error)
            return entry.text.in(lang);
    return QString::fromLocal8Bit(std::strerror(error));
}

QString writeFailureMessage(const QString& message, const WriteFailure& failure, Language lang) {
    if (failure.error == kBeingSaved)
        return kBeingSavedText.in(lang).arg(QDir::toNativeSeparators(failure.path));
    return message + u'\n' + QDir::toNativeSeparators(failure.path) + QStringLiteral(": ") +
           writeErrorText(failure.error, lang);
}

} // namespace r5k27
