// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/IniText.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace orbelle::platform::ini {

namespace {

constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octalValue(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// One logical line: [start, end), and where its first '=' outside quotes is (-1 for none).
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// The next logical line from `at` on, as Qt's reader cuts it: blanks before a line are
// skipped; a line ends at a line break or a ';' outside double quotes, and a ';' that
// opens a line makes the rest of it a comment; a backslash takes the next character (a
// CR LF or LF CR pair counting as one) along, so that it ends nothing.
std::optional<Line> nextLine(QByteArrayView data, qsizetype& at) {
    const qsizetype size = data.size();
    Line line;
    line.start = at;
    while (line.start < size && isBlank(data[line.start]))
        ++line.start;
    bool quoted = false;
    qsizetype i = line.start;
    bool ended = false;
    while (i < size && !ended) {
        const char c = data[i++];
        switch (c) {
        case '=':
            if (!quoted && line.equals < 0)
                line.equals = i - 1;
            break;
        case '\n':
        case '\r':
            if (i == line.start + 1) {
                ++line.start;
            } else if (!quoted) {
                --i;
                ended = true;
            }
            break;
        case '\\':
            if (i < size) {
                const char escaped = data[i++];
                if (i < size && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
                    ++i;
            }
            break;
        case '"':
            quoted = !quoted;
            break;
        case ';':
            if (i == line.start + 1) {
                while (i < size && !isLineBreak(data[i]))
                    ++i;
                while (i < size && isBlank(data[i]))
                    ++i;
                line.start = i;
            } else if (!quoted) {
                --i;
                ended = true;
            }
            break;
        default:
            break;
        }
    }
    at = i;
    line.end = i;
    if (line.end <= line.start)
        return std::nullopt;
    return line;
}

// A key or section name: UTF-8, with '\' for '/', %XX for a character up to U+00FF and
// %UXXXX for any other; a '%' that starts no valid code stands for itself.
QString unescapedName(QByteArrayView raw) {
    const QString decoded = QString::fromUtf8(raw);
    QString name;
    name.reserve(decoded.size());
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            name += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == decoded.size() - 1) {
            name += c;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        qsizetype digits = 2;
        if (decoded[first] == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= decoded.size() ? decoded.sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            name += u'%';
            ++i;
            continue;
        }
        name += QChar(code);
        i = first + digits;
    }
    return name;
}

QByteArray escapedName(const QString& name) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray escaped;
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code == u'/') {
            escaped += '\\';
        } else if ((code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z') || (code >= u'0' && code <= u'9') ||
                   code == u'_' || code == u'-' || code == u'.') {
            escaped += char(code);
        } else if (code <= 0xFF) {
            escaped += '%';
            escaped += Hex[code / 16];
            escaped += Hex[code % 16];
        } else {
            escaped += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                escaped += Hex[(code >> shift) & 0xF];
        }
    }
    return escaped;
}

// The name a section header gives, "" for the general section.
QString sectionName(QByteArrayView header) {
    qsizetype close = header.indexOf(']');
    if (close < 0)
        close = header.size();
    const QByteArrayView inside = header.first(close).sliced(1).trimmed();
    if (inside.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (inside.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(inside.sliced(1));
    return unescapedName(inside);
}

QByteArray sectionHeader(const QString& section) {
    const QByteArray name = escapedName(section);
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return "[%General]";
    return '[' + name + ']';
}

// A value as the reader unescapes it: C escapes (\n, \x41, \101, ...), double quotes that
// keep blanks and commas, a comma outside quotes that makes the value a list, and blanks
// around unquoted parts dropped.
class ValueReader {
public:
    explicit ValueReader(QByteArrayView raw)
        : m_raw(raw) {}

    // The single text, or nothing for a list.
    std::optional<QString> read() {
        skipBlanks();
        bool escapeCutShort = false;
        while (m_at < m_raw.size() && !escapeCutShort) {
            const char c = m_raw[m_at];
            if (c == '\\') {
                escapeCutShort = !readEscape();
            } else if (c == '"') {
                ++m_at;
                m_quotedPart = true;
                m_inQuotes = !m_inQuotes;
                if (!m_inQuotes)
                    skipBlanks();
            } else if (c == ',' && !m_inQuotes) {
                // The rest does not matter: a list is not a text.
                return std::nullopt;
            } else {
                readPlain();
            }
        }
        if (!escapeCutShort && !m_quotedPart)
            chopTrailingBlanks();
        return m_text;
    }

private:
    void skipBlanks() {
        while (m_at < m_raw.size() && (m_raw[m_at] == ' ' || m_raw[m_at] == '\t'))
            ++m_at;
        m_keepUpTo = m_text.size();
    }

    void chopTrailingBlanks() {
        qsizetype size = m_text.size();
        while (size > m_keepUpTo && (m_text[size - 1] == u' ' || m_text[size - 1] == u'\t'))
            --size;
        m_text.truncate(size);
    }

    // Runs of plain bytes are UTF-8; the decoder keeps a sequence cut by an escape.
    void readPlain() {
        qsizetype end = m_at + 1;
        while (end < m_raw.size() && m_raw[end] != '\\' && m_raw[end] != '"' && m_raw[end] != ',')
            ++end;
        m_text += m_decoder(m_raw.sliced(m_at, end - m_at));
        m_at = end;
    }

    // False when the value ends inside the escape, which then adds nothing more.
    bool readEscape() {
        static constexpr char Simple[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                             {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                             {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
        ++m_at;
        if (m_at >= m_raw.size())
            return false;
        const char c = m_raw[m_at++];
        for (const auto& [letter, meaning] : Simple) {
            if (c == letter) {
                m_text += QLatin1Char(meaning);
                m_keepUpTo = m_text.size();
                return true;
            }
        }
        if (c == 'x') {
            if (m_at >= m_raw.size())
                return false;
            if (hexValue(m_raw[m_at]) >= 0)
                return readCode(16, hexValue, 0);
        } else if (octalValue(c) >= 0) {
            return readCode(8, octalValue, char16_t(octalValue(c)));
        } else if (isLineBreak(c)) {
            // An escaped line break joins the lines; a CR LF or LF CR pair is one break.
            if (m_at < m_raw.size() && isLineBreak(m_raw[m_at]) && m_raw[m_at] != c)
                ++m_at;
        }
        // Any other escaped character is dropped.
        m_keepUpTo = m_text.size();
        return true;
    }

    // Digits for as long as they come; the code wraps at 16 bits, as the reader's does.
    bool readCode(int base, int (*digitValue)(char), char16_t code) {
        while (m_at < m_raw.size() && digitValue(m_raw[m_at]) >= 0) {
            code = char16_t(code * base + digitValue(m_raw[m_at]));
            ++m_at;
        }
        m_text += QChar(code);
        m_keepUpTo = m_text.size();
        return m_at < m_raw.size();
    }

    QByteArrayView m_raw;
    qsizetype m_at = 0;
    QString m_text;
    qsizetype m_keepUpTo = 0;
    bool m_inQuotes = false;
    bool m_quotedPart = false;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
};

// What a value's text stands for, when it stands for a text. A leading '@' marks a typed
// value; "@@" escapes a text that starts with '@'.
std::optional<QString> typedText(const QString& value) {
    if (!value.startsWith(u'@'))
        return value;
    if (value.endsWith(u')')) {
        if (value.startsWith(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(value.sliced(11).chopped(1).toLatin1());
        if (value.startsWith(QLatin1String("@String(")))
            return value.sliced(8).chopped(1);
        if (value.startsWith(QLatin1String("@Variant(")) || value.startsWith(QLatin1String("@DateTime(")) ||
            value == QLatin1String("@Invalid()"))
            return std::nullopt;
        // Geometry with the right number of arguments; with any other it stays a text.
        const auto arguments = [&value](qsizetype open) {
            return value.sliced(open + 1).count(u' ') + value.sliced(open + 1).count(u')');
        };
        if ((value.startsWith(QLatin1String("@Rect(")) && arguments(5) == 4) ||
            (value.startsWith(QLatin1String("@Size(")) && arguments(5) == 2) ||
            (value.startsWith(QLatin1String("@Point(")) && arguments(6) == 2))
            return std::nullopt;
    }
    if (value.startsWith(QLatin1String("@@")))
        return value.sliced(1);
    return value;
}

// A text as the writer stores it: C escapes for control characters, '\' and '"', the
// rest in UTF-8, and double quotes around it when it holds ';', ',' or '=' or starts or
// ends with a space. A text with a NUL in it is marked as one ("@String(...)"), and a
// leading '@' is doubled, so that neither reads as a typed value.
QByteArray escapedText(const QString& text) {
    const QString value = text.contains(QChar::Null) ? QLatin1String("@String(") + text + u')'
                          : text.startsWith(u'@')    ? u'@' + text
                                                     : text;
    QByteArray escaped;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    bool needsQuotes = false;
    bool hexMayFollow = false; // a hex digit after \xNN would join the code
    for (const QChar c : value) {
        const char16_t code = c.unicode();
        if (code == u';' || code == u',' || code == u'=')
            needsQuotes = true;
        if (hexMayFollow && code < 0x80 && hexValue(char(code)) >= 0) {
            escaped += "\\x" + QByteArray::number(uint(code), 16);
            continue;
        }
        hexMayFollow = false;
        switch (code) {
        case u'\0':
            escaped += "\\0";
            hexMayFollow = true;
            break;
        case u'\a':
            escaped += "\\a";
            break;
        case u'\b':
            escaped += "\\b";
            break;
        case u'\f':
            escaped += "\\f";
            break;
        case u'\n':
            escaped += "\\n";
            break;
        case u'\r':
            escaped += "\\r";
            break;
        case u'\t':
            escaped += "\\t";
            break;
        case u'\v':
            escaped += "\\v";
            break;
        case u'"':
        case u'\\':
            escaped += '\\';
            escaped += char(code);
            break;
        default:
            if (code <= 0x1F) {
                escaped += "\\x" + QByteArray::number(uint(code), 16);
                hexMayFollow = true;
            } else {
                escaped += toUtf8(QStringView(&c, 1));
            }
        }
    }
    if (needsQuotes || (!escaped.isEmpty() && (escaped.front() == ' ' || escaped.back() == ' ')))
        escaped = '"' + escaped + '"';
    return escaped;
}

// Where things stand in a file for one section and key.
struct Survey {
    std::optional<Line> lastKeyLine;      // the key's last line in the section
    qsizetype endOfSection = -1;          // end of the section's last line, in its last place
    std::optional<QString> lastValueText; // what that line's value stands for
    bool anyLine = false;
};

Survey survey(QByteArrayView body, const QString& section, const QString& key) {
    Survey found;
    bool inSection = false;
    qsizetype at = 0;
    while (const std::optional<Line> line = nextLine(body, at)) {
        found.anyLine = true;
        const QByteArrayView text = body.sliced(line->start, line->end - line->start);
        if (text.startsWith('[')) {
            inSection = sectionName(text) == section;
            if (inSection)
                found.endOfSection = line->end;
            continue;
        }
        if (!inSection || line->equals < 0)
            continue;
        found.endOfSection = line->end;
        if (unescapedName(body.sliced(line->start, line->equals - line->start).trimmed()) != key)
            continue;
        found.lastKeyLine = line;
        found.lastValueText = ValueReader(body.sliced(line->equals + 1, line->end - line->equals - 1)).read();
        if (found.lastValueText)
            found.lastValueText = typedText(*found.lastValueText);
    }
    return found;
}

QByteArrayView bodyOf(QByteArrayView file) {
    return file.startsWith(ByteOrderMark) ? file.sliced(ByteOrderMark.size()) : file;
}

// Past the line break that ends the physical line holding `at` (past a comment that
// shares the line too); the file's size when no break follows.
qsizetype afterLineBreak(QByteArrayView body, qsizetype at) {
    while (at < body.size() && !isLineBreak(body[at]))
        ++at;
    if (at < body.size() && body[at] == '\r' && at + 1 < body.size() && body[at + 1] == '\n')
        return at + 2;
    return at < body.size() ? at + 1 : at;
}

} // namespace

std::optional<QString> textValue(QByteArrayView file, const QString& section, const QString& key) {
    return survey(bodyOf(file), section, key).lastValueText;
}

std::optional<QByteArray> withTextValue(const QByteArray& file, const QString& section, const QString& key,
                                        const QString& text) {
    if (section.isEmpty())
        return std::nullopt;
    const QByteArrayView body = bodyOf(file);
    const qsizetype offset = file.size() - body.size();
    const Survey found = survey(body, section, key);
    const QByteArray entry = escapedName(key) + '=' + escapedText(text);

    QByteArray result;
    if (found.lastKeyLine) {
        // Blanks after '=' are kept; the value runs to the end of the logical line.
        qsizetype valueStart = found.lastKeyLine->equals + 1;
        while (valueStart < found.lastKeyLine->end && (body[valueStart] == ' ' || body[valueStart] == '\t'))
            ++valueStart;
        result = file;
        result.replace(offset + valueStart, found.lastKeyLine->end - valueStart, escapedText(text));
    } else if (found.endOfSection >= 0) {
        const qsizetype at = afterLineBreak(body, found.endOfSection);
        const bool broken = at > 0 && isLineBreak(body[at - 1]);
        result = file;
        result.insert(offset + at, (broken ? QByteArray() : QByteArray("\n")) + entry + '\n');
    } else if (!found.anyLine && body.trimmed().isEmpty()) {
        result = file.first(offset) + sectionHeader(section) + '\n' + entry + '\n';
    } else {
        result = file;
        if (!body.isEmpty() && !isLineBreak(body.back()))
            result += '\n';
        result += '\n' + sectionHeader(section) + '\n' + entry + '\n';
    }
    if (textValue(result, section, key) != text)
        return std::nullopt;
    return result;
}

} // namespace orbelle::platform::ini
