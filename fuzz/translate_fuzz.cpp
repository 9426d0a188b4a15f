// The translation of a window from arbitrary language-file contents: a small form with one
// component of each kind the language files address, translated from a temporary program folder.

#include "lang/uLanguages.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> folder;

// Qt's warnings about odd property values are expected here and would drown the fuzzer's output.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

template <typename Component>
Component* add(QWidget& form, const char* name)
{
    auto* component = new Component(&form);
    component->setObjectName(QString::fromLatin1(name));
    return component;
}

std::unique_ptr<QWidget> makeForm()
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(QStringLiteral("frmSettings_1"));
    form->setWindowTitle(QStringLiteral("Settings"));
    add<QLabel>(*form, "lbView")->setText(QStringLiteral("View"));
    add<QPushButton>(*form, "btnOK")->setText(QStringLiteral("OK"));
    add<QLineEdit>(*form, "edSearch");
    add<QPlainTextEdit>(*form, "memComment")->setPlainText(QStringLiteral("one\ntwo"));
    add<QComboBox>(*form, "cbLang")->addItems({QStringLiteral("English"), QStringLiteral("Deutsch")});
    add<QCheckBox>(*form, "cbAutorun");
    add<QRadioButton>(*form, "rbFreeClock");
    add<QGroupBox>(*form, "gbGeneral");
    add<QListWidget>(*form, "lbxSettings")->addItems({QStringLiteral("General"), QStringLiteral("Clock")});
    return form;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    // Never destroyed: libFuzzer ends the process with exit(), when Qt's own globals may already
    // be gone, and a QApplication torn down after them crashes.
    static QApplication& application = *new QApplication(*argc, *argv);
    Q_UNUSED(application);
    folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid() || !QDir(folder->path()).mkpath(QStringLiteral("Languages")))
        return 1;
    ProgramFolder::setExecutablePathForTests(folder->filePath(QStringLiteral("L_Organizer")));
    CurrentLanguage = QStringLiteral("Fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(LanguageFilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
            std::abort();
    }
    const std::unique_ptr<QWidget> form = makeForm();
    TranslateForm(form.get());
    GetLangMessage(QStringLiteral("ErrorOnLoad"));
    return 0;
}
