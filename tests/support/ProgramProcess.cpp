#include "tests/support/ProgramProcess.h"

#include "tests/support/ProgramFolderFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <stdexcept>

ProgramInstallation::ProgramInstallation(const QString& executableName)
{
    const QString built = qEnvironmentVariable("LARKSPUR_EXECUTABLE", QStringLiteral(LARKSPUR_DIST_DIR "/L_Organizer"));
    const QString dist = QFileInfo(built).absolutePath();
    for (const QString& sub : {"Languages", "Skins", "Images", "Help"}) {
        if (QDir(dist + "/" + sub).exists())
            copyTree(dist + "/" + sub, dir_.filePath(sub));
    }
    executable_ = dir_.filePath(executableName);
    if (!QFile::copy(built, executable_) || !QFile::copy(QStringLiteral(LARKSPUR_FIXTURE_DB), dir_.filePath("Ls.lsb")))
        throw std::runtime_error("cannot set up the program folder");
    QFile::setPermissions(dir_.filePath("Ls.lsb"), QFile::ReadOwner | QFile::WriteOwner);
    QFile(executable_).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcessEnvironment ProgramInstallation::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral(".config")));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

std::unique_ptr<QProcess> ProgramInstallation::start(const QString& executable) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->setWorkingDirectory(QDir::rootPath());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(executable.isEmpty() ? executable_ : executable, {});
    if (!process->waitForStarted(10000))
        throw std::runtime_error("the program did not start");
    return process;
}

QString ProgramInstallation::copyExecutableAs(const QString& name) const
{
    const QString copy = dir_.filePath(name);
    QFile::copy(executable_, copy);
    QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return copy;
}

bool ProgramInstallation::waitUntilListening(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QStringList sockets = QDir(runtime_.path()).entryList({QStringLiteral("*.socket")}, QDir::System);
        if (!sockets.isEmpty())
            return true;
        QThread::msleep(50);
    }
    return false;
}
