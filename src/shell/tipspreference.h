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

// The value in the file, or nothing when the file is missing or cannot be read.
std::optional<QString> ReadTipsMode(const QString& path = QString::fromLatin1(kPreferenceFileName));

// Replaces the whole file; on failure the old file stays as it was. False when it failed.
// A file that already holds exactly the written form is not touched.
bool WriteTipsMode(const QString& value, const QString& path = QString::fromLatin1(kPreferenceFileName));

}  // namespace suite::shell
