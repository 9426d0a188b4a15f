#include "app/uOnce.h"

#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"

#include <QFileInfo>

#include <memory>

namespace uOnce {
namespace {

std::unique_ptr<SingleInstance> guard;

}  // namespace

QString InitialTitle(const QString& executablePath)
{
    const QString fileName = QFileInfo(executablePath).fileName();
    const QString title = fileName.left(fileName.indexOf(QLatin1Char('.')));
    return title.left(1) + title.mid(1).toLower();
}

QString GuardName(const QString& executablePath)
{
    return QStringLiteral("PREVINST:") + InitialTitle(executablePath);
}

void Initialize()
{
    guard = std::make_unique<SingleInstance>(GuardName(ProgramFolder::executablePath()));
}

bool IsFirstInstance()
{
    return guard && guard->isFirstInstance();
}

void ActivateRunningInstance()
{
    if (guard)
        guard->activateRunningInstance();
}

SingleInstance* Guard()
{
    return guard.get();
}

}  // namespace uOnce
