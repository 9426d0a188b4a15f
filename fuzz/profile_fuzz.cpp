// The profile reader and writer on arbitrary file contents: every read must come back, and a
// written key must read back as written while the rest of the file keeps its entries.

#include "platform/Profile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> folder;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder = std::make_unique<QTemporaryDir>();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString ini = folder->filePath(QStringLiteral("fuzz.ini"));
    {
        QFile file(ini);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(bytes) == bytes.size());
    }

    const QString general = QStringLiteral("General");
    for (const QString& section : {general, QStringLiteral("Messages"), QStringLiteral("frmSettings")}) {
        for (const Profile::Entry& entry : Profile::readSection(ini, section)) {
            Profile::readString(ini, section, entry.first, QString());
            Profile::toInt(entry.second);
        }
    }
    Profile::readString(ini, general, QStringLiteral("Language"), QStringLiteral("English"));
    Profile::readInt(ini, QStringLiteral("Clock"), QStringLiteral("VertSpace"), 3);

    // The written value is taken from the input itself, so that it can hold anything.
    const QString value = QString::fromUtf8(bytes.right(12));
    const QList<Profile::Entry> otherBefore = Profile::readSection(ini, QStringLiteral("Clock"));
    Profile::writeString(ini, general, QStringLiteral("Language"), value);
    // Blanks around a value are not part of it; a line break inside it becomes a blank.
    const QString expected = QString::fromUtf8(value.trimmed().toUtf8().replace('\r', ' ').replace('\n', ' ').trimmed());
    require(Profile::readString(ini, general, QStringLiteral("Language"), QString()) == expected);
    require(Profile::readSection(ini, QStringLiteral("Clock")) == otherBefore);
    return 0;
}
