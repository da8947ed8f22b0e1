// The page's widgets that show what the views and the sheet's blocks leave in their records.
#include "app/CablageVues.h"

#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/Rafraichissement.h"
#include "editing/ClicsFiche.h"
#include "editing/OuvreCellules.h"
#include "editing/BoiteSaisie.h"
#include "editing/OuvreSaisie.h"
#include "editing/SourisTableaux.h"
#include "optics/Modele.h"
#include "platform/CanevasQt.h"
#include "platform/Couleurs.h"
#include "platform/ImageVue.h"
#include "sections/Cadre.h"
#include "sections/CoupeDispositif.h"
#include "sheet/BlocSchmidt.h"
#include "sheet/Fiche.h"
#include "sheet/TableauGroupe.h"
#include "stars/EtoileUnique.h"
#include "stars/PageEtoiles.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <array>

namespace {

// Sizes of the controls the records leave unsized; the blocks and views set only their places.
void DimensionneControles(const QFontMetrics& mesure)
{
    const auto taille = [](TControle& controle, int largeur, int hauteur) {
        if (controle.Width == 0)
            controle.Width = largeur;
        if (controle.Height == 0)
            controle.Height = hauteur;
    };
    taille(Controles.BoxDistance, 50, 17);
    taille(Controles.BoutonRayons, 180, 17);
    taille(Controles.LabelDistanceAxe, mesure.horizontalAdvance(QStringLiteral("Distance à l'axe = ")) + 2, 15);
    taille(Controles.LabelUnites, 20, 15);
    taille(Controles.LabelOcculte, 0, 15);
    taille(Controles.BoutonLame, 260, 17);
    taille(Controles.BoutonChampCourbe, 100, 21);
}

QFont PoliceControles(const QWidget* page)
{
    QFont police = page->font();
    police.setFamily(QStringLiteral("Liberation Sans"));
    police.setPixelSize(11);
    return police;
}

// The box's arrows start where its clicks start stepping instead of opening the value.
constexpr int DebutFleches = 36;

// The distance box's own picture: the white value cell on the left, two arrows on a button face on the right; the
// views repaint only the value cell.
void DessineBoiteDistance(ICanevas& c)
{
    const int largeur = c.Largeur();
    const int hauteur = c.Hauteur();
    c.Stylo() = TStylo{};
    c.Pinceau() = {clWhite, TStylePinceau::Plein};
    c.Rectangle(0, 0, largeur, hauteur);
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.Rectangle(DebutFleches, 0, largeur, hauteur);
    c.MoveTo(DebutFleches, hauteur / 2);
    c.LineTo(largeur, hauteur / 2);
    c.Pinceau() = {clBlack, TStylePinceau::Plein};
    const int milieu = (DebutFleches + largeur) / 2;
    const std::array<TPointCanevas, 3> haut = {{{milieu - 3, 6}, {milieu + 3, 6}, {milieu, 3}}};
    const std::array<TPointCanevas, 3> bas = {
        {{milieu - 3, hauteur - 7}, {milieu + 3, hauteur - 7}, {milieu, hauteur - 4}}};
    c.Polygon(haut);
    c.Polygon(bas);
}

void Place(QWidget* widget, const TControle& controle)
{
    widget->setGeometry(controle.Left, controle.Top, controle.Width, controle.Height);
    widget->setVisible(controle.Visible);
    widget->update();
}

} // namespace

TCablageVues::TCablageVues(QWidget* fiche, QWidget* ligne, QWidget* saisie, QStatusBar* barreEtat)
    : QObject(fiche), BarreEtat_(barreEtat)
{
    // The group images lie under the row highlights, the other controls under the edit box that may open on them.
    const auto image = [fiche, ligne](int largeur, int hauteur) {
        auto* vue = new TImageVue(largeur, hauteur, fiche);
        vue->hide();
        vue->stackUnder(ligne);
        return vue;
    };
    TableauKlevtsov = image(762, 284);
    CaseZf = image(75, 17);
    LigneMiroir = image(762, 17);
    EpaisseurOff = image(47, 17);
    const QFont police = PoliceControles(fiche);
    const auto controle = [fiche, saisie, &police](QWidget* widget) {
        widget->setParent(fiche);
        widget->setFont(police);
        widget->hide();
        widget->stackUnder(saisie);
    };
    BoxDistance = new TImageVue(50, 17, fiche);
    DessineBoiteDistance(BoxDistance->Canevas());
    controle(BoxDistance);
    BoutonLame = new QPushButton;
    BoutonChampCourbe = new QPushButton;
    BoutonRayons = new QPushButton;
    LabelDistanceAxe = new QLabel(QStringLiteral("Distance à l'axe = "));
    LabelUnites = new QLabel;
    LabelOcculte = new QLabel;
    CheckBox1 = new QCheckBox(QStringLiteral("Secondaire métallisé sur la lame"));
    for (QWidget* widget : std::initializer_list<QWidget*>{BoutonLame, BoutonChampCourbe, BoutonRayons,
                                                           LabelDistanceAxe, LabelUnites, LabelOcculte, CheckBox1})
        controle(widget);
    // The entry box keeps the keyboard: a click on these is not a move away from the value being typed.
    for (QAbstractButton* bouton :
         std::initializer_list<QAbstractButton*>{BoutonLame, BoutonChampCourbe, BoutonRayons, CheckBox1})
        bouton->setFocusPolicy(Qt::NoFocus);
    QFont gras = police;
    gras.setBold(true);
    LabelOcculte->setFont(gras);
    LabelOcculte->setAutoFillBackground(true);
    DimensionneControles(QFontMetrics(police));

    ImagesGroupe = {&TableauKlevtsov->Canevas(), &CaseZf->Canevas(), &LigneMiroir->Canevas(), &EpaisseurOff->Canevas()};
    ImagesEtoiles.BoiteDistance = &BoxDistance->Canevas();

    connect(BoutonLame, &QPushButton::clicked, this, [] { FicheBoutonLameClick(); });
    connect(BoutonChampCourbe, &QPushButton::clicked, this, [] { FicheBoutonChampCourbeClick(); });
    connect(BoutonRayons, &QPushButton::clicked, this, [] { FicheBoutonRayonsClick(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [](bool coche) { FicheCheckBox1Click(coche); });
    connect(BoxDistance, &TImageVue::SourisEnfoncee, this,
            [](Qt::MouseButton bouton, Qt::KeyboardModifiers, bool, int x, int y) {
                if (bouton == Qt::LeftButton)
                    FicheBoxDistanceMouseDown(x, y);
            });
    connect(BoxDistance, &TImageVue::SourisRelachee, this,
            [](Qt::MouseButton bouton, Qt::KeyboardModifiers, int x, int y) {
                if (bouton == Qt::LeftButton)
                    FicheBoxDistanceMouseUp(x, y);
            });
    RelieSouris(TableauKlevtsov, FicheTableauKlevtsovMouseDown, FicheTableauKlevtsovMouseUp);
    RelieSouris(LigneMiroir, FicheLigneMiroirMouseDown, FicheLigneMiroirMouseUp);
    CablageVues = this;
}

TCablageVues::~TCablageVues()
{
    CablageVues = nullptr;
    ImagesGroupe = TImagesGroupe{};
    ImagesEtoiles = TImagesEtoiles{};
}

void TCablageVues::Applique()
{
    const std::pair<QWidget*, const TControle*> places[] = {{TableauKlevtsov, &Controles.TableauKlevtsov},
                                                            {CaseZf, &Controles.CaseZf},
                                                            {LigneMiroir, &Controles.LigneMiroir},
                                                            {EpaisseurOff, &Controles.EpaisseurOff},
                                                            {BoxDistance, &Controles.BoxDistance},
                                                            {BoutonLame, &Controles.BoutonLame},
                                                            {BoutonChampCourbe, &Controles.BoutonChampCourbe},
                                                            {BoutonRayons, &Controles.BoutonRayons},
                                                            {LabelDistanceAxe, &Controles.LabelDistanceAxe},
                                                            {LabelUnites, &Controles.LabelUnites},
                                                            {CheckBox1, &Controles.CheckBox1}};
    for (const auto& [widget, controle] : places)
        Place(widget, *controle);

    CheckBox1->setEnabled(Controles.CheckBox1Active);
    CheckBox1->setChecked(Instrument.SecondaireSurMenisque);
    BoutonLame->setText(QString::fromStdString(LegendesBoutonsLame.BoutonLame));
    BoutonChampCourbe->setText(Instrument.ChampCourbe ? QStringLiteral("Champ courbe") : QStringLiteral("Champ plan"));
    BoutonRayons->setText(QString::fromStdString(LegendesDispositif.BoutonRayons));
    LabelUnites->setText(QString::fromStdString(LegendesDispositif.Unites));

    // The banner sizes itself to its caption and keeps to its place: the drawing's right edge, or a given left.
    LabelOcculte->setText(QString::fromStdString(BandeauOcculte.Legende));
    QPalette palette = LabelOcculte->palette();
    palette.setColor(QPalette::Window, CouleurQt(BandeauOcculte.Couleur));
    palette.setColor(QPalette::WindowText, Qt::white);
    LabelOcculte->setPalette(palette);
    TControle& bandeau = Controles.LabelOcculte;
    bandeau.Width = LabelOcculte->sizeHint().width();
    bandeau.Left = PositionBandeau(bandeau.Width);
    Place(LabelOcculte, bandeau);
    if (bandeau.Visible)
        LabelOcculte->raise();
}

void TCablageVues::MontreStatut(const std::string& texte)
{
    if (!texte.empty())
        BarreEtat_->showMessage(QString::fromStdString(texte));
}

void RelieSouris(TImageVue* image, void (*appui)(int, int), void (*relache)(int, int))
{
    QObject::connect(image, &TImageVue::SourisEnfoncee, image,
                     [appui](Qt::MouseButton, Qt::KeyboardModifiers, bool, int x, int y) {
                         appui(x, y);
                         MontreBoiteSaisie();
                     });
    QObject::connect(image, &TImageVue::SourisRelachee, image,
                     [relache](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         relache(x, y);
                         MontreBoiteSaisie();
                     });
}

void AppliqueCablageVues()
{
    if (CablageVues != nullptr)
        CablageVues->Applique();
}

void RouvreSaisieApresOuverture()
{
    if (Instrument.TypeInstrument == TTypeInstrument::Lunette)
        OuvreSaisieRayonGroupe();
    else if (Instrument.TypeInstrument != TTypeInstrument::Aucun)
        OuvreSaisieDiametreEntree();
}
