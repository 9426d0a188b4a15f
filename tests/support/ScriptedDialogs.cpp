#include "tests/support/ScriptedDialogs.h"

// Dialogs::install takes ownership, so the installed object forwards to this one.
class ScriptedDialogs::Forwarder : public Dialogs {
public:
    explicit Forwarder(ScriptedDialogs& target) : target_(target) {}
    Answer message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                   Buttons buttons) override
    {
        return target_.message(parent, caption, text, icon, buttons);
    }
    bool openUrl(const QUrl& url) override { return target_.openUrl(url); }

private:
    ScriptedDialogs& target_;
};

ScriptedDialogs::ScriptedDialogs()
    : previous_(Dialogs::install(std::make_unique<Forwarder>(*this)))
{
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(std::move(previous_));
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, const QString& caption, const QString& text,
                                         Icon icon, Buttons buttons)
{
    shown_.append({caption, text, icon, buttons});
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

bool ScriptedDialogs::openUrl(const QUrl& url)
{
    opened_.append(url);
    return true;
}
