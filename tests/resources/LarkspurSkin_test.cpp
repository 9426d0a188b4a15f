#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolBar>

namespace {

const QColor SkinWindowColour(0xf4, 0xf6, 0xef);

QString shippedSkin()
{
    QFile file(QStringLiteral(LARKSPUR_DIST_DIR "/Skins/Larkspur.skn"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList& warnings()
{
    static QStringList messages;
    return messages;
}

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings().append(message);
}

class LarkspurSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet = shippedSkin();
        ASSERT_FALSE(sheet.isEmpty()) << "the build copies the skin into the program folder";
        warnings().clear();
        previousHandler = qInstallMessageHandler(collectWarnings);
        qApp->setStyleSheet(sheet);
    }
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        qInstallMessageHandler(previousHandler);
    }

    QString sheet;
    QtMessageHandler previousHandler = nullptr;
};

}  // namespace

TEST_F(LarkspurSkin, ParsesAndStylesEveryKindOfControlWithoutComplaint)
{
    QDialog window;
    window.setObjectName(QStringLiteral("frmSettings"));
    new QPushButton(QStringLiteral("OK"), &window);
    new QSpinBox(&window);
    (new QComboBox(&window))->addItems({QStringLiteral("Minutes"), QStringLiteral("Hours")});
    new QToolBar(&window);
    new QTableWidget(3, 3, &window);
    new QCalendarWidget(&window);
    QMenu menu;
    menu.addAction(QStringLiteral("Exit"));
    window.grab();
    menu.grab();
    EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
}

TEST_F(LarkspurSkin, EveryPictureItNamesIsCompiledIn)
{
    const QRegularExpression url(QStringLiteral(R"(url\(([^)]+)\))"));
    int named = 0;
    for (const QRegularExpressionMatch& match : url.globalMatch(sheet)) {
        ++named;
        EXPECT_TRUE(QFile::exists(match.captured(1))) << match.captured(1).toStdString();
    }
    EXPECT_GT(named, 0);
}

TEST_F(LarkspurSkin, ProgramWindowsTakeTheSkinBackground)
{
    for (const char* name : {"frmDayInfo", "frmAddressBook", "frmToDo"}) {
        SCOPED_TRACE(name);
        QWidget window;
        window.setObjectName(QString::fromLatin1(name));
        window.ensurePolished();
        EXPECT_EQ(window.palette().color(QPalette::Window), SkinWindowColour);
    }
    QDialog messageLikeDialog;
    messageLikeDialog.ensurePolished();
    EXPECT_EQ(messageLikeDialog.palette().color(QPalette::Window), SkinWindowColour);
}

// The free clock shows the user's colours and font; the windows colour their labels and grids.
TEST_F(LarkspurSkin, LeavesColoursAndFontsThatTheWindowsSetThemselves)
{
    QWidget clock;
    clock.setObjectName(QStringLiteral("frmClock"));
    QPalette plate = clock.palette();
    plate.setColor(QPalette::Window, QColor(155, 202, 15));
    clock.setPalette(plate);
    auto* time = new QLabel(QStringLiteral("15:15:15"), &clock);
    time->setObjectName(QStringLiteral("lbClock"));
    QFont clockFont(QStringLiteral("DejaVu Sans Mono"), 21);
    clockFont.setBold(true);
    time->setFont(clockFont);
    QPalette ink = time->palette();
    ink.setColor(QPalette::WindowText, QColor(200, 10, 10));
    time->setPalette(ink);

    QDialog editor;
    editor.setObjectName(QStringLiteral("frmCreateToDo"));
    auto* title = new QLabel(QStringLiteral("Task title"), &editor);
    QPalette green = title->palette();
    green.setColor(QPalette::WindowText, QColor(0, 64, 0));
    title->setPalette(green);
    auto* grid = new QTableWidget(2, 2, &editor);
    QPalette gridColours = grid->palette();
    gridColours.setColor(QPalette::Base, QColor(238, 238, 238));
    gridColours.setColor(QPalette::Text, QColor(0, 83, 0));
    grid->setPalette(gridColours);

    clock.grab();
    editor.grab();
    EXPECT_EQ(clock.palette().color(QPalette::Window), QColor(155, 202, 15));
    EXPECT_EQ(time->palette().color(QPalette::WindowText), QColor(200, 10, 10));
    EXPECT_EQ(time->font(), clockFont);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 64, 0));
    EXPECT_EQ(grid->palette().color(QPalette::Base), QColor(238, 238, 238));
    EXPECT_EQ(grid->palette().color(QPalette::Text), QColor(0, 83, 0));
}
