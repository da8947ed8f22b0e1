// The page's widgets of the views in the real main window: what a refresh leaves in the records reaches the screen.
#include "app/CablageVues.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/FichierLecture.h"
#include "app/Principale.h"
#include "app/Rafraichissement.h"
#include "app/Vues.h"
#include "doubles/ApplicationQt.h"
#include "doubles/ServicesDeTest.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "optics/Modele.h"
#include "optics/Initialisation.h"
#include "optics/Validite.h"
#include "platform/ImageVue.h"
#include "sections/Cadre.h"
#include "sheet/Fiche.h"
#include "sheet/TableauGroupe.h"
#include "stars/PageEtoiles.h"
#include "support/Formes.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace {

using T = TTypeInstrument;

class CablageVuesFenetre : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        Principale_ = std::make_unique<TPrincipale>();
    }
    void TearDown() override { Principale_.reset(); }

    // The form built valid, its block expanded, shown in a view through the view's own button.
    void Montre(T forme, TBoutonVue bouton, TVue vue)
    {
        ConstruitFormeValide(forme);
        Affiche(bouton, vue);
    }
    void Affiche(TBoutonVue bouton, TVue vue)
    {
        Edition.InstrumentDeveloppe = true;
        Edition.DispositifDeveloppe = true;
        EnfonceSeul(bouton);
        Etat.VueCourante = vue;
        Edition.AMettreAJour = true;
        RafraichitVue();
    }

    // A Newton of 1000 mm with two BK7 singlets 30 mm before the image.
    void AjouteDispositif()
    {
        const auto ligne = [](int i, double rayon, double epaisseur, bool verre) {
            Dispositif.RayonDioptre[i] = rayon;
            Dispositif.EpaisseurDioptre[i] = epaisseur;
            Dispositif.DiametreDioptre[i] = 40;
            Dispositif.IndiceRouge[i + 1] = verre ? 1.51432f : 1.000276f;
            Dispositif.IndiceVert[i + 1] = verre ? 1.51872f : 1.000278f;
            Dispositif.IndiceBleu[i + 1] = verre ? 1.52283f : 1.00028f;
            Dispositif.MatiereDioptre[i + 1] = verre ? "BK7" : "Air";
        };
        Dispositif.NombreDioptres = 4;
        ligne(1, 100, 5, true);
        ligne(2, -100, 5, false);
        ligne(3, 150, 5, true);
        ligne(4, -150, 30, false);
        AppliqueIndices();
        VerifieValidite();
    }

    static std::set<TColor> Couleurs(TImageVue& image, int haut, int bas)
    {
        std::set<TColor> couleurs;
        TCanevasImage& c = image.Canevas();
        for (int y = haut; y < std::min(bas, c.Hauteur()); ++y)
            for (int x = 0; x < c.Largeur(); x += 2)
                couleurs.insert(c.Pixels(x, y));
        return couleurs;
    }

    std::unique_ptr<TPrincipale> Principale_;
};

TEST_F(CablageVuesFenetre, LaCoupeDUnNewtonSeDessineSousLaFiche)
{
    Montre(T::Newton, TBoutonVue::Instrument, TVue::Instrument);
    TPrincipale& p = *Principale_;
    ASSERT_TRUE(p.Dessin->isVisibleTo(p.Fiche));
    EXPECT_GE(p.Dessin->y(), p.Grille->y() + Controles.Grille.Height);
    // The band holds the light: red rays over the white band and the button face around it.
    const std::set<TColor> couleurs = Couleurs(*p.Dessin, 0, HauteurBande);
    EXPECT_GT(couleurs.size(), 3u);
    EXPECT_TRUE(couleurs.contains(CouleurRouge));
    EXPECT_FALSE(CablageVues->TableauKlevtsov->isVisibleTo(p.Fiche));
}

TEST_F(CablageVuesFenetre, ApresLEtoileUniqueLaVueInstrumentMontreSaBandeOuAucuneImage)
{
    struct TCas
    {
        T Forme;
        bool Variante; // the Schmidt-Cassegrain without secondary, the Schmidt-Newton without flat
        bool Dessinee;
    };
    const TCas cas[] = {{T::Cassegrain, false, true},
                        {T::RitcheyChretien, false, true},
                        {T::Gregory, false, true},
                        {T::DallKirkham, false, true},
                        {T::Schwarzschild, false, true},
                        {T::SchmidtCassegrain, false, true},
                        {T::SchmidtCassegrain, true, true},
                        {T::Schmidt, false, true},
                        {T::SchmidtNewton, false, true},
                        {T::SchmidtNewton, true, true},
                        {T::LurieHoughton, false, true},
                        {T::Maksutov, false, true},
                        {T::MaksutovCassegrain, false, true},
                        {T::HoughtonCassegrain, false, true},
                        {T::Lunette, false, true}};
    TPrincipale& p = *Principale_;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme) * 10 + c.Variante);
        ConstruitFormeValide(c.Forme);
        if (c.Variante)
        {
            Instrument.DiametreSecondaire = 0;
            Instrument.DistanceSecondaireFoyer = 0;
            if (c.Forme == T::SchmidtNewton)
                Instrument.DistanceLameMiroir = 1998;
        }
        // The sheet alone first, every view button up.
        Etat.BoutonsVue.fill(false);
        Etat.VueCourante = TVue::Tableau;
        Edition.InstrumentDeveloppe = true;
        Edition.DispositifDeveloppe = true;
        Edition.AMettreAJour = true;
        RafraichitVue();
        const int hauteurFiche = Etat.HauteurPage;
        Affiche(TBoutonVue::Unique, TVue::EtoileUnique);
        ASSERT_TRUE(p.Dessin->isVisibleTo(p.Fiche));
        const QImage etoile = p.Dessin->Canevas().Image().copy();
        Affiche(TBoutonVue::Instrument, TVue::Instrument);
        ASSERT_EQ(p.Dessin->isVisibleTo(p.Fiche), c.Dessinee);
        // The page is the sheet and the section's band, whatever height the drawing takes.
        EXPECT_EQ(Etat.HauteurPage, hauteurFiche + HauteurBande);
        if (!c.Dessinee)
            continue;
        // The band framed in black, the star's picture gone.
        TCanevasImage& image = p.Dessin->Canevas();
        EXPECT_EQ(image.Pixels(0, 0), clBlack);
        EXPECT_EQ(image.Pixels(1, HauteurBande - 2), clWhite);
        EXPECT_NE(image.Image(), etoile);
        EXPECT_GT(Couleurs(*p.Dessin, 0, HauteurBande).size(), 3u);
    }
}

TEST_F(CablageVuesFenetre, LeTableauDeLObjectifDUneLunetteEstInstalleEtMontre)
{
    Montre(T::Lunette, TBoutonVue::Instrument, TVue::Instrument);
    TImageVue& tableau = *CablageVues->TableauKlevtsov;
    EXPECT_EQ(ImagesGroupe.TableauKlevtsov, &tableau.Canevas());
    ASSERT_TRUE(tableau.isVisibleTo(Principale_->Fiche));
    const TControle& place = Controles.TableauKlevtsov;
    EXPECT_EQ(tableau.geometry(), QRect(place.Left, place.Top, place.Width, place.Height));
    // Three surfaces: a header and three rows of values, drawn in black on the button face.
    EXPECT_EQ(place.Height, HauteurEnteteGroupe + 1 + 16 * Groupe.NombreDioptresGroupe);
    EXPECT_TRUE(Couleurs(tableau, HauteurEnteteGroupe, place.Height).contains(clBlack));
    // The focus distance of the last surface covers its thickness cell.
    EXPECT_EQ(CablageVues->CaseZf->isVisibleTo(Principale_->Fiche), Controles.CaseZf.Visible);
}

TEST_F(CablageVuesFenetre, LesBoutonsDeLaLamePortentLeProfilEtLeChamp)
{
    const struct
    {
        TProfilLame Profil;
        bool ChampCourbe;
        const char* Lame;
        const char* Champ;
    } cas[] = {{ProfilAvant, false, "Profil de Schmidt sur la face avant", "Champ plan"},
               {ProfilArriere, true, "Profil de Schmidt sur la face arrière", "Champ courbe"},
               {ProfilPartage, false, "Profil de Schmidt réparti sur les deux faces", "Champ plan"}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.Lame);
        ConstruitFormeValide(T::Schmidt);
        Instrument.ProfilLame = c.Profil;
        Instrument.ChampCourbe = c.ChampCourbe;
        Edition.InstrumentDeveloppe = true;
        Etat.VueCourante = TVue::Tableau;
        Edition.AMettreAJour = true;
        RafraichitVue();
        ASSERT_TRUE(CablageVues->BoutonLame->isVisibleTo(Principale_->Fiche));
        EXPECT_EQ(CablageVues->BoutonLame->text().toStdString(), c.Lame);
        ASSERT_TRUE(CablageVues->BoutonChampCourbe->isVisibleTo(Principale_->Fiche));
        EXPECT_EQ(CablageVues->BoutonChampCourbe->text().toStdString(), c.Champ);
        EXPECT_EQ(CablageVues->BoutonChampCourbe->pos(),
                  QPoint(Controles.BoutonChampCourbe.Left, Controles.BoutonChampCourbe.Top));
    }
}

TEST_F(CablageVuesFenetre, LesRayonsDuDispositifSeCommandentEtLaDistanceAvanceDUnPas)
{
    ConstruitFormeValide(T::Newton);
    AjouteDispositif();
    Affiche(TBoutonVue::Dispositif, TVue::Dispositif);
    TCablageVues& v = *CablageVues;
    QWidget* page = Principale_->Fiche;
    ASSERT_TRUE(v.BoutonRayons->isVisibleTo(page));
    EXPECT_EQ(v.BoutonRayons->text().toStdString(), "Tracer les rayons lumineux");
    EXPECT_FALSE(v.BoxDistance->isVisibleTo(page));

    v.BoutonRayons->click();
    EXPECT_EQ(v.BoutonRayons->text().toStdString(), "Effacer les rayons lumineux");
    ASSERT_TRUE(v.BoxDistance->isVisibleTo(page));
    EXPECT_TRUE(v.LabelDistanceAxe->isVisibleTo(page));
    EXPECT_EQ(v.LabelUnites->text().toStdString(), "mm");
    // The buttons sit just above the drawing, the box after its label.
    EXPECT_EQ(v.BoutonRayons->y(), Principale_->Dessin->y() - 16);
    EXPECT_EQ(v.BoxDistance->x(), v.LabelDistanceAxe->x() + v.LabelDistanceAxe->width());

    // A 1000 mm primary steps the image distance by one millimetre per arrow.
    const double avant = Reglages.DistanceAxeImage;
    emit v.BoxDistance->SourisRelachee(Qt::LeftButton, {}, 45, 4);
    EXPECT_DOUBLE_EQ(Reglages.DistanceAxeImage, avant + 1);
    emit v.BoxDistance->SourisRelachee(Qt::LeftButton, {}, 45, 13);
    EXPECT_DOUBLE_EQ(Reglages.DistanceAxeImage, avant);
}

TEST_F(CablageVuesFenetre, LEtoileUniqueDitSaDensiteDansLaBarreDEtat)
{
    ConstruitFormeValide(T::Newton);
    Reglages.DensiteEtoileUnique = 20;
    // A value is open, as always once the program has started: the refresh opens none over the view's text.
    OuvreSaisieDiametreEntree();
    Affiche(TBoutonVue::Unique, TVue::EtoileUnique);
    EXPECT_EQ(Principale_->statusBar()->currentMessage().toStdString(), "Densité = 40 rayons / diamètre");
    EXPECT_TRUE(CablageVues->BoxDistance->isVisibleTo(Principale_->Fiche));
}

TEST_F(CablageVuesFenetre, LeBandeauSuitSaLegendeEtSaCouleur)
{
    Montre(T::Newton, TBoutonVue::Instrument, TVue::Instrument);
    BandeauOcculte = {" Le faisceau est interrompu par le bord du trou central ", CouleurRouge, true};
    Controles.LabelOcculte.Visible = true;
    Controles.LabelOcculte.Top = Controles.Dessin.Top;
    AppliqueCablageVues();
    QLabel& bandeau = *CablageVues->LabelOcculte;
    ASSERT_TRUE(bandeau.isVisibleTo(Principale_->Fiche));
    EXPECT_EQ(bandeau.text().toStdString(), BandeauOcculte.Legende);
    EXPECT_EQ(bandeau.palette().color(QPalette::Window), QColor(255, 0, 0));
    // Its right edge stays on the drawing's, whatever its caption's width.
    EXPECT_EQ(bandeau.x() + bandeau.width(), Controles.Dessin.Left + Controles.Dessin.Width);
    // A form that places it at a given left keeps it there.
    BandeauOcculte.Place.Gauche = 20;
    AppliqueCablageVues();
    EXPECT_EQ(bandeau.x(), Controles.Dessin.Left + 20);
}

TEST_F(CablageVuesFenetre, LOuvertureRouvreLaSaisieSurLaPremiereValeurDeLaForme)
{
    const struct
    {
        T Forme;
        int Code;
    } cas[] = {{T::Newton, SaisieDiametreEntreeNewton},
               {T::Cassegrain, SaisieDiametreEntreeCassegrain},
               {T::Lunette, SaisieRayonGroupe}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        Montre(c.Forme, TBoutonVue::Instrument, TVue::Instrument);
        EtatSaisie.CodeSaisie = 0;
        Edition.LigneCourante = 1;
        FenetreFichier.RouvreSaisie();
        EXPECT_EQ(static_cast<int>(EtatSaisie.CodeSaisie), c.Code);
    }
}

TEST_F(CablageVuesFenetre, LesZoomsDesEtoilesServentJusquAuxLimitesDeLaVue)
{
    TPrincipale& p = *Principale_;
    ConstruitFormeValide(T::Newton);
    Reglages.ZoomEtoileMultiple = 64;
    Affiche(TBoutonVue::Etoiles, TVue::EtoileMultiple);
    ASSERT_TRUE(p.ZoomAvant->isVisible());
    EXPECT_TRUE(p.ZoomArriere->isEnabled());
    // From 64: 128, then 256, where a further press is refused and the zoom stays.
    for (int attendu : {128, 256, 256})
    {
        SCOPED_TRACE(attendu);
        p.ZoomAvant->trigger();
        EXPECT_EQ(Reglages.ZoomEtoileMultiple, attendu);
    }
    EXPECT_FALSE(p.ZoomAvant->isEnabled());
    EXPECT_TRUE(p.ZoomArriere->isEnabled());

    // The single star stops at 1 on the way out; its transverse aberrations can be switched on.
    Reglages.ZoomEtoileUnique = 2;
    Affiche(TBoutonVue::Unique, TVue::EtoileUnique);
    EXPECT_TRUE(p.ZoomAvant->isEnabled());
    p.ZoomArriere->trigger();
    EXPECT_EQ(Reglages.ZoomEtoileUnique, 1);
    EXPECT_FALSE(p.ZoomArriere->isEnabled());
    EXPECT_TRUE(p.ZoomAvant->isEnabled());
    ASSERT_TRUE(p.Transversales->isVisible());
    EXPECT_TRUE(p.Transversales->isEnabled());
    p.Transversales->trigger();
    EXPECT_TRUE(Etat.Transversales);
    EXPECT_TRUE(p.Transversales->isChecked());
}

TEST_F(CablageVuesFenetre, LesCommandesDuChampSuiventSonEchelleEtSesDonnees)
{
    TPrincipale& p = *Principale_;
    ConstruitFormeValide(T::Newton);
    Reglages.AmplitudeChamp = 12;
    Affiche(TBoutonVue::Champ, TVue::Champ);
    ASSERT_TRUE(p.ZoomMoins->isVisible());
    EXPECT_FALSE(p.ZoomPlus->isEnabled());
    EXPECT_TRUE(p.ZoomMoins->isEnabled());
    EXPECT_TRUE(p.Copiercourbe->isEnabled());
    // A focal system goes out to 150, the scale's end.
    for (int attendu : {24, 60, 150})
    {
        SCOPED_TRACE(attendu);
        p.ZoomMoins->trigger();
        EXPECT_EQ(Reglages.AmplitudeChamp, attendu);
        EXPECT_TRUE(p.ZoomPlus->isEnabled());
    }
    EXPECT_FALSE(p.ZoomMoins->isEnabled());
    p.ZoomPlus->trigger();
    EXPECT_EQ(Reglages.AmplitudeChamp, 60);

    // Data the analysis refuses leave no curve to copy.
    Instrument.DiametreEntree = 0;
    Affiche(TBoutonVue::Champ, TVue::Champ);
    ASSERT_FALSE(Validite.InstrumentValide);
    EXPECT_FALSE(p.Copiercourbe->isEnabled());
}

TEST_F(CablageVuesFenetre, LaLigneDuMiroirDUnKlevtsovNeResteNiSurUnNewtonNiApresUnInstrumentNouveau)
{
    const auto montreKlevtsov = [this] {
        ConstruitFormeValide(T::KlevtsovCassegrain);
        // A window made now has the reset hooks that building the design dropped.
        Principale_.reset();
        Principale_ = std::make_unique<TPrincipale>();
        Affiche(TBoutonVue::Instrument, TVue::Instrument);
        // As a click on the secondary mirror's row leaves it.
        Controles.LigneMiroirActive.Visible = true;
        Principale_->RedessinePage();
        ASSERT_TRUE(CablageVues->LigneMiroir->isVisibleTo(Principale_->Fiche));
        ASSERT_TRUE(Principale_->LigneMiroirActive->isVisibleTo(Principale_->Fiche));
    };
    montreKlevtsov();
    // A Newton's refresh hides the rows, also one that redraws nothing; the keys read the page's records.
    Instrument.TypeInstrument = T::Newton;
    RafraichitVue();
    EXPECT_FALSE(CablageVues->LigneMiroir->isVisibleTo(Principale_->Fiche));
    EXPECT_FALSE(Principale_->LigneMiroirActive->isVisibleTo(Principale_->Fiche));
    EXPECT_FALSE(Controles.LigneMiroirActive.Visible);

    montreKlevtsov();
    InitialiseInstrument();
    EXPECT_FALSE(CablageVues->LigneMiroir->isVisibleTo(Principale_->Fiche));
    EXPECT_FALSE(Principale_->LigneMiroirActive->isVisibleTo(Principale_->Fiche));
    EXPECT_FALSE(Controles.LigneMiroir.Visible);
    EXPECT_FALSE(Controles.LigneMiroirActive.Visible);
}

// Files that froze the program: a Houghton-Cassegrain whose set-up ran for half a minute, a Newton of focal length
// 1.5e11 mm and an old-format file of focal length 1.5e9 mm whose single-star view drew a circle of billions of pixels
// chord by chord. The first opens, the other two carry a focal length the entry box refuses and are refused as
// incorrect; each answers, and each view draws, without a wait.
TEST_F(CablageVuesFenetre, LesFichiersQuiFigeaientSOuvrentEtSeDessinentSansAttendre)
{
    struct TCas
    {
        const char* Nom;
        std::string Octets;
        bool InstrumentSeul;
        bool Lu;
    };
    const auto lignes = [](std::initializer_list<const char*> textes) {
        std::string octets;
        for (const char* texte : textes)
            octets += std::string(texte) + "\r\n";
        return octets;
    };
    const TCas cas[] = {
        {"Houghton-Cassegrain de rayon 9653",
         lignes({"<Quivane 3.3.0>",
                 "[T\xE9"
                 "lescope Houghton-Cassegrain]",
                 "200",
                 "9653",
                 "2400",
                 "150",
                 "50",
                 "60",
                 "25",
                 "10",
                 "[Groupe correcteur de Houghton]",
                 "4",
                 "600",
                 "12",
                 "200",
                 "1,51432",
                 "1,51872",
                 "1,52283",
                 "BK7",
                 "1E20",
                 "6",
                 "200",
                 "1,000276",
                 "1,000278",
                 "1,00028",
                 "Air",
                 "-1000",
                 "4",
                 "200",
                 "1,51432",
                 "1,51872",
                 "1,52283",
                 "BK7",
                 "1500",
                 "460",
                 "200",
                 "1,000276",
                 "1,000278",
                 "1,00028",
                 "Air",
                 "[Dispositif dioptrique]",
                 "",
                 "8",
                 "13",
                 "15",
                 "1",
                 "0",
                 "-1",
                 "0",
                 "0",
                 "0",
                 "0",
                 "",
                 "12",
                 "24",
                 "True",
                 "25",
                 "90",
                 "20",
                 "30",
                 "1,1",
                 "0",
                 "10",
                 "5",
                 "5",
                 "5",
                 "0",
                 "15",
                 "10",
                 "0",
                 "0",
                 "0,43301",
                 "$00D4FFF0",
                 "$00FBEBE7",
                 "$00AEFFFF",
                 "$00FFDCFF",
                 "$00E6BBDC",
                 "$00C4E5FB",
                 "$00C2EAD6",
                 "$00FFF7C5",
                 "$00D2EDF5",
                 "$00FBC4C4"}),
         false, true},
        {"Newton de 1.5e11 mm",
         lignes({"<Quivane 3.3.0>",
                 "[T\xE9"
                 "lescope de Newton]",
                 "200",
                 "147466662283",
                 "-1",
                 "50",
                 "170",
                 "25",
                 "8",
                 "[Dispositif dioptrique]",
                 "Correcteur de champ / Formule de Ross \xE0"
                 " 2 lentilles",
                 "8",
                 "13",
                 "17",
                 "4",
                 "93,21",
                 "2,01",
                 "50",
                 "1,51432",
                 "1,51872",
                 "1,53024",
                 "BK7",
                 "47,31",
                 "5,7",
                 "50",
                 "1,000276",
                 "1,000278",
                 "1,000283",
                 "Air",
                 "215,52",
                 "5,28",
                 "50",
                 "1,51432",
                 "1,51872",
                 "1,53024",
                 "BK7",
                 "-173,29",
                 "53,51",
                 "50",
                 "1,000276",
                 "1,000278",
                 "1,000283",
                 "air",
                 "12",
                 "24",
                 "True",
                 "25",
                 "90",
                 "20",
                 "30",
                 "1,1",
                 "0",
                 "8",
                 "5",
                 "17",
                 "5",
                 "8",
                 "15",
                 "10",
                 "0",
                 "0",
                 "0,43301",
                 "$00D4FFF0",
                 "$00FBEBE7",
                 "$00AEFFFF",
                 "$00FFDCFF",
                 "$00E6BBDC",
                 "$00C4E5FB",
                 "$00C2EAD6",
                 "$00FFF7C5",
                 "$00D2EDF5",
                 "$00FBC4C4"}),
         false, false},
        {"ancien format de 1.5e9 mm", "Quivane 1\r\r2\r147466662283\n\n\n\n", true, false},
    };
    TServicesDeTest services;
    const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "quivane-figes";
    std::filesystem::create_directories(dossier);
    const struct
    {
        TBoutonVue Bouton;
        TVue Vue;
    } vues[] = {{TBoutonVue::Instrument, TVue::Instrument},
                {TBoutonVue::Dispositif, TVue::Dispositif},
                {TBoutonVue::Champ, TVue::Champ},
                {TBoutonVue::Etoiles, TVue::EtoileMultiple},
                {TBoutonVue::Unique, TVue::EtoileUnique}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseEtat();
        const std::string chemin = (dossier / "fige.qvd").string();
        std::ofstream(chemin, std::ios::binary) << c.Octets;
        Etat.CheminDocument = chemin;
        Lecture = TLecture{};
        Lecture.LectureInstrumentSeul = c.InstrumentSeul;
        services.Question.Posees.clear();
        if (!c.Lu)
            services.Question.Repond(ReponseOk);
        auto debut = std::chrono::steady_clock::now();
        EXPECT_EQ(LitFichierConception(), c.Lu);
        EXPECT_EQ(services.Question.Posees.size(), c.Lu ? 0u : 1u);
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2));
        for (const auto& v : vues)
        {
            SCOPED_TRACE(static_cast<int>(v.Vue));
            debut = std::chrono::steady_clock::now();
            Affiche(v.Bouton, v.Vue);
            EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2));
        }
    }
    std::filesystem::remove_all(dossier);
}

} // namespace
