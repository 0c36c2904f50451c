#include "records/RecordPaths.h"

#include <QDir>
#include <QLocale>

QString RecordPath(const QString& folder, const QString& fileName)
{
    QString path = QDir::toNativeSeparators(folder);
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path + fileName;
}

QString LogFilePath(const QString& folder)
{
    return RecordPath(folder, QStringLiteral("Quillo.log"));
}

QString PlayersFilePath(const QString& folder)
{
    return RecordPath(folder, QStringLiteral("QOPlayers.txt"));
}

QString SettingsFilePath(const QString& folder)
{
    return RecordPath(folder, QStringLiteral("quillo.ini"));
}

QString DeckFilePath(const QString& folder)
{
    return RecordPath(folder, QStringLiteral("QODeck.txt"));
}

QString MonthlyDateText(const QDate& date, bool dayOfWeek)
{
    const QLocale locale = QLocale::system();
    const QString year = QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
    if (!dayOfWeek)
        return locale.monthName(date.month(), QLocale::LongFormat) + year;
    return QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')) +
           locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + year;
}

QString MonthlyFilePath(const QString& folder, const QDate& date, bool dayOfWeek)
{
    return RecordPath(folder, QStringLiteral("QOP") + MonthlyDateText(date, dayOfWeek) + u".txt");
}
