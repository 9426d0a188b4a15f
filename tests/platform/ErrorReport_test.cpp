#include "platform/Database.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

namespace {

// Throws from its event handler the way a failing statement does.
class Failing : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        if (handled == 1)
            throw DatabaseError("database disk image is malformed");
        return true;
    }
};

TEST(ErrorReport, EscapedExceptionIsShownAndTheProgramGoesOn)
{
    ScriptedDialogs dialogs;
    Failing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    EXPECT_EQ(target.handled, 2);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("database disk image is malformed"));
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Error);
}

}  // namespace
