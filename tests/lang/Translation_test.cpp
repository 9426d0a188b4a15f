#include "lang/CommaText.h"
#include "lang/FormTranslator.h"
#include "lang/uLanguages.h"
#include "platform/Properties.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <memory>

namespace {

TEST(CommaText, SplitsAsTheLanguageFilesWriteLists)
{
    struct Case {
        const char* text;
        QStringList items;
    } cases[] = {
        {"Day,Next week", {"Day", "Next", "week"}},
        {"\"Day\",\"Next week\"", {"Day", "Next week"}},
        {"", {}},
        {"   ", {}},
        {"a,", {"a", ""}},
        {"a, ", {"a"}},
        {"  a , b", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a\tb", {"a", "b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"unclosed, item", {"unclosed, item"}},
        {"\"a\"b", {"a", "b"}},
        {",", {"", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCommaText(QString::fromUtf8(c.text)), c.items) << c.text;
}

TEST(SectionName, DropsOneOrTwoDigitInstanceSuffixesOnly)
{
    struct Case {
        const char* window;
        const char* section;
    } cases[] = {{"frmToDo", "frmToDo"},    {"frmToDo_1", "frmToDo"},      {"frmToDo_12", "frmToDo"},
                 {"frmToDo_123", "frmToDo_123"}, {"frmToDo1", "frmToDo1"}, {"_1", ""},
                 {"frmToDo_x1", "frmToDo_x1"}, {"", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(SectionNameOf(c.window), c.section) << c.window;
}

// A window with one component of each kind the language files care about.
class TranslationTest : public ::testing::Test {
protected:
    TranslationTest()
    {
        form_->setObjectName("frmSchedule");
        form_->setWindowTitle("Design");
        form_->resize(200, 100);
        btnOK_ = make<QPushButton>("btnOK", "Ok design");
        Properties::setKind(btnOK_, Properties::Kind::SkinnedButton);
        btnPlain_ = make<QPushButton>("btnPlain", "Plain design");
        lbDate_ = make<QLabel>("lbDate", "Date design");
        edSearch_ = new QLineEdit(form_.get());
        edSearch_->setObjectName("edSearch");
        cbSchedule_ = new QComboBox(form_.get());
        cbSchedule_->setObjectName("cbSchedule");
        cbSchedule_->addItems({"Day", "Week"});
        memComment_ = new QPlainTextEdit("one\ntwo", form_.get());
        memComment_->setObjectName("memComment");
        tbEdit_ = make<QToolButton>("tbEdit", "");
        chbRepeat_ = make<QCheckBox>("chbRepeat", "Repeat design");
        gbGeneral_ = new QGroupBox("General design", form_.get());
        gbGeneral_->setObjectName("gbGeneral");
        seCount_ = new QSpinBox(form_.get());
        seCount_->setObjectName("seCount");
        auto* menu = new QMenu(form_.get());
        menu->setObjectName("pmMenu");
        miExit_ = menu->addAction("Exit design");
        miExit_->setObjectName("miExit");
    }

    template <typename W>
    W* make(const char* name, const char* text)
    {
        auto* widget = new W(form_.get());
        widget->setObjectName(name);
        widget->setText(text);
        return widget;
    }

    void apply(const QList<Profile::Entry>& entries) { ApplyLanguageSection(form_.get(), entries); }

    QStringList comboItems() const
    {
        QStringList items;
        for (int i = 0; i < cbSchedule_->count(); ++i)
            items.append(cbSchedule_->itemText(i));
        return items;
    }

    std::unique_ptr<QWidget> form_ = std::make_unique<QWidget>();
    QPushButton* btnOK_;
    QPushButton* btnPlain_;
    QLabel* lbDate_;
    QLineEdit* edSearch_;
    QComboBox* cbSchedule_;
    QPlainTextEdit* memComment_;
    QToolButton* tbEdit_;
    QCheckBox* chbRepeat_;
    QGroupBox* gbGeneral_;
    QSpinBox* seCount_;
    QAction* miExit_;
};

TEST_F(TranslationTest, BareKeysSetTheDefaultPropertyOfTheComponentsKind)
{
    apply({{"Caption", "Schedule"}, {"btnOK", "OK"},       {"btnPlain", "Plain"},  {"lbDate", "Date"},
           {"edSearch", "x"},       {"tbEdit", "Edit"},    {"chbRepeat", "Again"}, {"gbGeneral", "Common"},
           {"miExit", "Exit"},      {"cbSchedule", "a,b"}, {"seCount", "5"},       {"memComment", "memo"}});
    EXPECT_EQ(form_->windowTitle(), "Schedule");
    EXPECT_EQ(btnOK_->text(), "Ok design");  // skinned: only through btnOK.Caption
    EXPECT_EQ(btnPlain_->text(), "Plain");
    EXPECT_EQ(lbDate_->text(), "Date");
    EXPECT_EQ(edSearch_->text(), "x");
    EXPECT_EQ(tbEdit_->text(), "");  // skinned speed button
    EXPECT_EQ(chbRepeat_->text(), "Again");
    EXPECT_EQ(gbGeneral_->title(), "Common");
    EXPECT_EQ(miExit_->text(), "Exit");
    EXPECT_EQ(comboItems(), QStringList({"Day", "Week"}));  // a bare key on a list sets nothing
    EXPECT_EQ(seCount_->value(), 0);
    EXPECT_EQ(memComment_->toPlainText(), "memo");
}

TEST_F(TranslationTest, DottedKeysSetTheNamedPropertyOfAnyComponent)
{
    apply({{"btnOK.Caption", "OK"},
           {"TBEDIT.hint", "Edit"},
           {"cbSchedule.Items", "Day,Next week"},
           {"chbRepeat.Checked", "1"},
           {"edSearch.MaxLength", "0x10"},
           {"btnPlain.Width", "$30"},
           {"missing.Caption", "Text"}});
    EXPECT_EQ(btnOK_->text(), "OK");
    EXPECT_EQ(tbEdit_->toolTip(), "Edit");
    EXPECT_EQ(comboItems(), QStringList({"Day", "Next", "week"}));
    EXPECT_TRUE(chbRepeat_->isChecked());
    EXPECT_EQ(edSearch_->maxLength(), 16);
    EXPECT_EQ(btnPlain_->width(), 48);
    EXPECT_EQ(form_->windowTitle(), "Design");

    apply({{"cbSchedule.Items", "\"Day\",\"Next week\""}});
    EXPECT_EQ(comboItems(), QStringList({"Day", "Next week"}));
}

TEST_F(TranslationTest, ItemAndLineFormsReplaceOneEntry)
{
    struct Case {
        const char* key;
        const char* value;
        QStringList items;
    } cases[] = {
        {"cbSchedule(1)", "Week!", {"Day", "Week!"}},
        {"cbSchedule(1)", ".", {"Day", ""}},
        {"cbSchedule(1)", ". Week", {"Day", " Week"}},
        {"cbSchedule.Items(1)", ".", {"Day", "."}},
        {"cbSchedule(0x0)", "Tag", {"Tag", "Week"}},
        {"cbSchedule(x)", "Bad", {"Day", "Week"}},
        {"cbSchedule)1(", "Bad", {"Day", "Week"}},
        {"cbSchedule(1", "Bad", {"Day", "Week"}},
        {"cbSchedule(2)", "Bad", {"Day", "Week"}},
        {"cbSchedule(-1)", "Bad", {"Day", "Week"}},
        {"cbSchedule.Nothing(1)", "Bad", {"Day", "Week"}},
        {"cbSchedule.Caption(1)", "Bad", {"Day", "Week"}},
        {"missing(1)", "Bad", {"Day", "Week"}},
    };
    for (const Case& c : cases) {
        cbSchedule_->clear();
        cbSchedule_->addItems({"Day", "Week"});
        apply({{c.key, c.value}});
        EXPECT_EQ(comboItems(), c.items) << c.key << "=" << c.value;
    }
    apply({{"memComment.Lines(1)", "zwei"}, {"memComment.Lines(7)", "skipped"}});
    EXPECT_EQ(memComment_->toPlainText(), "one\nzwei");
}

TEST_F(TranslationTest, ValuesThatDoNotReadLeaveThePropertyAndTheRestStillApplies)
{
    chbRepeat_->setChecked(true);
    apply({{"Width", "abc"},
           {"chbRepeat.Checked", "2"},
           {"chbRepeat.Checked", "x"},
           {"lbDate.Font", "Arial"},
           {"btnOK.Font.Name", "Arial"},
           {"btnOK.Caption", "still applied"}});
    EXPECT_EQ(form_->width(), 200);
    EXPECT_TRUE(chbRepeat_->isChecked());
    EXPECT_EQ(btnOK_->text(), "still applied");
    apply({{"Width", "321"}, {"Hint", "tip"}});
    EXPECT_EQ(form_->width(), 321);
    EXPECT_EQ(form_->toolTip(), "tip");
}

TEST_F(TranslationTest, WindowsReadTheirSectionFromTheCurrentFileEveryTime)
{
    ProgramFolderFixture folder;
    folder.writeFile("Languages/One.lng", "[frmSchedule]\nlbDate=Datum\nCaption=Plan\n");
    folder.writeFile("Languages/Two.lng", "[FRMSCHEDULE]\nCaption=Zeitplan\n");
    CurrentLanguage = "One";
    TranslateForm(form_.get());
    EXPECT_EQ(lbDate_->text(), "Datum");
    CurrentLanguage = "Two";
    TranslateForm(form_.get());
    EXPECT_EQ(form_->windowTitle(), "Zeitplan");
    EXPECT_EQ(lbDate_->text(), "Datum");  // Two says nothing about it

    struct Case {
        const char* name;
        const char* caption;
    } cases[] = {{"frmSchedule_1", "Zeitplan 2"}, {"frmSchedule_12", "Zeitplan 2"}, {"frmSchedule_123", "unchanged"}};
    folder.writeFile("Languages/Two.lng", "[frmSchedule]\nCaption=Zeitplan 2\n");
    for (const Case& c : cases) {
        form_->setWindowTitle("unchanged");
        form_->setObjectName(c.name);
        TranslateForm(form_.get());
        EXPECT_EQ(form_->windowTitle(), c.caption) << c.name;
    }
    CurrentLanguage = "Missing";
    form_->setObjectName("frmSchedule");
    TranslateForm(form_.get());
    TranslateForm(nullptr);
    EXPECT_EQ(form_->windowTitle(), "unchanged");
    CurrentLanguage.clear();
}

TEST_F(TranslationTest, AllFormsTranslatesTheLongLivedWindowsOnly)
{
    ProgramFolderFixture folder;
    folder.writeFile("Languages/One.lng", "[frmSchedule]\nCaption=Plan\n[frmSettings]\nCaption=Settings\n");
    QWidget settings;
    settings.setObjectName("frmSettings");
    CurrentLanguage = "One";
    TranslateAllForms();
    EXPECT_EQ(form_->windowTitle(), "Plan");
    EXPECT_EQ(settings.windowTitle(), "");
    CurrentLanguage.clear();
}

}  // namespace
