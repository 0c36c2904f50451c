#include "records/RecordPaths.h"
#include "services/ProgramFolder.h"

#include <QDir>
#include <QLocale>

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

TEST(RecordPaths, ProgramFolderFollowsQuilloHome)
{
    const QByteArray saved = qgetenv("QUILLO_HOME");
    qunsetenv("QUILLO_HOME");
    EXPECT_EQ(ProgramFolder(u"/opt/quillo/"_s), QDir::toNativeSeparators(u"/opt/quillo"_s));
    qputenv("QUILLO_HOME", "/srv/games");
    EXPECT_EQ(ProgramFolder(u"/opt/quillo"_s), QDir::toNativeSeparators(u"/srv/games"_s));
    if (saved.isNull())
        qunsetenv("QUILLO_HOME");
    else
        qputenv("QUILLO_HOME", saved);
}
