#include "records/RecordPaths.h"
#include "services/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(RecordPaths, FilesSitInTheFolderWithThePlatformSeparator)
{
    const QString folder = QDir::toNativeSeparators(u"/home/host/quillo"_s);
    const QString sep = QDir::separator();
    EXPECT_EQ(LogFilePath(folder), folder + sep + u"Quillo.log"_s);
    EXPECT_EQ(PlayersFilePath(folder), folder + sep + u"QOPlayers.txt"_s);
    EXPECT_EQ(SettingsFilePath(folder + sep), folder + sep + u"quillo.ini"_s);

    if (QLocale::system().monthName(3) != u"March"_s ||
        QLocale::system().dayName(6, QLocale::ShortFormat) != u"Sat"_s)
        GTEST_SKIP() << "the system language does not name March in English";
    const QDate saturday(2003, 3, 1);
    EXPECT_EQ(MonthlyFilePath(folder, saturday, false), folder + sep + u"QOPMarch03.txt"_s);
    EXPECT_EQ(MonthlyFilePath(folder, saturday, true), folder + sep + u"QOP03Sat03.txt"_s);
    EXPECT_EQ(MonthlyDateText(QDate(2010, 11, 3), true), u"11Wed10"_s);
    EXPECT_EQ(MonthlyDateText(QDate(2009, 1, 31), false), u"January09"_s);
}

TEST(RecordPaths, ProgramFolderIsTheHomeThenAPortableCopysOwnThenTheUsers)
{
    QTemporaryDir scratch;
    const QString bin = scratch.filePath(u"bin"_s);
    const QString user = scratch.filePath(u"home/.local/share/quillo"_s);
    QDir().mkpath(bin);
    const QString missing = scratch.filePath(u"gone/bin"_s); // writable by nobody
    const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };
    const struct
    {
        ProgramFolderPlaces Places;
        QString Expected;
    } cases[] = {
        {{u"/srv/games/"_s, bin, true, user}, native(u"/srv/games"_s)},
        {{{}, bin + u"/"_s, false, user}, native(bin)},
        {{{}, bin, true, user}, native(user)},
        {{{}, missing, false, user}, native(user)},
        {{{}, missing, true, {}}, native(missing)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseProgramFolder(c.Places), c.Expected) << qPrintable(c.Places.ExecutableDir);
    // The user's folder is made at the first start that needs it, and nothing else is.
    EXPECT_TRUE(QFileInfo(user).isDir());
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(RecordPaths, ProgramFolderFollowsQuilloHome)
{
    const QByteArray saved = qgetenv("QUILLO_HOME");
    qunsetenv("QUILLO_HOME");
    QTemporaryDir portable; // a build's folder: writable, no desktop entry beside it
    EXPECT_EQ(ProgramFolder(portable.path() + u"/"_s), QDir::toNativeSeparators(portable.path()));
    qputenv("QUILLO_HOME", "/srv/games");
    EXPECT_EQ(ProgramFolder(u"/opt/quillo"_s), QDir::toNativeSeparators(u"/srv/games"_s));
    if (saved.isNull())
        qunsetenv("QUILLO_HOME");
    else
        qputenv("QUILLO_HOME", saved);
}
