// The user's locale.
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

char SeparateurDecimalDuSysteme()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

bool InstalleTraductionsQt()
{
    QCoreApplication* application = QCoreApplication::instance();
    const QString nom = QStringLiteral("TraductionsQt");
    if (application == nullptr)
        return false;
    if (application->findChild<QTranslator*>(nom, Qt::FindDirectChildrenOnly) != nullptr)
        return true;
    auto* traducteur = new QTranslator(application);
    traducteur->setObjectName(nom);
    if (!traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traducteur))
    {
        delete traducteur;
        return false;
    }
    return true;
}
