#include "lang/uLanguages.h"
#include "platform/Autorun.h"
#include "platform/ProgramFolder.h"
#include "platform/Profile.h"
#include "platform/Screen.h"
#include "settings/ClockWindow.h"
#include "settings/LanguageBox.h"
#include "settings/LanguageList.h"
#include "settings/SpinEdit.h"
#include "settings/uSettings.h"
#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Records what the settings do to the clock; the view switch behaves as the clock's does.
class FakeClock : public ClockWindow {
public:
    quint8 viewMode() const override { return mode; }
    void setViewMode(quint8 value) override { mode = value; }
    void switchView(quint8 value) override
    {
        if (mode == value)
            return;
        mode = value;
        ++switches;
    }
    void clearAnalogPicture() override { hasFace = false; }
    void shapeAsAnalogClock() override
    {
        hasFace = true;
        size = {96, 96};
    }
    void showTrayIcon(bool shown) override { trayIcon = shown; }
    void setClockVisible(bool visible) override { shown = visible; }
    QPoint position() const override { return pos; }
    void moveTo(const QPoint& value) override { pos = value; }
    void setWidth(int width) override { size.setWidth(width); }
    void setHeight(int height) override { size.setHeight(height); }
    void setVertSpace(int space) override { vertSpace = space; }
    void setHorisSpace(int space) override { horisSpace = space; }
    void setTimeFont(const QFont& value, TColor color) override
    {
        font = value;
        fontColor = color;
    }
    QSize timeTextSize() const override { return {50, 13}; }
    void setBackgroundColor(TColor color) override { background = color; }
    void tick() override { ++ticks; }

    quint8 mode = 255;
    int switches = 0;
    bool hasFace = false;
    QSize size{131, 97};
    bool trayIcon = false;
    bool shown = false;
    QPoint pos{624, 351};
    int vertSpace = -1;
    int horisSpace = -1;
    QFont font;
    TColor fontColor = 0;
    TColor background = 0;
    int ticks = 0;
};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", previousConfig_);
        CurrentLanguage.clear();
    }

    void writeIni(const QByteArray& content) const { folder_.writeFile("L_Organizer.ini", content); }
    QString iniPath() const { return folder_.filePath("L_Organizer.ini"); }
    QByteArray ini() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A fresh clock and dialog, as the clock window's creation makes them.
    void create(bool readPosition = true)
    {
        clock_ = std::make_unique<FakeClock>();
        dialog_ = std::make_unique<TfrmSettings>(*clock_);
        dialog_->LoadSettings(readPosition);
    }

    QTemporaryDir config_;
    QByteArray previousConfig_;
    ProgramFolderFixture folder_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<FakeClock> clock_;
    std::unique_ptr<TfrmSettings> dialog_;
};

TEST_F(SettingsTest, WithoutAFileTheDefaultsApplyAndExitWritesViewAndPosition)
{
    create();
    EXPECT_EQ(clock_->mode, 3);
    EXPECT_TRUE(clock_->hasFace);
    EXPECT_EQ(clock_->size, QSize(96, 96));
    EXPECT_EQ(clock_->pos, QPoint(0, 0));
    EXPECT_TRUE(clock_->shown);
    EXPECT_FALSE(clock_->trayIcon);
    EXPECT_EQ(clock_->switches, 0);
    EXPECT_EQ(clock_->vertSpace, 3);
    EXPECT_EQ(clock_->horisSpace, 7);
    EXPECT_EQ(clock_->font.family(), "MS Sans Serif");
    EXPECT_EQ(clock_->font.pointSize(), 8);
    EXPECT_TRUE(clock_->font.bold());
    EXPECT_FALSE(clock_->font.italic());
    EXPECT_EQ(clock_->fontColor, RGBColor(0, 0, 128));
    EXPECT_EQ(clock_->background, RGBColor(186, 252, 191));
    EXPECT_EQ(dialog_->btnSelectFont->font(), clock_->font);
    EXPECT_TRUE(dialog_->rbAnalogClock->isChecked());
    EXPECT_FALSE(dialog_->cbAutorun->isChecked());
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_TRUE(dialogs_.shown().isEmpty());

    dialog_->SaveSettings(true);
    EXPECT_EQ(ini(), QByteArray("[General]\nProgramView=4\n[Clock]\nTop=0\nLeft=0\n"));
}

TEST_F(SettingsTest, StoredViewModes)
{
    struct Case {
        const char* stored;
        quint8 mode;
        bool trayIcon;
        QRadioButton* TfrmSettings::*choice;
    } cases[] = {
        {"1", 0, true, &TfrmSettings::rbSysTrayIcon},  {"3", 2, false, &TfrmSettings::rbFreeClock},
        {"2", 3, false, &TfrmSettings::rbAnalogClock}, {"4", 3, false, &TfrmSettings::rbAnalogClock},
        {"0", 3, false, &TfrmSettings::rbAnalogClock}, {"5", 3, false, &TfrmSettings::rbAnalogClock},
        {"x", 3, false, &TfrmSettings::rbAnalogClock}, {"0x3", 2, false, &TfrmSettings::rbFreeClock},
    };
    for (const Case& c : cases) {
        writeIni(QByteArray("[General]\nProgramView=") + c.stored + "\n");
        create();
        EXPECT_EQ(clock_->mode, c.mode) << c.stored;
        EXPECT_EQ(clock_->trayIcon, c.trayIcon) << c.stored;
        EXPECT_EQ(clock_->shown, !c.trayIcon) << c.stored;
        EXPECT_EQ(clock_->hasFace, c.mode == 3) << c.stored;
        EXPECT_TRUE((dialog_.get()->*c.choice)->isChecked()) << c.stored;
        EXPECT_EQ(clock_->switches, 0) << c.stored;
    }
}

TEST_F(SettingsTest, PositionIsKeptOnTheScreen)
{
    Screen::setGeometryForTests(QRect(0, 0, 1920, 1080));
    struct Case {
        const char* top;
        const char* left;
        QPoint position;
    } cases[] = {
        {"5000", "10", {10, 1030}}, {"1080", "1920", {1920, 1080}}, {"1081", "5000", {100, 1030}},
        {"0", "-6", {0, 0}},        {"0", "-5", {-5, 0}},           {"-200", "0", {0, -200}},
    };
    for (const Case& c : cases) {
        writeIni(QByteArray("[Clock]\nTop=") + c.top + "\nLeft=" + c.left + "\n");
        create();
        EXPECT_EQ(clock_->pos, c.position) << c.top << " " << c.left;
    }
    create(false);
    EXPECT_EQ(clock_->pos, QPoint(624, 351));
}

TEST_F(SettingsTest, SpacingIsClampedByTheSpinEdits)
{
    struct Case {
        const char* vert;
        const char* horis;
        int vertSpace;
        int horisSpace;
    } cases[] = {{"40", "-3", 15, 0}, {"15", "25", 15, 25}, {"-1", "26", 0, 25}, {"x", "", 3, 7}};
    for (const Case& c : cases) {
        writeIni(QByteArray("[Clock]\nVertSpace=") + c.vert + "\nHorisSpace=" + c.horis + "\n");
        create();
        EXPECT_EQ(clock_->vertSpace, c.vertSpace) << c.vert;
        EXPECT_EQ(dialog_->seVertSpace->value(), c.vertSpace) << c.vert;
        EXPECT_EQ(clock_->horisSpace, c.horisSpace) << c.horis;
        EXPECT_EQ(dialog_->seHorisSpase->value(), c.horisSpace) << c.horis;
    }
}

TEST_F(SettingsTest, FontStyleFromBoldAndItalic)
{
    struct Case {
        const char* bold;
        const char* italic;
        bool isBold;
        bool isItalic;
    } cases[] = {{"0", "1", false, true}, {"7", "0", true, false}, {"1", "1", true, true},
                 {"0", "0", false, false}, {"x", "x", true, false}};
    for (const Case& c : cases) {
        writeIni(QByteArray("[Clock]\nFontBold=") + c.bold + "\nFontItalic=" + c.italic
                 + "\nFontName=DejaVu Sans\nFontSize=14\nFontColor=0xFF\nColor=$FF00\n");
        create();
        EXPECT_EQ(clock_->font.bold(), c.isBold) << c.bold << c.italic;
        EXPECT_EQ(clock_->font.italic(), c.isItalic) << c.bold << c.italic;
        EXPECT_EQ(clock_->font.family(), "DejaVu Sans");
        EXPECT_EQ(clock_->font.pointSize(), 14);
        EXPECT_EQ(clock_->fontColor, RGBColor(255, 0, 0));
        EXPECT_EQ(clock_->background, RGBColor(0, 255, 0));
    }
}

TEST_F(SettingsTest, FullSaveWritesEveryKeyInOrderAndKeepsTheRest)
{
    writeIni("; mine\n[General]\nOther=kept\n");
    create();
    CurrentLanguage = "Deutsch";
    clock_->pos = {12, 34};
    dialog_->SaveSettings(false);
    EXPECT_EQ(ini(), QByteArray("; mine\n[General]\nOther=kept\nProgramView=4\nLanguage=Deutsch\n"
                                "[Clock]\nTop=34\nLeft=12\nColor=12582074\nVertSpace=3\nHorisSpace=7\n"
                                "FontName=MS Sans Serif\nFontSize=8\nFontColor=8388608\nFontBold=1\n"
                                "FontItalic=0\n"));
}

TEST_F(SettingsTest, OkInTheTrayModeLeavesThePositionAlone)
{
    writeIni("[General]\nProgramView=1\n[Clock]\nTop=40\nLeft=50\n");
    create();
    clock_->pos = {1, 2};
    dialog_->btnOK->click();
    EXPECT_EQ(Profile::readInt(iniPath(), "General", "ProgramView", 0), 1);
    EXPECT_EQ(Profile::readInt(iniPath(), "Clock", "Top", 0), 40);
    EXPECT_EQ(Profile::readInt(iniPath(), "Clock", "Left", 0), 50);
}

TEST_F(SettingsTest, AutorunPointingElsewhereReadsOffAndOkRewritesOrDeletesIt)
{
    QDir().mkpath(config_.filePath("autostart"));
    QFile entry(Autorun::entryPath());
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nExec=/somewhere/else/L_Organizer\n");
    entry.close();
    create();
    EXPECT_FALSE(dialog_->cbAutorun->isChecked());
    dialog_->cbAutorun->setChecked(true);
    dialog_->btnOK->click();
    EXPECT_TRUE(Autorun::isOn());
    create();
    EXPECT_TRUE(dialog_->cbAutorun->isChecked());
    dialog_->cbAutorun->setChecked(false);
    dialog_->btnOK->click();
    EXPECT_FALSE(QFile::exists(Autorun::entryPath()));
}

TEST_F(SettingsTest, AnInaccessibleFileIsReportedAndNothingElseHappens)
{
    QDir().mkdir(iniPath());
    create();
    ASSERT_EQ(dialogs_.shown().size(), 1);
    EXPECT_EQ(dialogs_.shown()[0].text, "ErrorOnLoad");  // no language yet: the key itself
    EXPECT_EQ(dialogs_.shown()[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(clock_->mode, 255);
    EXPECT_EQ(clock_->vertSpace, -1);

    folder_.copyShipped("Languages");
    CurrentLanguage = "English";
    dialog_->SaveSettings(false);
    ASSERT_EQ(dialogs_.shown().size(), 2);
    EXPECT_TRUE(dialogs_.shown()[1].text.contains("the config file")) << dialogs_.shown()[1].text.toStdString();
}

TEST_F(SettingsTest, FontAndColourDialogsActAtOnceAndCancelChangesNothing)
{
    create();
    clock_->mode = 2;
    QFont chosen("DejaVu Serif", 20);
    chosen.setItalic(true);
    dialogs_.chooseFont({chosen, QColor(10, 20, 30)});
    dialog_->btnSelectFont->click();
    ASSERT_EQ(dialogs_.fontsOffered().size(), 1);
    EXPECT_EQ(dialogs_.fontsOffered()[0].font.family(), "MS Sans Serif");
    EXPECT_EQ(clock_->font.family(), "DejaVu Serif");
    EXPECT_EQ(clock_->fontColor, RGBColor(10, 20, 30));
    EXPECT_EQ(dialog_->btnSelectFont->font().family(), "DejaVu Serif");
    dialog_->btnSelectFont->click();  // cancelled
    EXPECT_EQ(clock_->font.family(), "DejaVu Serif");

    dialogs_.chooseColor(QColor(1, 2, 3));
    dialog_->btnSelectColor->click();
    EXPECT_EQ(dialogs_.colorsOffered()[0], QColor(186, 252, 191));
    EXPECT_EQ(clock_->background, RGBColor(1, 2, 3));
    EXPECT_EQ(dialog_->backgroundColor(), RGBColor(1, 2, 3));
}

TEST_F(SettingsTest, CancelRestoresTheStoredFontWithTheStyleRule)
{
    struct Case {
        const char* bold;
        const char* italic;
        bool isBold;
        bool isItalic;
    } cases[] = {{"1", "0", true, false}, {"1", "1", true, true}, {"0", "0", false, true}, {"0", "1", false, true}};
    for (const Case& c : cases) {
        writeIni(QByteArray("[Clock]\nFontName=DejaVu Sans\nFontSize=11\nFontColor=255\nFontBold=") + c.bold
                 + "\nFontItalic=" + c.italic + "\n");
        create();
        QFont chosen("DejaVu Serif", 20);
        chosen.setItalic(true);
        dialogs_.chooseFont({chosen, QColor(10, 20, 30)});
        dialog_->btnSelectFont->click();
        dialog_->btnCancel->click();
        EXPECT_EQ(clock_->font.family(), "DejaVu Sans");
        EXPECT_EQ(clock_->font.pointSize(), 11);
        EXPECT_EQ(clock_->fontColor, 255u);
        EXPECT_EQ(clock_->font.bold(), c.isBold) << c.bold << c.italic;
        EXPECT_EQ(clock_->font.italic(), c.isItalic) << c.bold << c.italic;
        EXPECT_EQ(clock_->ticks, 1);
    }
}

TEST_F(SettingsTest, CancelReturnsToTheStoredView)
{
    writeIni("[General]\nProgramView=3\n");
    create();
    dialog_->rbAnalogClock->setChecked(true);
    EXPECT_EQ(clock_->mode, 3);
    dialog_->btnCancel->click();
    EXPECT_EQ(clock_->mode, 2);
    EXPECT_FALSE(clock_->hasFace);
    EXPECT_TRUE(dialog_->rbFreeClock->isChecked());

    writeIni("");  // no ProgramView: the analog clock stays
    create();
    dialog_->btnCancel->click();
    EXPECT_EQ(clock_->mode, 3);
    EXPECT_TRUE(clock_->shown);
}

TEST_F(SettingsTest, ChoosingTheViewInForceDoesNothing)
{
    create();
    dialog_->rbAnalogClock->setChecked(true);
    EXPECT_EQ(clock_->switches, 0);
    dialog_->rbFreeClock->setChecked(true);
    EXPECT_EQ(clock_->mode, 2);
    EXPECT_EQ(clock_->switches, 1);
}

TEST_F(SettingsTest, TypedSpacingAppliesAtOnceAndIsClampedOnLeaving)
{
    create();
    clock_->mode = 2;
    SpinEdit* box = dialog_->seVertSpace;
    box->selectAll();
    QTest::keyClicks(box, "20");
    EXPECT_EQ(clock_->vertSpace, 20);
    EXPECT_EQ(clock_->size.height(), 13 + 20 + 1);
    QFocusEvent leave(QEvent::FocusOut);
    QCoreApplication::sendEvent(box, &leave);
    EXPECT_EQ(box->text(), "15");
    EXPECT_EQ(clock_->vertSpace, 15);

    box->selectAll();
    QTest::keyClicks(box, "-");
    EXPECT_EQ(clock_->vertSpace, 0);
    QTest::keyClicks(box, "x");  // not typable
    EXPECT_EQ(box->text(), "-");

    dialog_->seHorisSpase->selectAll();
    QTest::keyClicks(dialog_->seHorisSpase, "9");
    EXPECT_EQ(clock_->horisSpace, 9);
    EXPECT_EQ(clock_->size.width(), 50 + 9 + 1);
}

TEST_F(SettingsTest, LanguageChoiceTranslatesAndCancelRestoresTheStoredOne)
{
    folder_.writeFile("Languages/English.lng", "[frmSettings]\nbtnOK.Caption=OK\nlbView=View\n");
    folder_.writeFile("Languages/Deutsch.lng", "[frmSettings]\nbtnOK.Caption=Übernehmen\nlbView=Ansicht\n");
    writeIni("[General]\nLanguage=English\n");
    create();
    LoadLanguage(true);
    TranslateForm(dialog_.get());
    dialog_->PrepareToOpen();
    EXPECT_EQ(dialog_->cbLang->currentText(), "English");

    dialog_->cbLang->setEditText("Deutsch");
    EXPECT_EQ(CurrentLanguage, "Deutsch");
    EXPECT_EQ(dialog_->btnOK->text(), QString::fromUtf8("Übernehmen"));
    EXPECT_EQ(dialog_->lbView->text(), "Ansicht");

    dialog_->btnCancel->click();
    EXPECT_EQ(CurrentLanguage, "English");
    EXPECT_EQ(dialog_->btnOK->text(), "OK");
    EXPECT_EQ(dialog_->lbView->text(), "View");
    EXPECT_EQ(Profile::readString(iniPath(), "General", "Language", ""), "English");
}

TEST_F(SettingsTest, LanguageFilesThatSetTheLanguageBoxDoNotChainLanguageChanges)
{
    folder_.writeFile("Languages/English.lng", "[frmSettings]\ncbLang.Text=Deutsch\nlbView=View\n");
    folder_.writeFile("Languages/Deutsch.lng", "[frmSettings]\ncbLang.Text=English\nlbView=Ansicht\n");
    create();
    CurrentLanguage = "English";
    TranslateForm(dialog_.get());
    EXPECT_EQ(CurrentLanguage, "Deutsch");
    EXPECT_EQ(dialog_->lbView->text(), "View");

    // The box now shows what the German file put there; a choice by the user still counts.
    EXPECT_EQ(dialog_->cbLang->currentText(), "English");
    dialog_->cbLang->setEditText("Deutsch");
    EXPECT_EQ(CurrentLanguage, "Deutsch");
    EXPECT_EQ(dialog_->lbView->text(), "Ansicht");
}

TEST_F(SettingsTest, TheLanguageListIsFilledAfreshWithoutTouchingTheText)
{
    folder_.writeFile("Languages/English.lng", "");
    folder_.writeFile("Languages/Deutsch.lng", "");
    create();
    dialog_->PrepareToOpen();
    CurrentLanguage = "English";
    dialog_->cbLang->setEditText("English");
    dialog_->cbLang->showPopup();
    QStringList items;
    for (int i = 0; i < dialog_->cbLang->count(); ++i)
        items.append(dialog_->cbLang->itemText(i));
    items.sort();
    EXPECT_EQ(items, QStringList({"Deutsch", "English"}));
    EXPECT_EQ(dialog_->cbLang->currentText(), "English");
    dialog_->cbLang->hidePopup();
}

TEST_F(SettingsTest, TheShippedLanguagesNameRealComponentsOfTheDialog)
{
    folder_.copyShipped("Languages");
    create();
    for (const char* language : {"English", "Deutsch"}) {
        CurrentLanguage = language;
        for (const Profile::Entry& entry : Profile::readSection(LanguageFilePath(), "frmSettings")) {
            const QString component = entry.first.section('.', 0, 0);
            EXPECT_TRUE(component == "Caption" || dialog_->findChild<QObject*>(component))
                << language << " " << entry.first.toStdString();
        }
    }
    CurrentLanguage = "Deutsch";
    TranslateForm(dialog_.get());
    EXPECT_EQ(dialog_->windowTitle(), "Einstellungen");
    EXPECT_EQ(dialog_->btnCancel->text(), "Abbrechen");
    EXPECT_EQ(dialog_->cbAutorun->text(), "Programm beim Anmelden starten");
    EXPECT_EQ(dialog_->lbxSettings->item(2)->text(), "Sprache");
}

TEST(LanguageList, NamesTheLngEntriesOfTheFolder)
{
    QTemporaryDir dir;
    for (const char* name : {"English.lng", "Deutsch.lng", "readme.txt", "ENGLISH.LNG", "old.lng.bak"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList names = LanguageNames(dir.path());
    names.sort();
    EXPECT_EQ(names, QStringList({"Deutsch", "English", "old"}));
    EXPECT_TRUE(LanguageNames(dir.filePath("missing")).isEmpty());
}

}  // namespace
