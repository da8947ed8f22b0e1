// The row frame of the surface tables and the pressed images of their buttons.
#include "app/CadreDioptre.h"

#include "editing/CommandesLignes.h"
#include "editing/EtatEdition.h"
#include "editing/Ports.h"
#include "editing/SourisTableaux.h"
#include "platform/Couleurs.h"
#include "platform/ImageVue.h"
#include "sheet/Fiche.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace {

constexpr int LargeurCadre = 215;
constexpr int HauteurCadre = 175;

QPushButton* Bouton(QWidget* parent, const char* legende, QRect place)
{
    auto* bouton = new QPushButton(QString::fromUtf8(legende), parent);
    bouton->setGeometry(place);
    // The longest caption must fit the frame's 209 pixels.
    QFont police = bouton->font();
    police.setPixelSize(10);
    bouton->setFont(police);
    return bouton;
}

// A sunken square, with the drop-down's triangle or the arrow's, as the button looks while it is held.
void DessineAppui(ICanevas& c, bool versLeHaut, bool fleche)
{
    const int l = c.Largeur();
    const int h = c.Hauteur();
    c.Stylo() = TStylo{};
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.Rectangle(0, 0, l, h);
    c.Stylo().Couleur = clGray;
    c.MoveTo(0, h - 1);
    c.LineTo(0, 0);
    c.LineTo(l, 0);
    c.Pinceau() = {clBlack, TStylePinceau::Plein};
    const int milieu = l / 2 + 1;
    const int haut = fleche ? 3 : h / 2 - 1;
    const int bas = fleche ? h - 3 : h / 2 + 2;
    const std::array<TPointCanevas, 3> pointe =
        versLeHaut ? std::array<TPointCanevas, 3>{{{milieu - 3, bas}, {milieu + 3, bas}, {milieu, haut}}}
                   : std::array<TPointCanevas, 3>{{{milieu - 3, haut}, {milieu + 3, haut}, {milieu, bas}}};
    c.Stylo().Couleur = clBlack;
    c.Polygon(pointe);
}

TImageVue* ImageAppui(QWidget* fiche, const TControle& controle, bool versLeHaut, bool fleche)
{
    auto* image = new TImageVue(std::max(controle.Width, 1), std::max(controle.Height, 1), fiche);
    DessineAppui(image->Canevas(), versLeHaut, fleche);
    image->hide();
    return image;
}

} // namespace

TCadreDioptre::TCadreDioptre(QWidget* fiche, QAction* couper, QAction* copier, QAction* coller, QAction* inserer,
                             QAction* insererCopiee)
    : QFrame(fiche)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    resize(LargeurCadre, HauteurCadre);
    auto* titre = new QLabel(QStringLiteral("Edition du dioptre"), this);
    QFont gras = titre->font();
    gras.setPixelSize(11);
    gras.setBold(true);
    titre->setFont(gras);
    titre->setGeometry(3, 3, 150, 16);
    BtnCloseDioptre = Bouton(this, "X", QRect(LargeurCadre - 21, 2, 18, 18));
    const char* legendes[] = {"Co&uper la ligne en cours", "Co&pier la ligne en cours",
                              "Co&ller la ligne copiée sur la ligne en cours", "In&sérer une ligne",
                              "Insérer la ligne copié&e"};
    QPushButton** boutons[] = {&BtnCouperLigne, &BtnCopierLigne, &BtnCollerLigne, &BtnInsererLigne,
                               &BtnInsererLigneCopiee};
    QAction* actions[] = {couper, copier, coller, inserer, insererCopiee};
    for (int k = 0; k < 5; ++k)
    {
        *boutons[k] = Bouton(this, legendes[k], QRect(3, 22 + 21 * k, 209, 20));
        QString indication = actions[k]->text();
        (*boutons[k])->setToolTip(indication.remove(QLatin1Char('&')));
    }
    // The buttons run the routines themselves: the menu's actions follow the highlight, which the frame may outlive.
    connect(BtnCouperLigne, &QPushButton::clicked, this, [] { CouperLigneExecute(); });
    connect(BtnCopierLigne, &QPushButton::clicked, this, [] { CopierLigneExecute(); });
    connect(BtnCollerLigne, &QPushButton::clicked, this, [] { CollerLigneExecute(); });
    connect(BtnInsererLigne, &QPushButton::clicked, this, [] { InsererLigneExecute(); });
    connect(BtnInsererLigneCopiee, &QPushButton::clicked, this, [] { InsererLigneCopieeExecute(); });
    BtnAnnulerDioptre = Bouton(this, "&Annuler", QRect(3, HauteurCadre - 26, 100, 22));
    BtnAideDioptre = Bouton(this, "?", QRect(LargeurCadre - 40, HauteurCadre - 26, 36, 22));
    connect(BtnAnnulerDioptre, &QPushButton::clicked, this, [] { PortsEdition.FermeCadreDioptre(); });
    connect(BtnCloseDioptre, &QPushButton::clicked, this, [] { PortsEdition.FermeCadreDioptre(); });
    hide();
}

void TCadreDioptre::Applique()
{
    if (!EtatSaisie.CadreDioptre)
    {
        hide();
        return;
    }
    const TCadreDioptreModele& m = CadreDioptreModele;
    move(m.Gauche, m.Haut);
    BtnCopierLigne->setEnabled(m.CopierActif);
    BtnCollerLigne->setEnabled(m.CollerActif);
    BtnInsererLigneCopiee->setEnabled(m.CollerActif);
    BtnInsererLigne->setEnabled(m.InsererActif);
    const bool apparait = !isVisible();
    show();
    raise();
    if (apparait)
        BtnAnnulerDioptre->setFocus(Qt::OtherFocusReason);
}

void TCadreDioptre::keyPressEvent(QKeyEvent* evenement)
{
    switch (evenement->key())
    {
    case Qt::Key_Escape: PortsEdition.FermeCadreDioptre(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BtnInsererLigne->hasFocus())
        {
            InsererLigneExecute();
            return;
        }
        break;
    default: break;
    }
    QFrame::keyPressEvent(evenement);
}

TImagesAppui CreeImagesAppui(QWidget* fiche)
{
    TImagesAppui images{ImageAppui(fiche, Controles.AppuiDeroule, false, false),
                        ImageAppui(fiche, Controles.AppuiDeroulePlus, false, false),
                        ImageAppui(fiche, Controles.Spinup, true, true),
                        ImageAppui(fiche, Controles.SpinDown, false, true)};
    QObject::connect(images.AppuiDeroule, &TImageVue::SourisEnfoncee, images.AppuiDeroule,
                     [](Qt::MouseButton, Qt::KeyboardModifiers, bool, int, int) { FicheAppuiDerouleMouseDown(); });
    QObject::connect(images.AppuiDeroule, &TImageVue::SourisRelachee, images.AppuiDeroule,
                     [](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { FicheAppuiDerouleMouseUp(); });
    return images;
}

void AppliqueImagesAppui(const TImagesAppui& images)
{
    const std::pair<TImageVue*, const TControle*> places[] = {{images.AppuiDeroule, &Controles.AppuiDeroule},
                                                              {images.AppuiDeroulePlus, &Controles.AppuiDeroulePlus},
                                                              {images.Spinup, &Controles.Spinup},
                                                              {images.SpinDown, &Controles.SpinDown}};
    for (const auto& [image, controle] : places)
    {
        image->move(controle->Left, controle->Top);
        image->setVisible(controle->Visible);
        if (controle->Visible)
            image->raise();
    }
}
