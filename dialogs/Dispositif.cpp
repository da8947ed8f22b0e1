// The lens-device drawing window.
#include "dialogs/Dispositif.h"

#include "dialogs/Boites.h"
#include "dialogs/CaseRVB.h"
#include "editing/Ports.h"
#include "platform/Format.h"
#include "platform/ImageVue.h"
#include "platform/Services.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

constexpr int ToucheEntree = 13;
constexpr int ToucheEchap = 27;
// The picture's place in the window, and the top of the component row in the picture.
constexpr int FondX = 26;
constexpr int FondY = 34;
constexpr int RangeeComposantes = 55;
constexpr int LargeurBouton = 252;
constexpr int HauteurBouton = 30;

QLabel* Texte(const char* texte, QWidget* parent, int x, int y, int largeur, int hauteur)
{
    auto* libelle = new QLabel(QString::fromUtf8(texte), parent);
    libelle->setGeometry(x, y, largeur, hauteur);
    libelle->setWordWrap(true);
    return libelle;
}

QFont Police(QFont police, int pixels, bool gras)
{
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

} // namespace

TDispositifForm::TDispositifForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Configuration du schéma du dispofitif"));
    setFont(Police(font(), 11, false));
    setFixedSize(390, 336);

    auto* titre = Texte("Teinte des lentilles dans l'ordre d'incidence", this, 10, 4, 370, 18);
    titre->setFont(Police(font(), 13, false));
    auto* cadre = new QFrame(this);
    cadre->setFrameShape(QFrame::Box);
    cadre->setGeometry(10, 24, 370, 196);
    Fond = new TImageVue(LargeurFondTeintes, HauteurFondTeintes, this);
    Fond->move(FondX, FondY);
    Texte("Choisissez une couleur et ajustez sa teinte en modifiant ses composantes", this, FondX, 170, 335, 40);

    const auto libelle = [this](const char* texte, int x, int largeur) {
        QLabel* l = Texte(texte, this, FondX + x, FondY + RangeeComposantes + 1, largeur, 15);
        l->setWordWrap(false);
        l->installEventFilter(this);
        return l;
    };
    LabelRouge = libelle("Rouge :", 20, 42);
    IntRouge = libelle("", 62, 24);
    LabelVert = libelle("Vert :", 142, 31);
    IntVert = libelle("", 173, 24);
    LabelBleu = libelle("Bleu :", 254, 31);
    IntBleu = libelle("", 285, 24);
    CaseRVB = new TCaseRVB(this);
    BtnGauche = new TImageVue(LargeurBouton, HauteurBouton, this);
    BtnGauche->move(FondX + (LargeurFondTeintes - LargeurBouton) / 2, FondY + 86);
    BtnGauche->installEventFilter(this);

    auto* limite = Texte("Indice de réfraction limite =", this, 10, 230, 190, 18);
    limite->setFont(Police(font(), 13, false));
    SaisieIndiceLimite = new QLineEdit(this);
    SaisieIndiceLimite->setGeometry(205, 228, 48, 21);
    SaisieIndiceLimite->setMaxLength(4);
    SaisieIndiceLimite->installEventFilter(this);
    Texte("Quivane dessine la coupe des lentilles dont l'indice de réfraction est supérieur à cette valeur. "
          "(Valeur conseillée = 1.1)",
          this, 10, 254, 370, 36);
    ButtonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ButtonAide = new QPushButton(QStringLiteral("&Aide"), this);
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    ButtonAnnuler->setGeometry(120, 300, 80, 26);
    ButtonAide->setGeometry(210, 300, 80, 26);
    ButtonOk->setGeometry(300, 300, 80, 26);
    ButtonOk->setDefault(true);
    setTabOrder(SaisieIndiceLimite, ButtonOk);
    setTabOrder(ButtonOk, ButtonAide);
    setTabOrder(ButtonAide, ButtonAnnuler);

    connect(Fond, &TImageVue::SourisRelachee, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { FondMouseUp(x, y); });
    connect(CaseRVB, &TCaseRVB::Pas, this, &TDispositifForm::CaseRVBPas);
    connect(BtnGauche, &TImageVue::SourisEnfoncee, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, bool, int, int) { BtnGaucheMouseDown(); });
    connect(BtnGauche, &TImageVue::SourisRelachee, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { BtnGaucheMouseUp(); });
    connect(ButtonOk, &QPushButton::clicked, this, &TDispositifForm::ButtonOkClick);
    connect(ButtonAide, &QPushButton::clicked, this, &TDispositifForm::ButtonAideClick);
    connect(ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    Prepare(TeintesInitiales());
}

void TDispositifForm::Prepare(const TTeintesDialogue& teintes)
{
    Teintes = teintes;
    SaisieIndiceLimite->setText(QString::fromStdString(TexteIndiceLimite(Teintes.IndiceLimiteSaisi)));
    DessineBoutonGauche(TEtatBouton::Normal);
    DessineTeintes();
}

void TDispositifForm::DessineTeintes()
{
    ::DessineTeintes(Fond->Canevas(), Teintes);
    Fond->update();
    const bool choisie = Teintes.TeinteSelectionnee >= 0;
    const std::array<QLabel*, 3> valeurs = {IntRouge, IntVert, IntBleu};
    for (int k = 1; k <= 3; ++k)
        valeurs[static_cast<std::size_t>(k - 1)]->setText(QString::number(ValeurComposante(Teintes, k)));
    for (QWidget* controle : std::initializer_list<QWidget*>{LabelRouge, LabelVert, LabelBleu, IntRouge, IntVert,
                                                             IntBleu, CaseRVB, BtnGauche})
        controle->setVisible(choisie);
    CaseRVB->move(FondX + PositionCaseRVB(Teintes.ComposanteTeinte), FondY + RangeeComposantes);
    CaseRVB->Montre(ValeurComposante(Teintes, Teintes.ComposanteTeinte));
}

// The arrow button's picture: a left arrow on a raised face, lit under the mouse, sunken while pressed.
void TDispositifForm::DessineBoutonGauche(TEtatBouton etat)
{
    ICanevas& c = BtnGauche->Canevas();
    const bool enfonce = etat == TEtatBouton::Enfonce;
    c.Stylo() = {clGray, 1, TStyleStylo::Plein};
    c.Pinceau() = {etat == TEtatBouton::Survole ? clWhite : clBtnFace, TStylePinceau::Plein};
    c.Rectangle(0, 0, LargeurBouton, HauteurBouton);
    c.Stylo().Couleur = enfonce ? clGray : clWhite;
    c.MoveTo(1, HauteurBouton - 2);
    c.LineTo(1, 1);
    c.LineTo(LargeurBouton - 1, 1);
    const int decalage = enfonce ? 1 : 0;
    const int milieu = HauteurBouton / 2 + decalage;
    const int centre = LargeurBouton / 2 + decalage;
    c.Stylo().Couleur = clNavy;
    c.Pinceau() = {clNavy, TStylePinceau::Plein};
    const std::array<TPointCanevas, 3> pointe = {
        {{centre - 30, milieu}, {centre - 14, milieu - 9}, {centre - 14, milieu + 9}}};
    c.Polygon(pointe);
    c.FillRect(centre - 14, milieu - 3, centre + 30, milieu + 4);
    BtnGauche->update();
}

void TDispositifForm::FondMouseUp(int x, int y)
{
    ::FondMouseUp(Teintes, x, y);
    DessineTeintes();
}

void TDispositifForm::ComposanteClick(int composante)
{
    Teintes.ComposanteTeinte = composante;
    DessineTeintes();
}

void TDispositifForm::CaseRVBPas(bool haut)
{
    PasTeinte(Teintes, haut);
    DessineTeintes();
}

void TDispositifForm::BtnGaucheMouseDown()
{
    DessineBoutonGauche(TEtatBouton::Enfonce);
    DeplaceTeinteAGauche(Teintes);
    DessineTeintes();
}

void TDispositifForm::BtnGaucheMouseUp()
{
    DessineBoutonGauche(BtnGauche->underMouse() ? TEtatBouton::Survole : TEtatBouton::Normal);
}

void TDispositifForm::ValideIndiceLimite()
{
    if (EnValidation_)
        return;
    EnValidation_ = true;
    MontreValidation(SaisieIndiceLimite, ::ValideIndiceLimite(Teintes, SaisieIndiceLimite->text().toStdString()));
    EnValidation_ = false;
}

void TDispositifForm::SaisieIndiceLimiteExit()
{
    ValideIndiceLimite();
}

void TDispositifForm::SaisieIndiceLimiteKeyPress(int touche)
{
    if (touche == ToucheEchap)
        SaisieIndiceLimite->setText(QString::fromStdString(FormateNombre(Teintes.IndiceLimiteSaisi, "0.00")));
    else if (touche == ToucheEntree)
    {
        ValideIndiceLimite();
        ButtonOk->setFocus();
    }
}

// A limit typed and not yet validated counts: OK takes the box's text first.
void TDispositifForm::ButtonOkClick()
{
    ValideIndiceLimite();
    ValideTeintes(Teintes);
    accept();
}

void TDispositifForm::ButtonAideClick()
{
    Services().Aide->AfficheSommaire();
}

bool TDispositifForm::eventFilter(QObject* objet, QEvent* evenement)
{
    const QEvent::Type type = evenement->type();
    if (objet == SaisieIndiceLimite)
    {
        if (type == QEvent::KeyPress)
        {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Escape)
            {
                SaisieIndiceLimiteKeyPress(touche == Qt::Key_Escape ? ToucheEchap : ToucheEntree);
                return true;
            }
        }
        else if (QuitteLaBoite(evenement))
            SaisieIndiceLimiteExit();
    }
    else if (objet == BtnGauche && (type == QEvent::Enter || type == QEvent::Leave))
        DessineBoutonGauche(type == QEvent::Enter ? TEtatBouton::Survole : TEtatBouton::Normal);
    else if (type == QEvent::MouseButtonRelease)
    {
        const std::array<QObject*, 6> composantes = {LabelRouge, LabelVert, LabelBleu, IntRouge, IntVert, IntBleu};
        for (std::size_t k = 0; k < composantes.size(); ++k)
            if (objet == composantes[k])
                ComposanteClick(static_cast<int>(k % 3) + 1);
    }
    return QDialog::eventFilter(objet, evenement);
}

void TDispositifForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        ButtonAideClick();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void ConfigdispoExecute()
{
    PortsEdition.FermeCadresEtRafraichit();
    DispositifForm->Prepare(TeintesInitiales());
    const TPaletteTeintes teintes = Reglages.TeinteVerre;
    const float limite = Reglages.IndiceLimite;
    DispositifForm->exec();
    TermineConfigDispositif(teintes, limite);
}
