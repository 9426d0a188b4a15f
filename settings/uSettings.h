#pragma once

#include "draw/uLarkspurUtils.h"

#include <QDialog>
#include <QFont>

class ClockWindow;
class LanguageBox;
class SpinEdit;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The settings dialog. It holds the live font, background colour, spacing and autorun choice,
// acts on the clock at once, and moves the settings between the configuration file and the
// program (LoadSettings, SaveSettings).
class TfrmSettings : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSettings(ClockWindow& clock);
    ~TfrmSettings() override;

    // Reads every setting (the clock's position only when asked) and applies it to the clock
    // and to this dialog. An inaccessible configuration file is reported and ends the program.
    void LoadSettings(bool ReadPosition);
    // Writes the view mode and, for a clock on the desktop, its position; unless ViewOnly,
    // then the language, the appearance and the autorun choice.
    void SaveSettings(bool ViewOnly);

    // Before the dialog is shown: the language box shows CurrentLanguage, the first page is up.
    void PrepareToOpen();

    // The live font: the font dialog's font and its colour.
    const QFont& timeFont() const { return font_; }
    TColor timeFontColor() const { return fontColor_; }
    // The live background colour.
    TColor backgroundColor() const { return color_; }

    QListWidget* lbxSettings;
    QStackedWidget* Notebook1;
    QGroupBox* gbGeneral;
    QLabel* lbView;
    QRadioButton* rbFreeClock;
    QRadioButton* rbSysTrayIcon;
    QRadioButton* rbAnalogClock;
    QRadioButton* rbSysTrayClock;
    QLabel* lbAutorun;
    QCheckBox* cbAutorun;
    QGroupBox* gbClock;
    QLabel* lbFont;
    QPushButton* btnSelectFont;
    QLabel* lbBackgroundCol;
    QFrame* shColor1;
    QPushButton* btnSelectColor;
    QFrame* shColor2;
    QLabel* lbVertStretch;
    SpinEdit* seVertSpace;
    QLabel* lbHorStretch;
    SpinEdit* seHorisSpase;
    QGroupBox* gbLanguages;
    QLabel* lbSelectLang;
    LanguageBox* cbLang;
    QPushButton* btnHelp;
    QPushButton* btnCancel;
    QPushButton* btnOK;

private:
    void buildGeneralPage();
    void buildClockPage();
    void buildLanguagePage();
    void buildButtonBar();
    void connectHandlers();

    void btnSelectFontClick();
    void btnSelectColorClick();
    void cbLangDropDown();
    void btnOKClick();
    void btnCancelClick();
    void seVertSpaceChange();
    void seHorisSpaseChange();
    void cbLangChange();

    // Shows the "ErrorOnLoad" warning and ends the program when the file is in the way.
    bool configurationAccessible();
    void applyFont(const QFont& font, TColor color);
    void applyColor(TColor color);

    ClockWindow& clock_;
    QFont font_;
    TColor fontColor_ = 0;
    TColor color_ = 0;
    // A language file may itself set the language box; such a change during a change of
    // language is not a new choice (two files naming each other would recurse without end).
    bool changingLanguage_ = false;
};

// The one settings dialog of the program, created by the clock window.
extern TfrmSettings* frmSettings;
