#pragma once
// The start-up tips preference: one quoted value in Wendrake.SWC in the working directory.
// Widget-free so the file forms can be checked on their own.

#include <QByteArray>
#include <QString>
#include <optional>

namespace suite::shell {

inline constexpr char kPreferenceFileName[] = "Wendrake.SWC";

// The first field of the file's contents: leading blanks skipped; a quoted field runs to the
// next double quote (or the end of the line when none follows), a bare one to the first
// comma or the end of the line.
QString FirstField(const QByteArray& contents);

// The whole file as written: the value in double quotes, then CR LF.
QByteArray WrittenForm(const QString& value);

// The value in the file, or nothing when the file is missing, cannot be read or is not a
// regular file (a pipe there is never opened).
std::optional<QString> ReadTipsMode(const QString& path = QString::fromLatin1(kPreferenceFileName));

// Replaces the whole file as ReplaceFile does (common/safefile.h): false when it failed, and
// then the old file stays exactly as it was. A link in its place is replaced, not followed.
bool WriteTipsMode(const QString& value, const QString& path = QString::fromLatin1(kPreferenceFileName));

}  // namespace suite::shell
