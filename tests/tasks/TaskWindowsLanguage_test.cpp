#include "data/uDataModule.h"
#include "lang/uLanguages.h"
#include "platform/Profile.h"
#include "tasks/uNewToDo.h"
#include "tasks/uToDoList.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QToolButton>

namespace {

class TaskWindowsLanguage : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        folder.copyShipped(QStringLiteral("Languages"));
        CurrentLanguage = QString::fromLatin1(GetParam());
    }
    void TearDown() override { CurrentLanguage.clear(); }

    ProgramFolderFixture folder;
    TDataModule1 dm;
};

// Every key of the shipped sections names a component that exists (or the window itself).
TEST_P(TaskWindowsLanguage, SectionsNameRealComponents)
{
    TfrmCreateToDo editor;
    TfrmToDoList list;
    const QString file = LanguageFilePath();
    for (QWidget* window : {static_cast<QWidget*>(&editor), static_cast<QWidget*>(&list)}) {
        const auto entries = Profile::readSection(file, window->objectName());
        ASSERT_FALSE(entries.isEmpty()) << window->objectName().toStdString();
        for (const auto& entry : entries) {
            const QString component = entry.first.section(QLatin1Char('.'), 0, 0);
            if (component.compare(QStringLiteral("Caption"), Qt::CaseInsensitive) == 0)
                continue;
            EXPECT_NE(window->findChild<QObject*>(component), nullptr)
                << GetParam() << " " << window->objectName().toStdString() << " " << entry.first.toStdString();
        }
    }
}

TEST(TaskWindowsGerman, TranslatesTheTaskWindows)
{
    ProgramFolderFixture folder;
    folder.copyShipped(QStringLiteral("Languages"));
    CurrentLanguage = QStringLiteral("Deutsch");
    TDataModule1 dm;
    TfrmCreateToDo editor;
    TfrmToDoList list;
    TranslateForm(&editor);
    TranslateForm(&list);
    EXPECT_EQ(editor.rbAtTime->text(), QStringLiteral("Zur genauen Zeit"));
    EXPECT_EQ(editor.cbRepeatEvery->itemText(5), QStringLiteral("Jahre"));
    EXPECT_EQ(editor.cbActiveTime->count(), 3);
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Aufgabenliste"));
    EXPECT_EQ(list.tbDelete->toolTip(), QStringLiteral("Aufgabe löschen"));
    CurrentLanguage.clear();
}

INSTANTIATE_TEST_SUITE_P(Shipped, TaskWindowsLanguage, ::testing::Values("English", "Deutsch"));

}  // namespace
