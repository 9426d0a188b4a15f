#include "tests/support/ProgramFolderFixture.h"

#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "platform/SystemClock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(source, target))
            throw std::runtime_error("cannot copy " + source.toStdString());
    }
}

ProgramFolderFixture::ProgramFolderFixture()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    if (!QFile::copy(QStringLiteral(LARKSPUR_FIXTURE_DB), databasePath()))
        throw std::runtime_error("cannot copy the pristine database");
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    ProgramFolder::setExecutablePathForTests(filePath(QStringLiteral("L_Organizer")));
    SystemClock::setNow(QDateTime(QDate(2025, 3, 14), QTime(9, 30)));
    SystemClock::setUptimeMs(3600000);
    Screen::setGeometryForTests(QRect(0, 0, 1280, 1024));
}

ProgramFolderFixture::~ProgramFolderFixture()
{
    ProgramFolder::setExecutablePathForTests({});
    SystemClock::setNow(std::nullopt);
    SystemClock::setUptimeMs(std::nullopt);
    Screen::setGeometryForTests(std::nullopt);
}

void ProgramFolderFixture::copyShipped(const QString& folder) const
{
    copyTree(QStringLiteral(LARKSPUR_SOURCE_DIR "/resources/") + folder, filePath(folder));
}

void ProgramFolderFixture::writeFile(const QString& relative, const QByteArray& content) const
{
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write " + target.toStdString());
}
