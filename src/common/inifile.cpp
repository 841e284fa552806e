#include "inifile.h"

#include <QHash>
#include <vector>

namespace suite::ini {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

struct Entry {
    QString key;           // "Section/Key"
    qsizetype valueBegin;  // just after the '='
    qsizetype valueEnd;    // the end of the line, before any carriage return
};

struct Layout {
    qsizetype top = 0;  // after a byte order mark
    std::vector<Entry> entries;
    // Where a new line of each section goes: after the header or the last entry of the
    // section's last part. The general section begins at the top of the file.
    QHash<QString, qsizetype> sectionEnds;
};

bool IsHexDigit(char16_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// Letters, digits, '_', '-' and '.' stand as they are; a slash becomes a backslash; anything
// else is %XX, or %UXXXX beyond Latin-1.
QByteArray EscapedKey(const QString& key)
{
    QByteArray out;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            out += char(c);
        } else {
            out += c <= 0xFF ? "%" : "%U";
            for (int shift = c <= 0xFF ? 4 : 12; shift >= 0; shift -= 4)
                out += kHexDigits[(c >> shift) & 0xF];
        }
    }
    return out;
}

QString UnescapedKey(const QByteArray& raw)
{
    const QString text = QString::fromUtf8(raw);
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == '\\') {
            out += '/';
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < text.size()) {
            const qsizetype first = text[i + 1] == 'U' ? i + 2 : i + 1;
            const qsizetype digits = text[i + 1] == 'U' ? 4 : 2;
            bool ok = false;
            const ushort code = first + digits <= text.size() ? text.mid(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                out += QChar(code);
                i = first + digits;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

QString SectionName(const QByteArray& raw)
{
    // "General" holds the keys without a section; a section of that name is written "%General".
    if (raw.compare("general", Qt::CaseInsensitive) == 0) return {};
    if (raw.compare("%general", Qt::CaseInsensitive) == 0) return QString::fromLatin1(raw.mid(1));
    return UnescapedKey(raw);
}

QByteArray SectionHeader(const QString& section)
{
    QByteArray name = EscapedKey(section);
    if (name.compare("general", Qt::CaseInsensitive) == 0) name.prepend('%');
    return '[' + name + "]\n";
}

Layout Parse(const QByteArray& contents)
{
    Layout layout;
    layout.top = contents.startsWith(kByteOrderMark) ? 3 : 0;
    layout.sectionEnds.insert(QString(), layout.top);
    QString section;
    for (qsizetype pos = layout.top; pos < contents.size();) {
        const qsizetype newline = contents.indexOf('\n', pos);
        const qsizetype next = newline < 0 ? contents.size() : newline + 1;
        qsizetype end = newline < 0 ? contents.size() : newline;
        if (end > pos && contents[end - 1] == '\r') --end;
        const QByteArray line = contents.mid(pos, end - pos);
        const QByteArray text = line.trimmed();
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            section = SectionName(text.mid(1, close < 0 ? -1 : close - 1).trimmed());
            layout.sectionEnds.insert(section, next);
        } else if (!text.isEmpty() && text[0] != ';' && text[0] != '#' && line.contains('=')) {
            const qsizetype equals = line.indexOf('=');
            const QString key = UnescapedKey(line.left(equals).trimmed());
            layout.entries.push_back({section.isEmpty() ? key : section + '/' + key, pos + equals + 1, end});
            layout.sectionEnds.insert(section, next);
        }
        pos = next;
    }
    return layout;
}

// A value in double quotes keeps its blanks and commas; outside quotes, blanks around it are
// dropped and a comma makes a list. Backslash escapes as in C, with \x for any code.
std::optional<QString> UnescapedValue(const QByteArray& raw)
{
    QString text;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0;  // trailing blanks from here on are dropped, unless quoted
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
        keep = text.size();
    };
    const auto dropTrailingBlanks = [&] {
        if (quoted) return;
        qsizetype end = text.size();
        while (end > keep && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
        text.truncate(end);
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size()) break;
            const char e = raw[i++];
            static const char kSimple[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
            const char* simple = nullptr;
            for (const char* s = kSimple; *s; s += 2)
                if (*s == e) simple = s;
            if (simple) {
                text += QLatin1Char(simple[1]);
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                const qsizetype first = i;
                char16_t code = hex ? 0 : char16_t(e - '0');
                while (i < raw.size() && (hex ? IsHexDigit(raw[i]) : raw[i] >= '0' && raw[i] <= '7'))
                    code = char16_t(hex ? (code << 4) + HexValue(raw[i++]) : (code << 3) + (raw[i++] - '0'));
                // A \x without digits stands for nothing.
                if (!hex || i > first) text += QChar(code);
            }
            keep = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            dropTrailingBlanks();
            isList = true;
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') ++j;
            text += QString::fromUtf8(raw.mid(i, j - i));
            i = j;
        }
    }
    dropTrailingBlanks();
    if (isList) return std::nullopt;
    // A leading '@' marks a typed value; "@@" stands for a text that begins with '@'.
    if (text.startsWith(QLatin1String("@@"))) return text.mid(1);
    if (text.startsWith('@') && text.endsWith(')')) {
        for (const char* type : {"@ByteArray(", "@String(", "@Variant(", "@DateTime(", "@Rect(", "@Size(",
                                 "@Point(", "@Invalid("})
            if (text.startsWith(QLatin1String(type))) return std::nullopt;
    }
    return text;
}

QByteArray EscapedValue(const QString& value)
{
    const QString text = value.startsWith('@') ? '@' + value : value;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeHexDigit = false;  // after \x, a digit that follows would read as part of it
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeHexDigit && IsHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeHexDigit = true;
            } else {
                const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                out += text.mid(i, length).toUtf8();
                i += length - 1;
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
    return out;
}

}  // namespace

std::optional<QString> Value(const QByteArray& contents, const QString& key)
{
    const Layout layout = Parse(contents);
    // The last line of a key counts, as it does when QSettings reads the file.
    for (auto it = layout.entries.rbegin(); it != layout.entries.rend(); ++it)
        if (it->key == key)
            return UnescapedValue(contents.mid(it->valueBegin, it->valueEnd - it->valueBegin));
    return std::nullopt;
}

QByteArray WithValue(const QByteArray& contents, const QString& key, const QString& value)
{
    const Layout layout = Parse(contents);
    QByteArray result = contents;
    for (auto it = layout.entries.rbegin(); it != layout.entries.rend(); ++it) {
        if (it->key == key) {
            result.replace(it->valueBegin, it->valueEnd - it->valueBegin, EscapedValue(value));
            return result;
        }
    }
    const qsizetype slash = key.indexOf('/');
    const QString section = slash < 0 ? QString() : key.left(slash);
    QByteArray line = EscapedKey(slash < 0 ? key : key.mid(slash + 1)) + '=' + EscapedValue(value) + '\n';
    if (const auto end = layout.sectionEnds.constFind(section); end != layout.sectionEnds.cend()) {
        // Only a last line without its line feed leaves no line to start after.
        if (*end != layout.top && result[*end - 1] != '\n') line.prepend('\n');
        result.insert(*end, line);
        return result;
    }
    if (result.size() > layout.top) result += result.endsWith('\n') ? "\n" : "\n\n";
    return result + SectionHeader(section) + line;
}

}  // namespace suite::ini
