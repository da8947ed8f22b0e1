// The glass catalogue window: its list page and its edit page, painted on one page image.
#include "dialogs/Index.h"

#include "editing/Nombres.h"
#include "platform/Format.h"
#include "platform/ImageVue.h"
#include "platform/Services.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

namespace {

const char* const TitreCatalogue = "Quivane - Choix des Indices de réfraction";
constexpr int LargeurFond = 367;
constexpr int HauteurFond = 497;
constexpr int LignesVisibles = 24;
constexpr int HauteurLigne = 16;
// The list's columns: Abbe number, red, green and blue indices, name.
constexpr std::array<int, 6> BordsColonnes = {35, 80, 150, 220, 290, 360};
constexpr int HautEntetes = 35;
constexpr int BasEntetes = 70;
constexpr int HautListe = 53;
constexpr int BasListe = 454;
// The edit page: first row's top, last row's bottom (the spare row included).
constexpr int HautFiche = 99;
constexpr int BasFiche = 483;
constexpr int LigneSupplementaire = 24;
constexpr TColor Blanc = 0xFFFFFF;
constexpr std::array<TColor, 3> FondsRaies = {CouleurRVB(255, 208, 208), CouleurRVB(208, 255, 208),
                                              CouleurRVB(208, 208, 255)};

// Both go with the main window that owns them.
QPointer<TIndicesForm> Catalogue;
QPointer<QWidget> Parent;

// The window is created, and the file checked, at the first use of the catalogue.
TIndicesForm* AssureCatalogue()
{
    if (Catalogue == nullptr)
        Catalogue = new TIndicesForm(Parent);
    return Catalogue;
}

void Police(ICanevas& c, int hauteur, bool gras = false)
{
    c.Police().Nom = "Arial";
    c.Police().FixeHauteur(hauteur);
    c.Police().Gras = gras;
    c.Police().Couleur = clBlack;
}

void Cellule(ICanevas& c, int x1, int y1, int x2, int y2, TColor fond)
{
    c.Pinceau().Couleur = fond;
    c.Pinceau().Style = TStylePinceau::Plein;
    c.Stylo().Couleur = clBlack;
    c.Rectangle(x1, y1, x2, y2);
}

void TexteCentre(ICanevas& c, int x1, int x2, int y, const std::string& texte)
{
    c.Pinceau().Style = TStylePinceau::Transparent;
    c.TextOut(x1 + (x2 - x1 - c.TextWidth(texte)) / 2, y, texte);
}

void Texte(ICanevas& c, int x, int y, const std::string& texte)
{
    c.Pinceau().Style = TStylePinceau::Transparent;
    c.TextOut(x, y, texte);
}

void Titre(ICanevas& c, const std::string& titre)
{
    c.Pinceau().Couleur = clBtnFace;
    c.Pinceau().Style = TStylePinceau::Plein;
    c.FillRect(0, 0, LargeurFond, HauteurFond);
    Police(c, -20, true);
    TexteCentre(c, 0, LargeurFond, 0, titre);
    Police(c, -11);
}

std::array<TLongueurOnde, 3> LignesChoisies()
{
    return {LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte, LongueursOnde.LongueurOndeBleue};
}

bool LigneChoisie(TLongueurOnde ligne)
{
    return ligne >= 1 && ligne <= NombreLongueursOnde;
}

// A caption too wide for its button breaks at the blank nearest its middle, as the buttons' two lines allow.
QString SurDeuxLignes(QString texte, const QFontMetrics& mesure, int largeur)
{
    if (mesure.horizontalAdvance(texte) <= largeur)
        return texte;
    const int milieu = static_cast<int>(texte.size()) / 2;
    int coupure = -1;
    for (int k = 0; k < texte.size(); ++k)
        if (texte[k] == u' ' && (coupure < 0 || std::abs(k - milieu) < std::abs(coupure - milieu)))
            coupure = k;
    if (coupure >= 0)
        texte[coupure] = u'\n';
    return texte;
}

void MessageLecture()
{
    AfficheMessageCatalogue("Quivane - Lecture d'un fichier", "Erreur de lecture d'un fichier");
}

} // namespace

bool EditeUnVerre(TModeCatalogue mode)
{
    switch (mode)
    {
    case TModeCatalogue::Nouveau:
    case TModeCatalogue::Editer: return true;
    case TModeCatalogue::Liste:
    case TModeCatalogue::Selectionner: return false;
    }
    return false;
}

TIndicesForm::TIndicesForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(TitreCatalogue));
    setFixedSize(405, 526);
    Fond = new TImageVue(LargeurFond, HauteurFond, this);
    Fond->move(0, 0);
    const auto bouton = [this](const char* texte, int x, int largeur) {
        auto* b = new QPushButton(this);
        b->setGeometry(x, 473, largeur, 41);
        QFont police = b->font();
        police.setPixelSize(11);
        b->setFont(police);
        b->setText(SurDeuxLignes(QString::fromUtf8(texte), QFontMetrics(police), largeur - 8));
        return b;
    };
    Bouton_Selectionner = bouton("Sélectionner ce matériau", 24, 73);
    Bouton_Editer = bouton("Editer ce matériau", 121, 73);
    Bouton_Nouveau = bouton("Nouveau matériau", 218, 73);
    Bouton_Annuler = bouton("Annuler", 315, 73);
    Bouton_Valider = bouton("Valider ce matériau et enregistrer", 56, 106);
    Ascenseur = new QScrollBar(Qt::Vertical, this);
    Ascenseur->setGeometry(361, 70, 17, 384);
    Saisie = new QLineEdit(this);
    Saisie->hide();
    Saisie->installEventFilter(this);
    for (std::size_t k = 0; k < Fleches.size(); ++k)
    {
        Fleches[k] = new QToolButton(this);
        Fleches[k]->setArrowType(Qt::UpArrow);
        Fleches[k]->setCheckable(true);
        Fleches[k]->setGeometry(BordsColonnes[k + 1] - 18 + 1, HautEntetes, 18, 18);
        const auto colonne = static_cast<TColonneCatalogue>(k + 1);
        connect(Fleches[k], &QToolButton::clicked, this, [this, colonne] { TriClick(colonne); });
    }
    connect(Fond, &TImageVue::SourisRelachee, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { FondMouseUp(x, y); });
    connect(Fond, &TImageVue::DoubleClic, this, [this](int, int) { FondDblClick(); });
    connect(Bouton_Selectionner, &QPushButton::clicked, this, &TIndicesForm::Bouton_SelectionnerClick);
    connect(Bouton_Editer, &QPushButton::clicked, this, &TIndicesForm::Bouton_EditerClick);
    connect(Bouton_Nouveau, &QPushButton::clicked, this, &TIndicesForm::Bouton_NouveauClick);
    connect(Bouton_Annuler, &QPushButton::clicked, this, &TIndicesForm::Bouton_AnnulerClick);
    connect(Bouton_Valider, &QPushButton::clicked, this, &TIndicesForm::Bouton_ValiderClick);
    connect(Ascenseur, &QScrollBar::valueChanged, this, &TIndicesForm::AscenseurChange);
    VerifieCatalogue();
    AfficheListeMatieres();
}

void TIndicesForm::Montre(TUsageCatalogue usage)
{
    switch (usage)
    {
    case TUsageCatalogue::Choix: exec(); return;
    case TUsageCatalogue::Table:
    {
        const TColonneCatalogue tri = TriColonne;
        setWindowTitle(QStringLiteral("Quivane - Table des indices de réfraction"));
        TriColonne = TColonneCatalogue::Nom;
        LigneSelectionneeCatalogue = 0;
        exec();
        setWindowTitle(QString::fromUtf8(TitreCatalogue));
        TriColonne = tri;
        return;
    }
    }
}

void TIndicesForm::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    AfficheListeMatieres();
}

void TIndicesForm::AfficheListeMatieres()
{
    ModeCatalogue = TModeCatalogue::Liste;
    Bouton_Nouveau->show();
    Bouton_Annuler->show();
    Bouton_Selectionner->hide();
    Bouton_Editer->hide();
    Bouton_Valider->hide();
    Saisie->hide();
    for (std::size_t k = 0; k < Fleches.size(); ++k)
    {
        Fleches[k]->show();
        Fleches[k]->setChecked(static_cast<int>(k) + 1 == static_cast<int>(TriColonne));
    }
    ICanevas& c = Fond->Canevas();
    Titre(c, "Indices de réfraction");
    for (std::size_t k = 0; k + 1 < BordsColonnes.size(); ++k)
        Cellule(c, BordsColonnes[k], HautEntetes, BordsColonnes[k + 1] + 1, BasEntetes + 1, clBtnFace);
    const std::array<TLongueurOnde, 3> lignes = LignesChoisies();
    if (LigneChoisie(lignes[0]))
        TexteCentre(c, BordsColonnes[0], BordsColonnes[1] - 18, 45, "ν");
    const std::array<const char*, 3> entetes = {"N Rouge", "N Vert", "N Bleu"};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int x = BordsColonnes[k + 1];
        Texte(c, x + 5, 37, entetes[k]);
        if (LigneChoisie(lignes[k]))
            Texte(c, x + 3, 53,
                  "λ = " + FormateNombre(TableLongueursOnde[static_cast<std::size_t>(lignes[k])], "#0.#") +
                      (lignes[k] == 1 ? "nm" : " nm"));
    }
    Texte(c, 295, 45, "Matériau");

    const TCatalogueLu catalogue = LitCatalogue();
    NombreMatieres = static_cast<int>(catalogue.Matieres.size());
    if (catalogue.Erreur)
        MessageLecture();
    if (NombreMatieres <= LignesVisibles)
    {
        Ascenseur->hide();
        PremiereLigneCatalogue = 0;
    }
    else
    {
        const QSignalBlocker bloque(Ascenseur);
        Ascenseur->setRange(0, NombreMatieres - LignesVisibles);
        Ascenseur->setPageStep(LignesVisibles);
        Ascenseur->show();
        PremiereLigneCatalogue = std::min(Ascenseur->value(), NombreMatieres - LignesVisibles);
    }
    const std::vector<int> ordre = OrdreMatieres(catalogue, TriColonne, LongueursOnde);
    const bool selection = LigneSelectionneeCatalogue >= 1 && LigneSelectionneeCatalogue <= LignesVisibles;
    Bouton_Selectionner->setVisible(selection);
    Bouton_Editer->setVisible(selection);
    NumeroMatiereLigne.fill(0);
    for (int i = 1; i <= LignesVisibles; ++i)
    {
        const int y = HautListe + HauteurLigne * i;
        const TColor fond = i == LigneSelectionneeCatalogue ? Blanc : clBtnFace;
        for (std::size_t k = 0; k + 1 < BordsColonnes.size(); ++k)
            Cellule(c, BordsColonnes[k], y, BordsColonnes[k + 1] + 1, y + HauteurLigne + 1, fond);
        const int position = PremiereLigneCatalogue + i;
        if (position > NombreMatieres)
            continue;
        const int numero = ordre[static_cast<std::size_t>(position - 1)];
        NumeroMatiereLigne[static_cast<std::size_t>(i)] = numero;
        const TMatiereCatalogue& m = catalogue.Matieres[static_cast<std::size_t>(numero - 1)];
        const std::string abbe = TexteAbbe(m, LongueursOnde);
        if (abbe != "0")
            Texte(c, BordsColonnes[0] + 2, y + 2, "   " + abbe);
        for (std::size_t k = 0; k < 3; ++k)
            Texte(c, BordsColonnes[k + 1] + 2, y + 2,
                  "   " + FormateNombre(LitNombre(TexteIndiceLigne(m, lignes[k]), PolitiqueDialogue), "#0.000000"));
        Texte(c, BordsColonnes[4] + 3, y + 2, m.Lignes[0]);
    }
    Fond->update();
    if (isVisible())
        Bouton_Annuler->setFocus();
}

void TIndicesForm::AfficheFicheMatiere()
{
    for (QToolButton* fleche : Fleches)
        fleche->hide();
    Bouton_Selectionner->hide();
    Bouton_Editer->hide();
    Bouton_Nouveau->hide();
    Bouton_Annuler->show();
    Bouton_Valider->setVisible(ModeCatalogue == TModeCatalogue::Editer || !Materiau.Nom.empty());
    ICanevas& c = Fond->Canevas();
    Titre(c, "Nouveau matériau");
    Cellule(c, 40, 30, 145, 50, clBtnFace);
    TexteCentre(c, 40, 150, 32, "Nom du matériau :");
    Cellule(c, 144, 30, 280, 50, Blanc);
    Texte(c, 149, 32, Materiau.Nom.substr(0, 23));
    const std::array<std::array<const char*, 3>, 3> entetes = {
        {{"Désignation", "de", "l'indice"}, {"Longueur", "d'onde", "(nm)"}, {"Indice", "de", "réfraction"}}};
    const std::array<int, 4> bords = {40, 129, 199, 290};
    for (std::size_t k = 0; k < 3; ++k)
    {
        Cellule(c, bords[k], 55, bords[k + 1] + 1, HautFiche + 1, clBtnFace);
        for (std::size_t l = 0; l < 3; ++l)
            TexteCentre(c, bords[k], bords[k + 1], std::array<int, 3>{57, 71, 83}[l], entetes[k][l]);
    }
    const std::array<TLongueurOnde, 3> lignes = LignesChoisies();
    for (int i = 1; i <= NombreLongueursOnde; ++i)
    {
        TColor fond = clBtnFace;
        for (std::size_t k = 0; k < 3; ++k)
            if (lignes[k] == i)
                fond = FondsRaies[k];
        const int y = 82 + HauteurLigne * i;
        for (std::size_t k = 0; k < 3; ++k)
            Cellule(c, bords[k], y, bords[k + 1] + 1, y + 17, fond);
        const auto ligne = static_cast<std::size_t>(i);
        TexteCentre(c, bords[0], bords[1], y + 2, NomsLongueursOnde[ligne]);
        const std::string nm = FormateNombre(TableLongueursOnde[ligne], "#0.0");
        Texte(c, 170 - c.TextWidth(nm), y + 2, nm);
        if (Materiau.Indices[ligne] >= 1)
            Texte(c, 214, y + 2, FormateNombre(Materiau.Indices[ligne], "#0.000000"));
    }
    Fond->update();
    if (LigneEdition <= 0)
    {
        Saisie->setGeometry(145, 31, 134, 18);
        Saisie->setMaxLength(23);
        Saisie->setText(QString::fromStdString(Materiau.Nom));
    }
    else
    {
        Saisie->setGeometry(200, HautFiche + HauteurLigne * (LigneEdition - 1), 90, 15);
        Saisie->setMaxLength(8);
        const float indice =
            LigneEdition <= NombreLongueursOnde ? Materiau.Indices[static_cast<std::size_t>(LigneEdition)] : 0.0f;
        Saisie->setText(indice >= 1 ? QString::fromStdString(FormateNombre(indice, "#0.000000")) : QString());
    }
    Saisie->show();
    Saisie->selectAll();
    Saisie->setFocus();
}

void TIndicesForm::ValideIndiceMatiere()
{
    ErreurLecture = false;
    const std::string texte = Saisie->text().toStdString();
    if (LigneEdition == 0)
    {
        Materiau.Nom = texte;
        return;
    }
    if (LigneEdition < 1 || LigneEdition > LigneSupplementaire)
        return;
    float valeur = 0;
    switch (ValeurIndiceMatiere(texte, valeur))
    {
    case TValeurIndice::Ignoree: break;
    case TValeurIndice::Negative: Services().Bip->Bip(BipDefaut); break;
    case TValeurIndice::Stockee:
        // The spare row below the last line is never saved.
        if (LigneEdition <= NombreLongueursOnde)
            Materiau.Indices[static_cast<std::size_t>(LigneEdition)] = valeur;
        break;
    case TValeurIndice::Refusee:
        ErreurLecture = true;
        Services().Bip->Bip(BipDefaut);
        break;
    }
}

void TIndicesForm::SaisieTouche(int touche)
{
    if (!EditeUnVerre(ModeCatalogue))
        return;
    switch (touche)
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ValideIndiceMatiere();
        if (!ErreurLecture)
            LigneEdition = LigneEdition >= NombreLongueursOnde ? 0 : LigneEdition + 1;
        AfficheFicheMatiere();
        break;
    case Qt::Key_Up:
        ValideIndiceMatiere();
        LigneEdition = LigneEdition <= 0 ? NombreLongueursOnde : LigneEdition - 1;
        AfficheFicheMatiere();
        break;
    case Qt::Key_Down:
        ValideIndiceMatiere();
        LigneEdition = LigneEdition >= NombreLongueursOnde ? 0 : LigneEdition + 1;
        AfficheFicheMatiere();
        break;
    case Qt::Key_Escape: AfficheListeMatieres(); break;
    default: break;
    }
}

void TIndicesForm::SaisieExit()
{
    if (!EditeUnVerre(ModeCatalogue) || !Saisie->isVisible())
        return;
    // Only a name can be another material's: an index row's text is no name.
    if (LigneEdition == 0 && NomDejaEnregistre(Saisie->text().toStdString(), NumeroSelectionne()))
    {
        AfficheMessageCatalogue("Quivane - Vérification du matériau",
                                "Erreur : Un matériau est déjà enregistré sous ce nom.");
        LigneEdition = LigneSupplementaire;
        AfficheFicheMatiere();
        return;
    }
    ValideIndiceMatiere();
}

bool TIndicesForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Saisie && evenement->type() == QEvent::KeyPress)
    {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Up || touche == Qt::Key_Down ||
            touche == Qt::Key_Escape)
        {
            SaisieTouche(touche);
            return true;
        }
    }
    if (objet == Saisie && evenement->type() == QEvent::FocusOut)
    {
        // A message box or a menu taking the focus for a moment is no leaving of the box.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (raison != Qt::PopupFocusReason && raison != Qt::ActiveWindowFocusReason)
            SaisieExit();
    }
    return QDialog::eventFilter(objet, evenement);
}

void TIndicesForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        Services().Aide->AfficheSommaire();
    // Esc acts as "Annuler": back to the list from an edit page, closing from the list.
    else if (evenement->key() == Qt::Key_Escape)
        Bouton_AnnulerClick();
    else
        QDialog::keyPressEvent(evenement);
}

void TIndicesForm::FondMouseUp(int x, int y)
{
    if (ModeCatalogue == TModeCatalogue::Liste)
    {
        if (x > BordsColonnes.front() && x < BordsColonnes.back() && y > BasEntetes && y < BasListe)
        {
            const int ligne = (y - BasEntetes) / HauteurLigne + 1;
            LigneSelectionneeCatalogue = PremiereLigneCatalogue + ligne <= NombreMatieres ? ligne : 0;
        }
        else
            LigneSelectionneeCatalogue = 0;
        AfficheListeMatieres();
        return;
    }
    if (!EditeUnVerre(ModeCatalogue))
        return;
    if (x > 145 && x < 280 && y > 30 && y < 49)
    {
        ValideIndiceMatiere();
        LigneEdition = 0;
        AfficheFicheMatiere();
    }
    else if (x > BordsColonnes.front() && x < BordsColonnes.back() && y > HautFiche && y < BasFiche)
    {
        ValideIndiceMatiere();
        LigneEdition = (y - HautFiche) / HauteurLigne + 1;
        AfficheFicheMatiere();
    }
}

void TIndicesForm::FondDblClick()
{
    if (NumeroSelectionne() != 0)
        SelectionneMatiere();
}

void TIndicesForm::Bouton_SelectionnerClick()
{
    if (ModeCatalogue == TModeCatalogue::Liste && NumeroSelectionne() != 0)
        SelectionneMatiere();
}

void TIndicesForm::Bouton_EditerClick()
{
    if (ModeCatalogue == TModeCatalogue::Liste && NumeroSelectionne() != 0)
        ChargeMatiere();
}

void TIndicesForm::Bouton_NouveauClick()
{
    ModeCatalogue = TModeCatalogue::Nouveau;
    Materiau = TMateriau{};
    LigneSelectionneeCatalogue = 0;
    Ascenseur->hide();
    LigneEdition = 0;
    AfficheFicheMatiere();
}

void TIndicesForm::Bouton_ValiderClick()
{
    if (ModeCatalogue == TModeCatalogue::Nouveau && !Materiau.Nom.empty())
        EnregistreMatiere(0, Materiau);
    else if (ModeCatalogue == TModeCatalogue::Editer && NumeroSelectionne() != 0)
        EnregistreMatiere(NumeroSelectionne(), Materiau);
    AfficheListeMatieres();
}

void TIndicesForm::Bouton_AnnulerClick()
{
    if (ModeCatalogue == TModeCatalogue::Liste)
        reject();
    else
        AfficheListeMatieres();
}

void TIndicesForm::TriClick(TColonneCatalogue colonne)
{
    TriColonne = colonne;
    if (ModeCatalogue == TModeCatalogue::Liste)
        AfficheListeMatieres();
}

void TIndicesForm::AscenseurChange(int position)
{
    if (ModeCatalogue != TModeCatalogue::Liste)
        return;
    PremiereLigneCatalogue = std::min(position, std::max(0, NombreMatieres - LignesVisibles));
    LigneSelectionneeCatalogue = 0;
    AfficheListeMatieres();
}

int TIndicesForm::NumeroSelectionne() const
{
    const int ligne = LigneSelectionneeCatalogue;
    return ligne >= 1 && ligne <= LignesVisibles ? NumeroMatiereLigne[static_cast<std::size_t>(ligne)] : 0;
}

const TMatiereCatalogue* TIndicesForm::MatiereSelectionneeLue(TCatalogueLu& catalogue) const
{
    catalogue = LitCatalogue(false);
    if (catalogue.Erreur)
        MessageLecture();
    const int numero = NumeroSelectionne();
    if (numero < 1 || numero > static_cast<int>(catalogue.Matieres.size()))
        return nullptr;
    return &catalogue.Matieres[static_cast<std::size_t>(numero - 1)];
}

void TIndicesForm::ChargeMatiere()
{
    ModeCatalogue = TModeCatalogue::Editer;
    Ascenseur->hide();
    TCatalogueLu catalogue;
    if (const TMatiereCatalogue* m = MatiereSelectionneeLue(catalogue))
    {
        Materiau.Nom = m->Lignes[0];
        for (std::size_t k = 1; k < m->Lignes.size(); ++k)
            Materiau.Indices[k] = static_cast<float>(LitNombre(m->Lignes[k], PolitiqueDialogue));
    }
    LigneEdition = 0;
    AfficheFicheMatiere();
}

void TIndicesForm::SelectionneMatiere()
{
    ModeCatalogue = TModeCatalogue::Selectionner;
    TCatalogueLu catalogue;
    if (const TMatiereCatalogue* m = MatiereSelectionneeLue(catalogue))
        ::SelectionneMatiere(*m);
    accept();
}

void FixeParentCatalogue(QWidget* parent)
{
    Parent = parent;
}

// Without the main window there is no catalogue window: the catalogue reads as missing and nothing is chosen.
TCatalogueLu LitCatalogueFenetre()
{
    if (Parent == nullptr)
        return TCatalogueLu{{}, true};
    AssureCatalogue();
    return LitCatalogue();
}

void MontreCatalogue()
{
    if (Parent != nullptr)
        AssureCatalogue()->Montre();
}

void MontreTableCatalogue()
{
    if (Parent != nullptr)
        AssureCatalogue()->Montre(TUsageCatalogue::Table);
}
