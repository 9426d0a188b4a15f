#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QWidget;

// Every modal dialog the program shows goes through this one interface, so that tests can
// install a scripted stand-in and never block on a real dialog.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                           Buttons buttons) = 0;
    // The desktop's "open" for a file or link (browser, mail program). False when it failed.
    virtual bool openUrl(const QUrl& url) = 0;

    // The installed implementation; the real Qt dialogs unless a test installed its own.
    static Dialogs& instance();
    // Takes ownership; nullptr restores the real dialogs. Returns the previous one.
    static std::unique_ptr<Dialogs> install(std::unique_ptr<Dialogs> dialogs);
};

// The real dialogs, shown with Qt.
class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                   Buttons buttons) override;
    bool openUrl(const QUrl& url) override;
};
