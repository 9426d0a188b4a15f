#include "platform/Profile.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>
#include <stdexcept>
#include <vector>

namespace Profile {
namespace {

enum class LineKind { Section, Entry, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;
    QByteArrayView value;
};

ParsedLine parse(QByteArrayView line)
{
    const QByteArrayView text = line.trimmed();
    if (text.startsWith('[')) {
        qsizetype close = text.indexOf(']');
        if (close < 0)
            close = text.size();
        return {LineKind::Section, text.sliced(1, close - 1).trimmed(), {}};
    }
    if (text.startsWith(';'))
        return {};
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {};
    return {LineKind::Entry, text.first(equals).trimmed(), text.sliced(equals + 1).trimmed()};
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

// One line of the file without its line break; hasCarriageReturn remembers a CR LF ending.
struct RawLine {
    QByteArrayView text;
    bool hasCarriageReturn = false;
};

std::vector<RawLine> splitLines(const QByteArray& data)
{
    std::vector<RawLine> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArrayView line(data.constData() + start, end - start);
        const bool cr = line.endsWith('\r');
        if (cr)
            line.chop(1);
        lines.push_back({line, cr});
        start = end + 1;
    }
    return lines;
}

std::optional<QByteArray> readFile(const QString& file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return std::nullopt;
    return input.readAll();
}

// Calls visit(name, value) for each entry of the first section of that name; visit returns
// false to stop.
template <typename Visit>
void visitSection(const QByteArray& data, const QByteArray& section, Visit visit)
{
    bool inSection = false;
    bool seen = false;
    for (const RawLine& line : splitLines(data)) {
        const ParsedLine parsed = parse(line.text);
        if (parsed.kind == LineKind::Section) {
            if (seen)
                return;
            inSection = sameName(parsed.name, section);
            seen = inSection;
        } else if (inSection && parsed.kind == LineKind::Entry) {
            if (!visit(parsed.name, parsed.value))
                return;
        }
    }
}

std::optional<QString> lookUp(const QString& file, const QString& section, const QString& key)
{
    const std::optional<QByteArray> data = readFile(file);
    if (!data)
        return std::nullopt;
    const QByteArray wanted = key.trimmed().toUtf8();
    std::optional<QString> found;
    visitSection(*data, section.trimmed().toUtf8(), [&](QByteArrayView name, QByteArrayView value) {
        if (!sameName(name, wanted))
            return true;
        found = QString::fromUtf8(value);
        return false;
    });
    return found;
}

// A line break inside a name or value would turn the rest into lines of their own.
QByteArray singleLine(const QString& text)
{
    QByteArray bytes = text.trimmed().toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (base == 16 && u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (base == 16 && u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

}  // namespace

bool canOpen(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir())
        return false;
    QFile input(file);
    return input.open(QIODevice::ReadOnly);
}

QString readString(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue)
{
    return lookUp(file, section, key).value_or(defaultValue);
}

int readInt(const QString& file, const QString& section, const QString& key, int defaultValue)
{
    const std::optional<QString> text = lookUp(file, section, key);
    if (!text)
        return defaultValue;
    return toInt(*text).value_or(defaultValue);
}

QList<Entry> readSection(const QString& file, const QString& section)
{
    QList<Entry> entries;
    const std::optional<QByteArray> data = readFile(file);
    if (!data)
        return entries;
    visitSection(*data, section.trimmed().toUtf8(), [&](QByteArrayView name, QByteArrayView value) {
        entries.append({QString::fromUtf8(name), QString::fromUtf8(value)});
        return true;
    });
    return entries;
}

void writeString(const QString& file, const QString& section, const QString& key,
                 const QString& value)
{
    const QByteArray data = readFile(file).value_or(QByteArray());
    const std::vector<RawLine> lines = splitLines(data);
    const QByteArray wantedSection = singleLine(section);
    const QByteArray wantedKey = singleLine(key);
    const QByteArray newValue = singleLine(value);

    // Where the section starts, where its last non-blank line is, and the key's line if any.
    std::optional<size_t> sectionLine, lastInSection, keyLine;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parse(lines[i].text);
        if (parsed.kind == LineKind::Section) {
            if (sectionLine)
                break;
            if (sameName(parsed.name, wantedSection))
                sectionLine = lastInSection = i;
            continue;
        }
        if (!sectionLine)
            continue;
        if (!lines[i].text.trimmed().isEmpty())
            lastInSection = i;
        if (parsed.kind == LineKind::Entry && !keyLine && sameName(parsed.name, wantedKey))
            keyLine = i;
    }

    const bool crlf = !lines.empty() && lines.front().hasCarriageReturn;
    const QByteArray newline = crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QByteArray output;
    output.reserve(data.size() + wantedSection.size() + wantedKey.size() + newValue.size() + 8);
    auto appendLine = [&](QByteArrayView text, bool cr) {
        output.append(text);
        output.append(cr ? QByteArrayView("\r\n") : QByteArrayView("\n"));
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (keyLine && i == *keyLine) {
            appendLine(parse(lines[i].text).name.toByteArray() + '=' + newValue,
                       lines[i].hasCarriageReturn);
            continue;
        }
        appendLine(lines[i].text, lines[i].hasCarriageReturn);
        if (!keyLine && lastInSection && i == *lastInSection)
            output.append(wantedKey + '=' + newValue + newline);
    }
    if (!sectionLine)
        output.append('[' + wantedSection + ']' + newline + wantedKey + '=' + newValue + newline);

    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly) || target.write(output) != output.size()
        || !target.commit())
        throw std::runtime_error("Cannot write the file " + file.toStdString() + ": "
                                 + target.errorString().toStdString());
}

void writeInt(const QString& file, const QString& section, const QString& key, int value)
{
    writeString(file, section, key, QString::number(value));
}

std::optional<int> toInt(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.sliced(1);
    } else if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.sliced(2);
    }
    if (text.isEmpty() || (base == 16 && text.size() > 8))
        return std::nullopt;
    quint64 magnitude = 0;
    for (const QChar c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (base == 16) {
        const auto pattern = static_cast<int>(static_cast<quint32>(magnitude));
        return negative ? static_cast<int>(0u - static_cast<quint32>(pattern)) : pattern;
    }
    const qint64 signedValue = negative ? -static_cast<qint64>(magnitude) : static_cast<qint64>(magnitude);
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(signedValue);
}

}  // namespace Profile
