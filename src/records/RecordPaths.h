#pragma once

#include <QDate>
#include <QString>

// The full paths of the program's files: the folder, the platform's separator, the name.
QString RecordPath(const QString& folder, const QString& fileName);

QString LogFilePath(const QString& folder);      // Quillo.log
QString PlayersFilePath(const QString& folder);  // QOPlayers.txt
QString SettingsFilePath(const QString& folder); // quillo.ini
QString DeckFilePath(const QString& folder);     // QODeck.txt

// The date part of a monthly points file's name, with the system language's names:
// the full month and the two-digit year ("March03"), or with dayOfWeek the two-digit month,
// the short weekday and the two-digit year ("03Sat03").
QString MonthlyDateText(const QDate& date, bool dayOfWeek);

// "QOP" + the date text + ".txt" in the folder.
QString MonthlyFilePath(const QString& folder, const QDate& date, bool dayOfWeek);
