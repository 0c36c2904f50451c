#include "text/FixedLines.h"

QString VersionText()
{
    return QString::number(VersionMajor) + u'.' + QString::number(VersionMinor) + u'.' +
           QString::number(VersionRevision);
}

QString OpeningBanner()
{
    return QStringLiteral("×××  Quillo  -  Higher or Lower  ×××");
}

QString VersionLine()
{
    return QStringLiteral("×××  Single Player Version ") + VersionText() + QStringLiteral("  ×××");
}

QString ContactLine()
{
    return QStringLiteral("××× Inquiries - mailto: quillo@example.org ×××");
}
