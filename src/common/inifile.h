#pragma once
// The INI text that QSettings keeps per-user settings in, read and written without it: one
// value looked up, one value set, every other line left as it stands.

#include <QByteArray>
#include <QString>
#include <optional>

namespace suite::ini {

// Keys are written "Section/Key": as in QSettings, the first slash parts the section from the
// key, and a key without one lies in the general section.

// The text under `key`; nothing when the key is missing or holds a list or a typed value.
std::optional<QString> Value(const QByteArray& contents, const QString& key);

// The contents with `key` set to `value`: its line rewritten, or a new line at the end of its
// section, or a new section at the end of the file.
QByteArray WithValue(const QByteArray& contents, const QString& key, const QString& value);

}  // namespace suite::ini
