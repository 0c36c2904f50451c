#include "records/RecordPaths.h"
#include "records/SaveCopies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
}

} // namespace

TEST(SaveCopies, OnlyCopiesOfTheSettingsAndMonthlyFilesAreTakenForLeftOvers)
{
    const QString folder = u"/q"_s;
    const QString settings = FileName(SettingsFilePath(folder));
    const QString monthly = FileName(MonthlyFilePath(folder, QDate(2003, 3, 1), false));
    const QString weekday = FileName(MonthlyFilePath(folder, QDate(2003, 3, 1), true));
    for (const QString& own : {settings, monthly, weekday}) {
        EXPECT_TRUE(IsLeftSaveCopy(own + u".xaHhoV"_s)) << own.toStdString();
        EXPECT_TRUE(IsLeftSaveCopy(own + u".AB12cd"_s)) << own.toStdString();
        EXPECT_FALSE(IsLeftSaveCopy(own)) << own.toStdString();
        EXPECT_FALSE(IsLeftSaveCopy(own + u".xaHho"_s)) << own.toStdString();
        EXPECT_FALSE(IsLeftSaveCopy(own + u".xaHhoVV"_s)) << own.toStdString();
        EXPECT_FALSE(IsLeftSaveCopy(own + u".xa-hoV"_s)) << own.toStdString();
        EXPECT_FALSE(IsLeftSaveCopy(own + u"xaHhoV"_s)) << own.toStdString();
        EXPECT_FALSE(IsLeftSaveCopy(own + u".xaHhoV.bak"_s)) << own.toStdString();
    }
    EXPECT_TRUE(IsLeftSaveCopy(u"QOPMärz03.txt.xaHhoV"_s)); // month names of any language

    // Files of the host's or of the other records: never ours to remove.
    for (const QString& other :
         {u"macros.txt.xaHhoV"_s, u"Quillo.ini.xaHhoV"_s, u"QUILLO.INI.xaHhoV"_s,
          u"QOP.txt.xaHhoV"_s, u"QOPMarch03.TXT.xaHhoV"_s, u"xquillo.ini.xaHhoV"_s,
          u"Quillo.log.xaHhoV"_s, u"QOPlayers.txt"_s, u"quillo.lock"_s, u"quillo.ini~"_s}) {
        EXPECT_FALSE(IsLeftSaveCopy(other)) << other.toStdString();
    }
}

TEST(SaveCopies, RemovingLeavesEveryOtherFileAndFolderInPlace)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.path());
    const QStringList copies{u"quillo.ini.xaHhoV"_s, u"quillo.ini.Q1w2E3"_s,
                             u"QOPMarch03.txt.Ab12Cd"_s};
    const QStringList kept{u"quillo.ini"_s,        u"QOPMarch03.txt"_s,   u"Quillo.log"_s,
                           u"QOPlayers.txt"_s,     u"quillo.lock"_s,      u"macros.txt"_s,
                           u"macros.txt.xaHhoV"_s, u"quillo.ini.xaHho"_s, u"notes.txt"_s};
    for (const QString& name : copies + kept)
        Touch(folder.filePath(name));
    ASSERT_TRUE(folder.mkdir(u"quillo.ini.QwErTy"_s));
    ASSERT_TRUE(
        QFile::link(folder.filePath(u"notes.txt"_s), folder.filePath(u"quillo.ini.LiNkEd"_s)));

    QStringList removed = RemoveLeftSaveCopies(dir.path());
    removed.sort();
    QStringList expected = copies;
    expected.sort();
    EXPECT_EQ(removed, expected);

    QStringList left = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    left.sort();
    QStringList stays = kept + QStringList{u"quillo.ini.QwErTy"_s, u"quillo.ini.LiNkEd"_s};
    stays.sort();
    EXPECT_EQ(left, stays);

    EXPECT_TRUE(RemoveLeftSaveCopies(dir.path()).isEmpty());
    EXPECT_TRUE(RemoveLeftSaveCopies(folder.filePath(u"gone"_s)).isEmpty());
}
