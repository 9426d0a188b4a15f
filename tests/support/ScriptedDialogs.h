#pragma once

#include "platform/Dialogs.h"

#include <QList>

#include <deque>

// Records every dialog the code under test would show and answers as the test told it.
// Installed for the lifetime of the object; the previous dialogs come back afterwards.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers given in order; without one, a message box answers Ok (or Yes).
    void answerNext(Answer answer) { answers_.push_back(answer); }

    Answer message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                   Buttons buttons) override;
    // Records the link and reports success.
    bool openUrl(const QUrl& url) override;

    const QList<Shown>& shown() const { return shown_; }
    const QList<QUrl>& opened() const { return opened_; }
    void clear() { shown_.clear(); }

private:
    class Forwarder;
    QList<Shown> shown_;
    QList<QUrl> opened_;
    std::deque<Answer> answers_;
    std::unique_ptr<Dialogs> previous_;
};
