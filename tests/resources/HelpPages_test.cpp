#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const QDir HelpFolder(QStringLiteral(LARKSPUR_DIST_DIR "/Help"));

QString readPage(const QString& name)
{
    QFile file(HelpFolder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST(HelpPages, EveryHelpContextHasATitledPageThatTheIndexLinks)
{
    const QString index = readPage(QStringLiteral("index.html"));
    ASSERT_FALSE(index.isEmpty());
    for (int context : {1, 3, 4, 5, 6, 7, 8}) {
        SCOPED_TRACE(context);
        const QString name = QStringLiteral("context-%1.html").arg(context);
        const QString page = readPage(name);
        ASSERT_FALSE(page.isEmpty()) << "missing " << name.toStdString();
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))));
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("<h1>[^<]+</h1>"))));
        EXPECT_TRUE(index.contains(QStringLiteral("href=\"%1\"").arg(name)));
    }
}

TEST(HelpPages, EveryLinkBetweenPagesLeadsToAnExistingPageAndAnchor)
{
    const QRegularExpression link(QStringLiteral(R"(href="([^"#:]*)(?:#([^"]*))?")"));
    int links = 0;
    for (const QString& name : HelpFolder.entryList({QStringLiteral("*.html")})) {
        for (const QRegularExpressionMatch& match : link.globalMatch(readPage(name))) {
            ++links;
            const QString target = match.captured(1).isEmpty() ? name : match.captured(1);
            SCOPED_TRACE((name + " -> " + match.captured(0)).toStdString());
            const QString targetText = readPage(target);
            ASSERT_FALSE(targetText.isEmpty());
            if (!match.captured(2).isEmpty()) {
                EXPECT_TRUE(targetText.contains(QStringLiteral("id=\"%1\"").arg(match.captured(2))));
            }
        }
    }
    EXPECT_GT(links, 20);
}
