#include "shell/tipspreference.h"

#include <QFile>
#include <QSaveFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray contents = file.read(kReadLimit);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return FirstField(contents);
}

bool WriteTipsMode(const QString& value, const QString& path)
{
    const QByteArray bytes = WrittenForm(value);
    // A file that already reads exactly so is left alone: Brenvale rewrites "2.71828" at
    // every start, and a rewrite costs a sync to disk before the first window shows.
    {
        QFile current(path);
        if (current.open(QIODevice::ReadOnly) && current.read(bytes.size() + 1) == bytes) return true;
    }
    QSaveFile file(path);
    // A folder that cannot take a new file may still hold a writable preference file.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace suite::shell
