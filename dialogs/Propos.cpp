// The about box: the program's name and version.
#include "dialogs/Propos.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TAboutBox::TAboutBox(const std::string& numeroVersion, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("A propos de Quivane"));
    setFixedSize(333, 198);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);

    auto* panneau = new QFrame(this);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panneau->setGeometry(8, 8, 317, 145);

    auto* icone = new QLabel(panneau);
    icone->setGeometry(8, 8, 65, 65);
    icone->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));

    ProductName = new QLabel(TexteProduit(numeroVersion), panneau);
    QFont gras = police;
    gras.setBold(true);
    ProductName->setFont(gras);
    ProductName->setGeometry(88, 16, 220, 16);

    Version = new QLabel(QStringLiteral("Conception et simulation de télescopes"), panneau);
    Version->setGeometry(88, 40, 230, 16);

    const QString lignes[3] = {QStringLiteral("Seize formules d'instrument et un dispositif dioptrique"),
                               QStringLiteral("Tracé exact des rayons, analyse du champ"),
                               QStringLiteral("Images d'étoiles et tache de diffraction")};
    for (int i = 0; i < 3; ++i)
    {
        Comments[i] = new QLabel(lignes[i], panneau);
        Comments[i]->setGeometry(8, 84 + 18 * i, 313, 16);
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(129, 163, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

QString TAboutBox::TexteProduit(const std::string& numeroVersion)
{
    return QStringLiteral("Quivane - Version ") + QString::fromStdString(numeroVersion);
}

void TAboutBox::OKButtonClick()
{
    done(1);
}
