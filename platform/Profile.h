#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Ini files read and written one key at a time, straight from disk: nothing is cached, so an
// edit by hand takes effect at the next read. Section and key names are compared without
// regard to case; blanks around names and values are not part of them; lines starting with
// ";" are comments. A write keeps every other line of the file as it stands.
namespace Profile {

using Entry = std::pair<QString, QString>;

// Reads as "the file is no obstacle": true for a missing file, false for a folder or a file
// that cannot be read.
bool canOpen(const QString& file);

QString readString(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue);
// Decimal, or hexadecimal after "0x"/"0X" or "$"; anything else gives the default.
int readInt(const QString& file, const QString& section, const QString& key, int defaultValue);
// Every "key=value" line of the section, in file order.
QList<Entry> readSection(const QString& file, const QString& section);

// Replaces the value of the key, or appends the key at the end of its section, or the section
// at the end of the file. The file is replaced as a whole (new file, then rename), so a failed
// write leaves the old file intact. Throws std::runtime_error when the file cannot be written.
void writeString(const QString& file, const QString& section, const QString& key,
                 const QString& value);
void writeInt(const QString& file, const QString& section, const QString& key, int value);

// The integer syntax of the profile and language files: optional sign and decimal digits,
// or "0x"/"0X"/"$" and up to eight hexadecimal digits (taken as a 32-bit pattern).
std::optional<int> toInt(QStringView text);

}  // namespace Profile
