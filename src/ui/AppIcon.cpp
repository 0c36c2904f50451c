#include "ui/AppIcon.h"

#include "ui/CardIconEngine.h"

QIcon QuilloIcon()
{
    return QIcon(new CardIconEngine);
}
