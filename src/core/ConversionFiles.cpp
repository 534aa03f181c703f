#include "core/ConversionFiles.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace ConversionFiles {
namespace {
bool sameFile(const QString& a, const QString& b) {
    std::error_code error;
    // Both must exist; a link or a second hard link to the input is the input.
    return std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                       QFile::encodeName(b).toStdString(), error) &&
           !error;
}
} // namespace

QString checkInput(const QString& in) {
    const QFileInfo info(in);
    if (info.isDir()) return QStringLiteral("错误：“%1”是一个文件夹，不是文件！").arg(in);
    if (!info.isFile()) return QStringLiteral("错误：文件不存在！请确认文件位置！ (%1)").arg(in);
    if (!info.isReadable()) return QStringLiteral("错误：无法读取文件“%1”！").arg(in);
    return {};
}

QString checkOutput(const QString& in, const QString& out) {
    if (out.isEmpty()) return cannotWrite(out);
    if (sameFile(in, out))
        return QStringLiteral("错误：输出文件“%1”就是输入文件，不能覆盖输入文件！").arg(out);
    if (QFileInfo(out).isDir()) return QStringLiteral("错误：“%1”是一个文件夹，不是文件！").arg(out);
    return {};
}

QString check(const QString& in, const QString& out) {
    const QString input = checkInput(in);
    return input.isEmpty() ? checkOutput(in, out) : input;
}

QString cannotWrite(const QString& path) {
    return QStringLiteral("错误：无法写入文件“%1”！").arg(path);
}

} // namespace ConversionFiles
