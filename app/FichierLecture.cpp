// The design file reader. The file is read straight into the design, which is put back as it was when the read
// fails, so a file that is not a design never leaves half of itself behind.
#include "app/FichierLecture.h"

#include "app/FichierFenetre.h"
#include "app/FichierFormat.h"
#include "app/Journal.h"
#include "app/Messages.h"
#include "app/Texte.h"
#include "editing/Bornes.h"
#include "editing/Nombres.h"
#include "optics/FormulesCatadioptriques.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Initialisation.h"
#include "optics/Validite.h"
#include "platform/Services.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

namespace {

constexpr const char* TitreLecture = "Quivane - Lecture d'un fichier";
constexpr int ProfilMaximal = ProfilPartage;
// The lines of a file written before lines could be chosen.
constexpr TLongueursOnde LignesSansChoix = {8, 13, 17};

// The lines of the file as values. Once a line is missing or cannot be converted the read stops: every later value
// reads as empty or 0 and nothing more is taken from the file.
class TLecteur
{
public:
    explicit TLecteur(ILectureTexte& fichier) : Fichier(fichier) {}

    bool Arrete() const { return Manquante || Illisible; }

    std::string Brute()
    {
        std::string ligne;
        if (!Arrete() && !Fichier.LitLigne(ligne))
            Manquante = true;
        return Arrete() ? std::string() : ligne;
    }

    // Old documents may enclose any value in double quotes.
    std::string Valeur()
    {
        std::string ligne = Brute();
        if (Ancien && !ligne.empty() && ligne.front() == '"')
            ligne = ligne.size() >= 2 ? ligne.substr(1, ligne.size() - 2) : std::string();
        return ligne;
    }

    double Reel()
    {
        const std::string ligne = Valeur();
        if (Arrete())
            return 0;
        const std::optional<double> valeur = NombreLisible(ligne);
        return valeur ? *valeur : Refuse();
    }

    float ReelSimple()
    {
        const double valeur = Reel();
        return std::abs(valeur) <= FLT_MAX ? static_cast<float>(valeur) : static_cast<float>(Refuse());
    }

    // A value held to the entry box's range: one it would refuse makes the file no design of ours.
    double Reel(TBorne borne)
    {
        const double valeur = Reel();
        return DansLaBorne(borne, valeur) ? valeur : Refuse();
    }

    float ReelSimple(TBorne borne)
    {
        const float valeur = ReelSimple();
        return DansLaBorne(borne, valeur) ? valeur : static_cast<float>(Refuse());
    }

    std::int32_t Entier(std::int32_t maximum = INT32_MAX)
    {
        const std::string ligne = Valeur();
        if (Arrete())
            return 0;
        const std::int32_t valeur = LitEntier(ligne);
        if (ErreurLecture || valeur > maximum)
            return static_cast<std::int32_t>(Refuse());
        return valeur;
    }

    bool Booleen()
    {
        const std::string ligne = Valeur();
        if (Arrete())
            return false;
        if (ligne == "True")
            return true;
        if (ligne == "False")
            return false;
        const std::optional<double> valeur = ligne.empty() ? std::nullopt : NombreLisible(ligne);
        if (!valeur)
            return Refuse() != 0;
        return *valeur != 0;
    }

    // A tint line; at the end of the file the tint keeps `parDefaut` and so do the following ones.
    TColor Teinte(TColor parDefaut)
    {
        if (Arrete() || FinDesTeintes)
            return parDefaut;
        std::string ligne;
        if (!Fichier.LitLigne(ligne))
        {
            if (Fichier.Erreur() == TErreurFichier::Aucune)
                FinDesTeintes = true;
            else
                Manquante = true;
            return parDefaut;
        }
        const auto couleur = LitCouleur(ligne);
        if (!couleur)
            return static_cast<TColor>(Refuse());
        return *couleur;
    }

    void Refuser() { Illisible = true; }

    bool Ancien = false;
    bool Manquante = false;
    bool Illisible = false;

private:
    double Refuse()
    {
        Illisible = true;
        return 0;
    }

    ILectureTexte& Fichier;
    bool FinDesTeintes = false;
};

// The range of a value of the instrument's section, by its field.
TBorne BorneDuChamp(double TInstrument::*champ)
{
    using I = TInstrument;
    if (champ == &I::DiametreEntree)
        return TBorne::Diametre;
    if (champ == &I::FocalePrimaire || champ == &I::FocaleResultante)
        return TBorne::Focale;
    for (double I::*coefficient : {&I::CoefficientDeformationPrimaire, &I::CoefficientDeformationSecondaire,
                                   &I::CoefficientDeformationSecondaire2, &I::CoefficientDeformationLame,
                                   &I::CoefficientLameRelatif, &I::CoefficientK})
        if (champ == coefficient)
            return TBorne::Coefficient;
    return TBorne::Longueur;
}

enum class TIssue
{
    Reussie,
    Manquante,
    Incorrecte,
    Incompatible,
    Exces
};

// The values a form derives from its stored ones once they are read; the rest waits for the central refresh.
void DeriveInstrumentLu(TTypeInstrument type)
{
    TInstrument& i = Instrument;
    const bool dimensionne = i.DiametreEntree > 1;
    const auto focaleDuRayon = [&i, dimensionne] {
        i.FocalePrimaire = i.RayonCourburePrimaire > 1 && dimensionne ? i.RayonCourburePrimaire / 2 : 0;
    };
    const auto plaqueSchmidt = [] {
        CalculeSchmidt();
        CalculeCoefficientsLame();
    };
    const auto menisque = [&i, &focaleDuRayon] {
        focaleDuRayon();
        Groupe.RayonGroupe[1] = -i.RayonMenisque1;
        Groupe.RayonGroupe[2] = -i.RayonMenisque2;
    };
    switch (type)
    {
    case TTypeInstrument::Aucun: return;
    case TTypeInstrument::Newton:
        CalculeRayonPrimaire();
        i.DistanceEntreMiroirs = i.FocalePrimaire - i.DistanceSecondaireFoyer;
        return;
    case TTypeInstrument::Cassegrain:
        CalculeRayonPrimaire();
        CalculeCassegrain();
        return;
    case TTypeInstrument::RitcheyChretien:
        CalculeRayonPrimaire();
        CalculeRitcheyChretien();
        return;
    case TTypeInstrument::Gregory:
        CalculeRayonPrimaire();
        CalculeGregory();
        return;
    case TTypeInstrument::Schwarzschild:
        CalculeRayonPrimaire();
        CalculeSchwarzschild();
        return;
    case TTypeInstrument::DallKirkham:
        CalculeRayonPrimaire();
        CalculeDallKirkham();
        return;
    case TTypeInstrument::Schmidt:
        if (i.RayonCourburePrimaire > 1 && dimensionne)
            CalculeFocaleSchmidt();
        else
            i.FocalePrimaire = 0;
        i.FocaleResultante = i.FocalePrimaire;
        plaqueSchmidt();
        // The file keeps the mirror, which a typed focal length had adjusted until it traced that focal length: the
        // focal length comes back as the one it traces. Adjusting the mirror to F1 instead would move it on every
        // read, F1 being its focus, a few millimetres short of F.
        if (i.FocalePrimaire > 1 && dimensionne)
            CalculeFocaleTraceeSchmidt();
        return;
    case TTypeInstrument::SchmidtNewton:
        i.FocalePrimaire = i.FocaleResultante;
        if (i.FocalePrimaire > 1 && dimensionne)
            CalculeRayonSchmidt();
        else
            i.RayonCourburePrimaire = 0;
        plaqueSchmidt();
        if (i.FocalePrimaire > 1 && dimensionne)
            AjusteFocaleSchmidt();
        return;
    case TTypeInstrument::SchmidtCassegrain: CalculeSchmidtCassegrain(); return;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
        menisque();
        PrepareMaksutov();
        return;
    case TTypeInstrument::MaksutovCassegrain:
        menisque();
        // A spherical secondary, as the set-up traces it: the spot on the meniscus always, the separate mirror with
        // the sphere's sixth-order term under the conic the file gives it.
        if (i.SecondaireSurMenisque)
            i.CoefficientDeformationSecondaire = 0;
        i.CoefficientDeformationSecondaire2 = 0;
        PrepareMaksutovCassegrain();
        return;
    case TTypeInstrument::Lunette: PrepareLunette(); return;
    case TTypeInstrument::KlevtsovCassegrain:
        i.CoefficientDeformationPrimaire = 0;
        i.CoefficientDeformationPrimaire2 = 0;
        i.CoefficientDeformationSecondaire = 0;
        i.CoefficientDeformationSecondaire2 = 0;
        return;
    case TTypeInstrument::LurieHoughton: return;
    case TTypeInstrument::HoughtonCassegrain:
        i.DiametreMiroir = i.DiametreEntree;
        focaleDuRayon();
        return;
    }
}

bool EstModePlacement(const TModeLecture& mode)
{
    return mode == ModeAvantDispo || mode == ModeApresDispo;
}

bool DispositifCourantVide()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    return EstLigneVide(1);
}

class TLectureConception
{
public:
    TLectureConception(TLecteur& lecteur, const TCopieConception& avant, const TModeLecture& mode, bool derive)
        : Mode(mode), L(lecteur), Avant(avant), Derive(derive)
    {}

    void LitVersion3()
    {
        std::string ligne = L.Brute();
        if (L.Arrete())
            return;
        if (ligne != TitreSectionDispositif)
        {
            const TTypeInstrument type = ReconnaitTitre(ligne);
            if (type == TTypeInstrument::Aucun)
                return L.Refuser();
            LitSection(type);
            if (L.Arrete())
                return;
            PrendInstrument(type);
            if (Lecture.LectureInstrumentSeul)
                return;
            ligne = L.Brute();
            if (L.Arrete())
                return;
            if (ligne != TitreSectionDispositif)
                return L.Refuser();
        }
        if (Lecture.LectureInstrumentSeul)
            return;
        const std::string titre = L.Brute();
        TLongueursOnde lignes;
        lignes.LongueurOndeRouge = L.Entier(NombreLongueursOnde);
        lignes.LongueurOndeVerte = L.Entier(NombreLongueursOnde);
        lignes.LongueurOndeBleue = L.Entier(NombreLongueursOnde);
        if (L.Arrete())
            return;
        // A file without chosen lines predates their choice.
        if (lignes.LongueurOndeRouge + lignes.LongueurOndeVerte + lignes.LongueurOndeBleue == 0)
            lignes = LignesSansChoix;
        Lecture.TitreDispositifLu = titre;
        const bool verifie = Lecture.LectureDispositifSeul && !DispositifCourantVide();
        if (verifie && !MemesLignes(lignes) && EstModePlacement(Mode))
        {
            Incompatible = true;
            return;
        }
        LitRangees(lignes);
        if (L.Arrete() || Exces || EstModePlacement(Mode))
            return;
        LitReglages(false);
        for (std::size_t k = 0; k < Reglages.TeinteVerre.size(); ++k)
            Reglages.TeinteVerre[k] = L.Teinte(TeintesParDefaut[k]);
    }

    void LitAncienneVersion()
    {
        L.Ancien = true;
        L.Brute();
        const double d = L.Reel(TBorne::Diametre);
        const double f1 = L.Reel(TBorne::Focale);
        const double b = L.Reel(TBorne::Coefficient);
        const float ds = L.ReelSimple(TBorne::Longueur);
        const double s = L.Reel(TBorne::Longueur);
        if (L.Arrete())
            return;
        if (!Lecture.LectureDispositifSeul)
        {
            Instrument.DiametreEntree = d;
            Instrument.FocalePrimaire = f1;
            Instrument.CoefficientDeformationPrimaire = b;
            Instrument.DiametreSecondaire = ds;
            Instrument.DistanceSecondaireFoyer = s;
            PrendInstrument(TTypeInstrument::Newton);
        }
        if (Lecture.LectureInstrumentSeul)
            return;
        const std::string titre = L.Brute();
        // A wavelength that is none of the table's lines gives its channel the line of a file without chosen lines:
        // a channel left without a line would be written as such a file, and read back with other lines.
        TLongueursOnde lignes;
        lignes.LongueurOndeRouge = LigneDeLongueurOnde(L.Reel(), LignesSansChoix.LongueurOndeRouge);
        lignes.LongueurOndeVerte = LigneDeLongueurOnde(L.Reel(), LignesSansChoix.LongueurOndeVerte);
        lignes.LongueurOndeBleue = LigneDeLongueurOnde(L.Reel(), LignesSansChoix.LongueurOndeBleue);
        if (L.Arrete())
            return;
        Lecture.TitreDispositifLu = titre;
        const bool courantVide = DispositifCourantVide();
        if (!courantVide && !MemesLignes(lignes) && EstModePlacement(Mode))
        {
            Incompatible = true;
            return;
        }
        LongueursOnde = lignes;
        if (courantVide)
            Dispositif.TitreDispositif = titre;
        LitRangees(lignes);
        if (L.Arrete() || Exces || EstModePlacement(Mode))
            return;
        LitReglages(true);
    }

    TModeLecture Mode;
    bool Incompatible = false;
    bool Exces = false;

private:
    static TTypeInstrument ReconnaitTitre(const std::string& ligne)
    {
        using T = TTypeInstrument;
        constexpr T ordre[] = {T::Newton,
                               T::Cassegrain,
                               T::DallKirkham,
                               T::RitcheyChretien,
                               T::Gregory,
                               T::Schwarzschild,
                               T::Schmidt,
                               T::SchmidtNewton,
                               T::SchmidtCassegrain,
                               T::Maksutov,
                               T::MaksutovNewton,
                               T::MaksutovCassegrain,
                               T::KlevtsovCassegrain,
                               T::LurieHoughton,
                               T::HoughtonCassegrain};
        for (const T type : ordre)
        {
            const std::string titre = TitreSection(type);
            if (ligne.compare(0, titre.size(), titre) == 0)
                return type;
        }
        return ligne == TitreSection(T::Lunette) ? T::Lunette : T::Aucun;
    }

    static TLongueurOnde LigneDeLongueurOnde(double nanometres, TLongueurOnde parDefaut)
    {
        TLongueurOnde trouvee = parDefaut;
        for (TLongueurOnde k = 1; k <= NombreLongueursOnde; ++k)
            if (std::abs(nanometres - TableLongueursOnde[static_cast<std::size_t>(k)]) < 0.01)
                trouvee = k;
        return trouvee;
    }

    static bool MemesLignes(const TLongueursOnde& lignes)
    {
        return lignes.LongueurOndeRouge == LongueursOnde.LongueurOndeRouge &&
               lignes.LongueurOndeVerte == LongueursOnde.LongueurOndeVerte &&
               lignes.LongueurOndeBleue == LongueursOnde.LongueurOndeBleue;
    }

    // The values are read into the design; a lens-device read puts the instrument back afterwards.
    void LitSection(TTypeInstrument type)
    {
        TInstrument& i = Instrument;
        std::vector<TChampFichier> champs = ChampsInstrument(type, i.SecondaireSurMenisque);
        for (std::size_t k = 0; k < champs.size() && !L.Arrete(); ++k)
        {
            const TChampFichier& champ = champs[k];
            switch (champ.Genre)
            {
            case TGenreChamp::Reel: i.*champ.Reel = L.Reel(BorneDuChamp(champ.Reel)); break;
            case TGenreChamp::ReelSimple: i.*champ.Simple = L.ReelSimple(TBorne::Longueur); break;
            case TGenreChamp::Profil: i.ProfilLame = static_cast<TOctet>(L.Entier(ProfilMaximal)); break;
            case TGenreChamp::LigneChamp: i.ChampCourbe = L.Valeur() == "ChampCourbe"; break;
            case TGenreChamp::Variante:
                // The variant decides which list of values follows.
                i.SecondaireSurMenisque = L.Booleen();
                champs = ChampsInstrument(type, i.SecondaireSurMenisque);
                break;
            case TGenreChamp::VerreLame: LitRangeeGroupe(1, false); break;
            case TGenreChamp::EnTeteGroupe:
                if (L.Brute() != TitreGroupe(type))
                    L.Refuser();
                break;
            case TGenreChamp::BlocGroupe: LitGroupe(); break;
            }
        }
    }

    void LitRangeeGroupe(int r, bool geometrie)
    {
        TDioptreGroupe& g = Groupe;
        const auto k = static_cast<std::size_t>(r);
        if (geometrie)
        {
            g.RayonGroupe[k] = L.Reel(TBorne::Longueur);
            g.EpaisseurGroupe[k] = L.Reel(TBorne::Longueur);
            g.DiametreGroupe[k] = L.Reel(TBorne::Longueur);
        }
        g.IndiceRougeGroupe[k] = L.ReelSimple(TBorne::Indice);
        g.IndiceVertGroupe[k] = L.ReelSimple(TBorne::Indice);
        g.IndiceBleuGroupe[k] = L.ReelSimple(TBorne::Indice);
        g.MatiereGroupe[k] = L.Valeur();
    }

    void LitGroupe()
    {
        // The table holds 13 rows: a longer group is no file of ours.
        const std::int32_t n = L.Entier(NombreMaxDioptresGroupe);
        if (L.Arrete())
            return;
        Groupe.NombreDioptresGroupe = n;
        for (int r = 1; r <= n && !L.Arrete(); ++r)
            LitRangeeGroupe(r, true);
    }

    void PrendInstrument(TTypeInstrument type)
    {
        if (Lecture.LectureDispositifSeul)
        {
            Instrument = Avant.Instrument;
            Groupe = Avant.Groupe;
            return;
        }
        Instrument.TypeInstrument = type;
        Instrument.NomInstrument = NomInstrumentLu(type);
        // Derived before the rest of the file, whose settings the set-ups' solving must not overwrite.
        if (!Derive)
            return;
        AppliqueIndices();
        DeriveInstrumentLu(type);
    }

    void LitRangee(int r)
    {
        TDioptre& d = Dispositif;
        const auto k = static_cast<std::size_t>(r);
        d.RayonDioptre[k] = L.Reel(TBorne::Longueur);
        d.EpaisseurDioptre[k] = L.Reel(TBorne::Longueur);
        d.DiametreDioptre[k] = L.Reel(TBorne::Longueur);
        d.IndiceRouge[k + 1] = L.ReelSimple(TBorne::Indice);
        d.IndiceVert[k + 1] = L.ReelSimple(TBorne::Indice);
        d.IndiceBleu[k + 1] = L.ReelSimple(TBorne::Indice);
        d.MatiereDioptre[k + 1] = L.Valeur();
    }

    // Moves the current rows down by n, each with the medium behind it.
    static void DecaleRangees(int n)
    {
        TDioptre& d = Dispositif;
        for (int i = d.NombreDioptres; i >= 1; --i)
        {
            const auto a = static_cast<std::size_t>(i);
            const auto b = static_cast<std::size_t>(i + n);
            d.RayonDioptre[b] = d.RayonDioptre[a];
            d.EpaisseurDioptre[b] = d.EpaisseurDioptre[a];
            d.DiametreDioptre[b] = d.DiametreDioptre[a];
            d.IndiceRouge[b + 1] = d.IndiceRouge[a + 1];
            d.IndiceVert[b + 1] = d.IndiceVert[a + 1];
            d.IndiceBleu[b + 1] = d.IndiceBleu[a + 1];
            d.MatiereDioptre[b + 1] = d.MatiereDioptre[a + 1];
        }
    }

    void LitRangees(const TLongueursOnde& lignes)
    {
        const std::int32_t n = L.Entier(INT32_MAX - NombreMaxDioptres);
        if (L.Arrete())
            return;
        if (n < 1)
            return L.Refuser();
        const bool placement = EstModePlacement(Mode);
        const int gardees = placement ? Dispositif.NombreDioptres : 0;
        // A placed device must leave a free row, as it always has; a device read whole may fill the table, since
        // the program writes such devices itself.
        if (placement ? gardees + n >= NombreMaxDioptres : n > NombreMaxDioptres)
        {
            Exces = true;
            return;
        }
        if (Mode == ModeAvantDispo)
        {
            DecaleRangees(n);
            Dispositif.NombreDioptres += n;
            for (int r = 1; r <= n && !L.Arrete(); ++r)
                LitRangee(r);
            return;
        }
        if (Mode == ModeApresDispo)
        {
            for (int r = gardees + 1; r <= gardees + n && !L.Arrete(); ++r)
                LitRangee(r);
            Dispositif.NombreDioptres += n;
            return;
        }
        LongueursOnde = lignes;
        Dispositif.TitreDispositif = Lecture.TitreDispositifLu;
        Dispositif.NombreDioptres = n;
        for (int r = 1; r <= n && !L.Arrete(); ++r)
            LitRangee(r);
    }

    void LitReglages(bool ancien)
    {
        TReglages& r = Reglages;
        r.AmplitudeChamp = L.Entier();
        r.AmplitudeChampAfocal = L.Entier();
        r.ChampLineaire = ancien ? L.Valeur() == "Vrai" : L.Booleen();
        r.RayonChampLineaire = L.Entier();
        r.RayonChampAngulaire = L.Entier();
        r.RayonChampAfocal = L.Entier();
        r.AmplitudeRepere = L.Entier();
        r.IndiceLimite = L.ReelSimple();
        r.EntierReserve = L.Entier();
        r.PasEtoileUnique = L.Entier();
        r.PasEtoileUniqueAfocal = L.Entier();
        r.PasEtoileMultiple = L.Entier();
        r.PasEtoileMultipleAfocal = L.Entier();
        r.PasBoiteDistance = L.ReelSimple();
        r.DensiteEtoileUnique = L.Entier();
        r.DensiteEtoileMultiple = L.Entier();
        Systeme.DecalageFoyerInitial = L.Reel(TBorne::Longueur);
        if (ancien)
        {
            // Old documents measured this distance from the primary's focus.
            Systeme.DistanceFoyerDioptre = L.Reel(TBorne::Longueur) - Instrument.FocalePrimaire;
            L.Valeur();
            return;
        }
        Systeme.DistanceFoyerDioptre = L.Reel(TBorne::Longueur);
        Systeme.DistanceAxeRayonFoyer = L.Reel(TBorne::Longueur);
    }

    TLecteur& L;
    const TCopieConception& Avant;
    const bool Derive;
};

bool EstVersion3(const std::string& entete)
{
    const std::string debut = DebutTexte(entete, 10);
    return NombreCaracteres(entete) >= 13 && NombreCaracteres(debut) == 10 && FinTexte(debut, 9) == "Quivane 3";
}

bool EstAncienneVersion(const std::string& entete)
{
    const std::string debut = DebutTexte(entete, 9);
    return NombreCaracteres(entete) <= 12 && (debut == "Quivane 2" || debut == "Quivane 1");
}

bool CopieFichier(const std::string& source, const std::string& destination)
{
    auto lecture = Services().Fichiers->OuvreLecture(source);
    auto ecriture = Services().Fichiers->OuvreEcriture(destination, TCodage::Windows1252);
    std::string ligne;
    while (lecture->LitLigne(ligne))
        if (!ecriture->EcritLigne(ligne))
            return false;
    return lecture->Erreur() == TErreurFichier::Aucune && ecriture->Termine();
}

std::int32_t CodeJournalLecture(const TModeLecture& mode)
{
    if (Lecture.LectureInstrumentSeul)
        return CodeJournalLectureInstrument;
    if (mode == ModeRemplaceDispo)
        return CodeJournalRemplaceDispositif;
    if (mode == ModeApresDispo)
        return CodeJournalDispositifApres;
    if (mode == ModeAvantDispo)
        return CodeJournalDispositifAvant;
    return CodeJournalLectureConception;
}

// The base copy could not be made (the program's folder is full, say): the design read stays, but no journal can
// rebuild it, so the journal is off until the next design starts one, and the user hears of it once. A base copy of
// an earlier design must not be left for undo or recovery to rebuild.
void ArreteJournal()
{
    if (Services().Fichiers->Existe(Etat.CheminCopieDeBase))
        Services().Fichiers->Supprime(Etat.CheminCopieDeBase);
    VideJournal();
    Journal.Arrete = true;
    SignaleEchecJournal();
}

// Records the read; the first file read since the journal was emptied is kept as the base copy that undo rebuilds
// from.
void JournaliseLecture(const TModeLecture& mode)
{
    if (Journal.Arrete && !Lecture.NouveauJournal)
        return;
    const bool journalVide = Lecture.NouveauJournal || Journal.NombreEnregistrementsJournal == 0;
    const bool estCopieDeBase =
        !Etat.NomCopieDeBase.empty() &&
        FinTexte(Etat.CheminDocument, NombreCaracteres(Etat.NomCopieDeBase)) == Etat.NomCopieDeBase;
    if (journalVide && !estCopieDeBase && Etat.DossierUtilisable && !Etat.CheminCopieDeBase.empty() &&
        !CopieFichier(Etat.CheminDocument, Etat.CheminCopieDeBase))
        return ArreteJournal();
    if (Lecture.NouveauJournal)
        VideJournal();
    if (journalVide)
    {
        Etat.CheminDocumentMemorise = Etat.CheminDocument;
        if (estCopieDeBase)
            return;
    }
    Journal.CodeJournal = CodeJournalLecture(mode);
    Journal.IndexJournal = 0;
    Journal.ValeurJournal = Etat.CheminDocument;
    AjouteAuJournal();
}

void FinDeLecture()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    const TDioptre& d = Dispositif;
    if (EstLigneVide(1))
    {
        VerifieInstrument();
        FenetreFichier.ActionsDispositif(Validite.InstrumentValide, false, false);
    }
    else
    {
        const auto derniere = static_cast<std::size_t>(std::clamp(d.NombreDioptres, 1, NombreMaxDioptres));
        FenetreFichier.ActionsDispositif(true, true, !EstEpaisseurInfinie(d.EpaisseurDioptre[derniere]));
    }
    AppliqueIndices();
    Edition.AMettreAJour = true;
    FenetreFichier.BoutonsVuesInstrument();
}

// A file that is there but cannot be read (no permission, a folder, a pipe) is a read error, not a missing file.
const char* TexteErreurOuverture(TErreurFichier erreur)
{
    switch (erreur)
    {
    case TErreurFichier::Introuvable: return "Fichier introuvable.";
    case TErreurFichier::Verrouille: return "Ce fichier est verrouillé pour modification par un autre utilisateur.";
    case TErreurFichier::Aucune:
    case TErreurFichier::AccesRefuse:
    case TErreurFichier::Lecture:
    case TErreurFichier::Ecriture: return "Erreur de lecture d'un fichier";
    }
    return "Erreur de lecture d'un fichier";
}

TIssue Issue(const TLecteur& lecteur, const TLectureConception& lu)
{
    if (lecteur.Manquante)
        return TIssue::Manquante;
    if (lecteur.Illisible || FichierIncorrect)
        return TIssue::Incorrecte;
    if (lu.Incompatible)
        return TIssue::Incompatible;
    if (lu.Exces)
        return TIssue::Exces;
    return TIssue::Reussie;
}

void Signale(TIssue issue)
{
    switch (issue)
    {
    case TIssue::Reussie: return;
    case TIssue::Manquante: AfficheMessageDisque(TitreLecture, "Erreur de lecture d'un fichier"); return;
    case TIssue::Incorrecte: AfficheMessageDisque(TitreLecture, "Fichier incorrect"); return;
    case TIssue::Incompatible:
        if (!Journal.RejeuEnCours)
            AfficheMessageDisque("Quivane - Longueur d'ondes incompatibles",
                                 "Les longueurs d'ondes de ce fichier ne correspondent pas avec les longueurs "
                                 "d'ondes du tableau en-cours");
        return;
    case TIssue::Exces:
        AfficheAvertissementLarge("Quivane - Nombre de dioptres excessif",
                                  "L'ajout de ce dispositif entraînerait un dépassement du nombre maximal de dioptre "
                                  "que Quivane peut accepter.");
        return;
    }
}

// One pass over the file into the design, deriving each form's values or not. The error of opening the file, or
// none, with the issue of the pass.
TErreurFichier Parcourt(const TCopieConception& avant, const TModeLecture& mode, bool derive, TIssue& issue)
{
    auto fichier = Services().Fichiers->OuvreLecture(Etat.CheminDocument);
    if (fichier->Erreur() != TErreurFichier::Aucune)
        return fichier->Erreur();
    TLecteur lecteur(*fichier);
    TLectureConception lu(lecteur, avant, mode, derive);
    FichierIncorrect = false;
    Lecture.LigneEntete = lecteur.Brute();
    if (EstVersion3(Lecture.LigneEntete))
        lu.LitVersion3();
    else if (EstAncienneVersion(Lecture.LigneEntete))
        lu.LitAncienneVersion();
    else if (!lecteur.Arrete())
        lecteur.Refuser();
    issue = Issue(lecteur, lu);
    return TErreurFichier::Aucune;
}

} // namespace

TCopieConception CopieConception()
{
    return {Instrument,
            Groupe,
            Dispositif,
            LongueursOnde,
            Reglages,
            Edition,
            Validite,
            Systeme,
            FichierIncorrect,
            Etat.CheminDocument,
            Etat.CheminAffiche,
            Etat.NomEnregistrement,
            Etat.CheminDocumentMemorise,
            Etat.DocumentNomme};
}

void RestaureConception(const TCopieConception& copie)
{
    Instrument = copie.Instrument;
    Groupe = copie.Groupe;
    Dispositif = copie.Dispositif;
    LongueursOnde = copie.LongueursOnde;
    Reglages = copie.Reglages;
    Edition = copie.Edition;
    Validite = copie.Validite;
    Systeme = copie.Systeme;
    FichierIncorrect = copie.FichierIncorrect;
    Etat.CheminDocument = copie.CheminDocument;
    Etat.CheminAffiche = copie.CheminAffiche;
    Etat.NomEnregistrement = copie.NomEnregistrement;
    Etat.CheminDocumentMemorise = copie.CheminDocumentMemorise;
    Etat.DocumentNomme = copie.DocumentNomme;
}

bool LitFichierConception()
{
    const TCopieConception avant = CopieConception();
    const TModeLecture mode = Lecture.ModeLecture;
    Lecture.LectureReussie = false;
    // A first pass only judges the file: the set-ups, which may solve the system and even ask the user, run on the
    // second pass alone, for a file that reads through.
    TIssue issue = TIssue::Incorrecte;
    TErreurFichier erreur = Parcourt(avant, mode, false, issue);
    const bool lectureEntiere = !Lecture.LectureDispositifSeul && !Lecture.LectureInstrumentSeul;
    const bool accepte = issue == TIssue::Reussie || (issue == TIssue::Exces && lectureEntiere);
    if (erreur == TErreurFichier::Aucune && accepte)
    {
        RestaureConception(avant);
        erreur = Parcourt(avant, mode, true, issue);
    }
    if (erreur != TErreurFichier::Aucune)
    {
        RestaureConception(avant);
        Lecture.NouveauJournal = false;
        AfficheMessageDisque(TitreLecture, TexteErreurOuverture(erreur));
        FinDeLecture();
        return false;
    }
    // A device too long for the table still lets an open take the file's instrument.
    const bool instrumentSansDispositif = issue == TIssue::Exces && accepte;
    if (issue == TIssue::Exces)
        Lecture.ModeLecture = ModeExces;
    if (issue == TIssue::Reussie || instrumentSansDispositif)
        JournaliseLecture(mode);
    Signale(issue);
    Lecture.LectureReussie = issue == TIssue::Reussie || (issue == TIssue::Exces && instrumentSansDispositif);
    if (!Lecture.LectureReussie)
        RestaureConception(avant);
    else
        Etat.NomEnregistrement = Etat.CheminDocument;
    Lecture.NouveauJournal = false;
    FinDeLecture();
    return Lecture.LectureReussie;
}
