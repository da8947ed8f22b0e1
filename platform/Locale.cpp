// The user's locale.
#include "platform/Locale.h"

#include <QLocale>

char SeparateurDecimalDuSysteme()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}
