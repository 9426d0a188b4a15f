#include "settings/uSettings.h"

#include "lang/uLanguages.h"
#include "platform/Autorun.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/Profile.h"
#include "platform/Properties.h"
#include "settings/ClockSettings.h"
#include "settings/ClockWindow.h"
#include "settings/ConfigFile.h"
#include "settings/LanguageBox.h"
#include "settings/LanguageList.h"
#include "settings/SpinEdit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TfrmSettings* frmSettings = nullptr;

namespace {

template <typename W, typename... Args>
W* named(const char* name, Args&&... args)
{
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* skinnedButton(const char* name, const char* caption)
{
    auto* button = named<QPushButton>(name, QLatin1String(caption));
    Properties::setKind(button, Properties::Kind::SkinnedButton);
    return button;
}

QFrame* swatch(const char* name)
{
    auto* frame = named<QFrame>(name);
    frame->setFixedSize(10, 22);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    return frame;
}

void fill(QFrame* frame, TColor color)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    frame->setPalette(palette);
}

void setCaptionColor(QPushButton* button, const QColor& color)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

// The font as the configuration describes it, on top of the present one: a stored bold sets
// the style to bold only, a stored false leaves the style as it was; italic is added on top.
QFont storedFont(QFont font, const ClockSettings::Appearance& stored)
{
    font.setFamily(stored.fontName);
    if (stored.fontSize > 0)
        font.setPointSize(stored.fontSize);
    else if (stored.fontSize < 0)
        font.setPixelSize(-stored.fontSize);
    if (stored.fontBold) {
        font.setBold(true);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
    }
    if (stored.fontItalic)
        font.setItalic(true);
    return font;
}

}  // namespace

TfrmSettings::TfrmSettings(ClockWindow& clock)
    : clock_(clock)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setProperty("helpContext", 8);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(434, 325);
    font_ = font();

    lbxSettings = named<QListWidget>("lbxSettings");
    lbxSettings->addItems({QStringLiteral("General"), QStringLiteral("Clock"), QStringLiteral("Language")});
    lbxSettings->setFixedWidth(121);
    Notebook1 = named<QStackedWidget>("Notebook1");
    buildGeneralPage();
    buildClockPage();
    buildLanguagePage();

    auto* pages = new QHBoxLayout;
    pages->addWidget(lbxSettings);
    pages->addWidget(Notebook1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addLayout(pages, 1);
    buildButtonBar();
    connectHandlers();
    frmSettings = this;
}

TfrmSettings::~TfrmSettings()
{
    if (frmSettings == this)
        frmSettings = nullptr;
}

void TfrmSettings::buildGeneralPage()
{
    gbGeneral = named<QGroupBox>("gbGeneral", QStringLiteral("General"));
    lbView = named<QLabel>("lbView", QStringLiteral("View"));
    rbFreeClock = named<QRadioButton>("rbFreeClock", QStringLiteral("Free clock"));
    rbSysTrayIcon = named<QRadioButton>("rbSysTrayIcon", QStringLiteral("System tray icon"));
    rbAnalogClock = named<QRadioButton>("rbAnalogClock", QStringLiteral("Analog clock"));
    rbSysTrayClock = named<QRadioButton>("rbSysTrayClock", QStringLiteral("System tray clock"));
    rbSysTrayClock->setVisible(false);
    lbAutorun = named<QLabel>("lbAutorun", QStringLiteral("Autorun"));
    cbAutorun = named<QCheckBox>("cbAutorun", QStringLiteral("Run application on Windows load"));
    auto* layout = new QVBoxLayout(gbGeneral);
    for (QWidget* widget : std::initializer_list<QWidget*>{lbView, rbFreeClock, rbSysTrayIcon, rbAnalogClock,
                                                           rbSysTrayClock, lbAutorun, cbAutorun})
        layout->addWidget(widget);
    layout->addStretch();
    Notebook1->addWidget(gbGeneral);
}

void TfrmSettings::buildClockPage()
{
    gbClock = named<QGroupBox>("gbClock", QStringLiteral("Clock"));
    lbFont = named<QLabel>("lbFont", QStringLiteral("Numerals font"));
    btnSelectFont = skinnedButton("btnSelectFont", "Select font");
    lbBackgroundCol = named<QLabel>("lbBackgroundCol", QStringLiteral("Background color"));
    shColor1 = swatch("shColor1");
    btnSelectColor = skinnedButton("btnSelectColor", "Select color");
    setCaptionColor(btnSelectColor, Qt::black);
    shColor2 = swatch("shColor2");
    lbVertStretch = named<QLabel>("lbVertStretch", QStringLiteral("Vertical stretch"));
    seVertSpace = named<SpinEdit>("seVertSpace", 0, 15);
    seVertSpace->setValue(3);
    lbHorStretch = named<QLabel>("lbHorStretch", QStringLiteral("Horisontal stretch"));
    seHorisSpase = named<SpinEdit>("seHorisSpase", 0, 25);
    seHorisSpase->setValue(7);

    auto* colour = new QHBoxLayout;
    colour->addWidget(shColor1);
    colour->addWidget(btnSelectColor, 1);
    colour->addWidget(shColor2);
    auto* layout = new QGridLayout(gbClock);
    layout->addWidget(lbFont, 0, 0);
    layout->addWidget(btnSelectFont, 0, 1);
    layout->addWidget(lbBackgroundCol, 1, 0);
    layout->addLayout(colour, 1, 1);
    layout->addWidget(lbVertStretch, 2, 0);
    layout->addWidget(seVertSpace, 2, 1);
    layout->addWidget(lbHorStretch, 3, 0);
    layout->addWidget(seHorisSpase, 3, 1);
    layout->setRowStretch(4, 1);
    Notebook1->addWidget(gbClock);
}

void TfrmSettings::buildLanguagePage()
{
    gbLanguages = named<QGroupBox>("gbLanguages", QStringLiteral("Languages"));
    lbSelectLang = named<QLabel>("lbSelectLang", QStringLiteral("Select language"));
    cbLang = named<LanguageBox>("cbLang");
    cbLang->setEditable(true);
    cbLang->setInsertPolicy(QComboBox::NoInsert);
    auto* layout = new QVBoxLayout(gbLanguages);
    layout->addWidget(lbSelectLang);
    layout->addWidget(cbLang);
    layout->addStretch();
    Notebook1->addWidget(gbLanguages);
}

void TfrmSettings::buildButtonBar()
{
    btnHelp = skinnedButton("btnHelp", "Help");
    btnCancel = skinnedButton("btnCancel", "Cancel");
    btnOK = skinnedButton("btnOK", "OK");
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    for (QPushButton* button : {btnOK, btnCancel, btnHelp}) {
        button->setFixedSize(75, 24);
        button->setAutoDefault(false);
        bar->addWidget(button);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(bar);
}

void TfrmSettings::connectHandlers()
{
    connect(lbxSettings, &QListWidget::currentRowChanged, Notebook1, &QStackedWidget::setCurrentIndex);
    const std::pair<QRadioButton*, quint8> views[] = {
        {rbSysTrayIcon, 0}, {rbSysTrayClock, 1}, {rbFreeClock, 2}, {rbAnalogClock, 3}};
    for (const auto& [choice, mode] : views) {
        connect(choice, &QRadioButton::toggled, this, [this, mode = mode](bool selected) {
            if (selected)
                clock_.switchView(mode);
        });
    }
    connect(btnSelectFont, &QPushButton::clicked, this, &TfrmSettings::btnSelectFontClick);
    connect(btnSelectColor, &QPushButton::clicked, this, &TfrmSettings::btnSelectColorClick);
    connect(seVertSpace, &SpinEdit::changed, this, &TfrmSettings::seVertSpaceChange);
    connect(seHorisSpase, &SpinEdit::changed, this, &TfrmSettings::seHorisSpaseChange);
    connect(cbLang, &LanguageBox::aboutToDropDown, this, &TfrmSettings::cbLangDropDown);
    connect(cbLang, &QComboBox::editTextChanged, this, &TfrmSettings::cbLangChange);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSettings::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSettings::btnCancelClick);
}

bool TfrmSettings::configurationAccessible()
{
    if (Profile::canOpen(ConfigFilePath()))
        return true;
    QString text = GetLangMessage(QStringLiteral("ErrorOnLoad"));
    const qsizetype placeholder = text.indexOf(QLatin1String("%s"));
    if (placeholder >= 0)
        text.replace(placeholder, 2, QStringLiteral("config"));
    Dialogs::instance().message(this, QStringLiteral("Larkspur Organizer"), text, Dialogs::Icon::Warning,
                                Dialogs::Buttons::Ok);
    // Queued, so that it also ends a program whose message loop has not started yet.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return false;
}

void TfrmSettings::LoadSettings(bool ReadPosition)
{
    if (!configurationAccessible())
        return;
    const QString file = ConfigFilePath();
    const quint8 mode = ClockSettings::ReadViewMode(file);
    clock_.setViewMode(mode);
    if (ReadPosition)
        clock_.moveTo(ClockSettings::ReadPosition(file));

    // The view switches the choices run find ViewMode already set and change nothing.
    switch (mode) {
    case 0:
        rbSysTrayIcon->setChecked(true);
        break;
    case 2:
        clock_.clearAnalogPicture();
        rbFreeClock->setChecked(true);
        break;
    default:
        rbAnalogClock->setChecked(true);
        clock_.shapeAsAnalogClock();
        break;
    }
    clock_.showTrayIcon(mode == 0);
    clock_.setClockVisible(mode == 2 || mode == 3);

    const ClockSettings::Appearance stored = ClockSettings::ReadAppearance(file);
    seVertSpace->setClampedValue(stored.vertSpace);
    clock_.setVertSpace(seVertSpace->typedValue());
    seHorisSpase->setClampedValue(stored.horisSpace);
    clock_.setHorisSpace(seHorisSpase->typedValue());
    applyFont(storedFont(font_, stored), stored.fontColor);
    applyColor(stored.color);

    cbAutorun->setChecked(Autorun::isOn());
}

void TfrmSettings::SaveSettings(bool ViewOnly)
{
    if (!configurationAccessible())
        return;
    const QString file = ConfigFilePath();
    ClockSettings::WriteViewAndPosition(file, clock_.viewMode(), clock_.position());
    if (ViewOnly)
        return;
    ClockSettings::Appearance live;
    live.color = color_;
    live.vertSpace = seVertSpace->typedValue();
    live.horisSpace = seHorisSpase->typedValue();
    live.fontName = font_.family();
    live.fontSize = font_.pointSize() > 0 ? font_.pointSize() : -font_.pixelSize();
    live.fontColor = fontColor_;
    live.fontBold = font_.bold();
    live.fontItalic = font_.italic();
    ClockSettings::WriteLanguageAndAppearance(file, CurrentLanguage, live);
    Autorun::setOn(cbAutorun->isChecked());
}

void TfrmSettings::PrepareToOpen()
{
    {
        const QSignalBlocker quiet(cbLang);
        cbLang->setEditText(CurrentLanguage);
    }
    lbxSettings->setCurrentRow(0);
    Notebook1->setCurrentIndex(0);
}

void TfrmSettings::applyFont(const QFont& font, TColor color)
{
    font_ = font;
    fontColor_ = color;
    btnSelectFont->setFont(font);
    setCaptionColor(btnSelectFont, ColorToQColor(color));
    clock_.setTimeFont(font, color);
}

void TfrmSettings::applyColor(TColor color)
{
    color_ = color;
    fill(shColor1, color);
    fill(shColor2, color);
    clock_.setBackgroundColor(color);
}

// A modal dialog cannot hide while it runs: the font and colour dialogs open on top of it.
void TfrmSettings::btnSelectFontClick()
{
    const Dialogs::FontChoice initial{btnSelectFont->font(), ColorToQColor(fontColor_)};
    if (const std::optional<Dialogs::FontChoice> chosen = Dialogs::instance().font(this, initial))
        applyFont(chosen->font, QColorToColor(chosen->color));
}

void TfrmSettings::btnSelectColorClick()
{
    if (const std::optional<QColor> chosen = Dialogs::instance().color(this, ColorToQColor(color_)))
        applyColor(QColorToColor(*chosen));
}

void TfrmSettings::seVertSpaceChange()
{
    const int space = seVertSpace->typedValue();
    clock_.setVertSpace(space);
    if (clock_.viewMode() == 2)
        clock_.setHeight(clock_.timeTextSize().height() + space + 1);
}

void TfrmSettings::seHorisSpaseChange()
{
    const int space = seHorisSpase->typedValue();
    clock_.setHorisSpace(space);
    if (clock_.viewMode() == 2)
        clock_.setWidth(clock_.timeTextSize().width() + space + 1);
}

void TfrmSettings::cbLangDropDown()
{
    // Refilling the list must not touch the text, which is the language in force.
    const QSignalBlocker quiet(cbLang);
    const QString text = cbLang->currentText();
    cbLang->clear();
    cbLang->addItems(LanguageNames(ProgramFolder::filePath(QStringLiteral("Languages"))));
    cbLang->setEditText(text);
}

void TfrmSettings::cbLangChange()
{
    if (changingLanguage_)
        return;
    const QScopedValueRollback guard(changingLanguage_, true);
    CurrentLanguage = cbLang->currentText();
    TranslateForm(this);
    TranslateAllForms();
}

void TfrmSettings::btnOKClick()
{
    SaveSettings(false);
    accept();
}

void TfrmSettings::btnCancelClick()
{
    LoadSettings(false);
    LoadLanguage(true);
    TranslateForm(this);
    clock_.tick();
    reject();
}
