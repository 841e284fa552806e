#include "shell/tipspreference.h"

#include "common/safefile.h"

namespace suite::shell {

namespace {
// The value is one short line; a huge file is not ours and only its start matters.
constexpr qint64 kReadLimit = 64 * 1024;
}

QString FirstField(const QByteArray& contents)
{
    qsizetype pos = 0;
    const qsizetype size = contents.size();
    while (pos < size && contents[pos] == ' ') ++pos;
    auto endOfLine = [&](qsizetype from) {
        qsizetype end = from;
        while (end < size && contents[end] != '\r' && contents[end] != '\n') ++end;
        return end;
    };
    qsizetype begin = pos;
    qsizetype end;
    if (pos < size && contents[pos] == '"') {
        begin = pos + 1;
        const qsizetype lineEnd = endOfLine(begin);
        end = begin;
        while (end < lineEnd && contents[end] != '"') ++end;
    } else {
        const qsizetype lineEnd = endOfLine(begin);
        end = begin;
        while (end < lineEnd && contents[end] != ',') ++end;
    }
    return QString::fromLocal8Bit(contents.mid(begin, end - begin));
}

QByteArray WrittenForm(const QString& value)
{
    return '"' + value.toLocal8Bit() + "\"\r\n";
}

std::optional<QString> ReadTipsMode(const QString& path)
{
    const std::optional<QByteArray> contents = ReadRegularFile(path, kReadLimit);
    if (!contents) return std::nullopt;
    return FirstField(*contents);
}

bool WriteTipsMode(const QString& value, const QString& path)
{
    return ReplaceFile(path, WrittenForm(value));
}

}  // namespace suite::shell
