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
    std::optional<FontChoice> font(QWidget* parent, const FontChoice& initial) override
    {
        return target_.font(parent, initial);
    }
    std::optional<QColor> color(QWidget* parent, const QColor& initial) override
    {
        return target_.color(parent, initial);
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

namespace {

template <typename T>
std::optional<T> takeFront(std::deque<T>& queue)
{
    if (queue.empty())
        return std::nullopt;
    T front = queue.front();
    queue.pop_front();
    return front;
}

}  // namespace

std::optional<Dialogs::FontChoice> ScriptedDialogs::font(QWidget*, const FontChoice& initial)
{
    fontsOffered_.append(initial);
    return takeFront(fontChoices_);
}

std::optional<QColor> ScriptedDialogs::color(QWidget*, const QColor& initial)
{
    colorsOffered_.append(initial);
    return takeFront(colorChoices_);
}

bool ScriptedDialogs::openUrl(const QUrl& url)
{
    opened_.append(url);
    return true;
}
