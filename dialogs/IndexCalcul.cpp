// The glass catalogue file "Indices.idr" and the computations of its list and edit pages.
#include "dialogs/IndexCalcul.h"

#include "editing/Nombres.h"
#include "platform/DossierProgramme.h"
#include "platform/Format.h"
#include "platform/Services.h"
#include "platform/Version.h"

#include <algorithm>
#include <cmath>
#include <memory>

const std::array<TVerreIntegre, 20> VerresIntegres = {{
    {"BAF4", {0.0f,      1.570920f, 1.576850f, 1.583230f, 1.590160f, 1.590990f, 1.594520f, 1.599260f,
              1.601570f, 1.602220f, 1.602820f, 1.605560f, 1.605680f, 1.608970f, 1.615420f, 1.616240f,
              1.623360f, 1.630220f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"BALF5", {0.0f,      0.0f,      0.0f,      0.0f,      1.535290f, 1.535980f, 1.538850f, 1.542550f,
               1.544300f, 1.544790f, 1.545250f, 1.547300f, 1.547390f, 1.549820f, 1.554510f, 1.555100f,
               1.560160f, 1.564910f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"BK7", {0.0f,      1.489290f, 1.495000f, 1.500940f, 1.506690f, 1.507310f, 1.509810f, 1.512890f,
             1.514320f, 1.514720f, 1.515090f, 1.516730f, 1.516800f, 1.518720f, 1.522380f, 1.522830f,
             1.526690f, 1.530240f, 1.536260f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"F2", {0.0f,      1.584690f, 1.589600f, 1.595150f, 1.601910f, 1.602800f, 1.606720f, 1.612270f,
            1.615030f, 1.615820f, 1.616560f, 1.619890f, 1.620040f, 1.624080f, 1.632080f, 1.633100f,
            1.642020f, 1.650630f, 1.666210f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"F4", {0.0f,      0.0f,      0.0f,      0.0f,      1.598660f, 1.599540f, 1.603420f, 1.608910f,
            1.611640f, 1.612420f, 1.613150f, 1.616440f, 1.616590f, 1.620580f, 1.628480f, 1.629480f,
            1.638280f, 1.646780f, 1.662150f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"K7", {0.0f,      1.485530f, 1.490460f, 1.495650f, 1.500910f, 1.501500f, 1.503940f, 1.507070f,
            1.508540f, 1.508950f, 1.509340f, 1.511050f, 1.511120f, 1.513140f, 1.517000f, 1.517480f,
            1.521590f, 1.525400f, 1.531890f, 1.538910f, 1.545370f, 0.0f,      0.0f,      0.0f}},
    {"LaF N21", {0.0f,      1.744690f, 1.752350f, 1.760510f, 1.769250f, 1.770280f, 1.774660f, 1.780500f,
                 1.783320f, 1.784110f, 1.784850f, 1.788160f, 1.788310f, 1.792260f, 1.799920f, 1.800880f,
                 1.809150f, 1.816930f, 1.830430f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"LaF7", {0.0f,      1.703440f, 1.710210f, 1.717720f, 1.726590f, 1.727730f, 1.732720f, 1.739720f,
              1.743200f, 1.744190f, 1.745110f, 1.749310f, 1.749500f, 1.754590f, 1.764720f, 1.766020f,
              1.777410f, 1.788540f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"LaK7", {0.0f,      1.618750f, 1.624990f, 1.631560f, 1.638280f, 1.639040f, 1.642200f, 1.646280f,
              1.648210f, 1.648750f, 1.649250f, 1.651500f, 1.651600f, 1.654250f, 1.659340f, 1.659980f,
              1.665390f, 1.670420f, 1.678970f, 1.688200f, 0.0f,      0.0f,      0.0f,      0.0f}},
    {"LaK14", {0.0f,      1.657830f, 1.665540f, 1.673570f, 1.681570f, 1.682460f, 1.686120f, 1.690770f,
               1.692970f, 1.693580f, 1.693580f, 1.696690f, 1.696800f, 1.699800f, 1.705540f, 1.706260f,
               1.712370f, 1.718040f, 1.727720f, 1.738190f, 0.0f,      0.0f,      0.0f,      0.0f}},
    {"LLF6", {0.0f,      1.503290f, 1.508230f, 1.513550f, 1.519260f, 1.519940f, 1.522790f, 1.526610f,
              1.528450f, 1.528970f, 1.529450f, 1.531620f, 1.531720f, 1.534310f, 1.539350f, 1.539990f,
              1.545460f, 1.550640f, 1.559720f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SF1", {0.0f,      1.673520f, 1.678550f, 1.684490f, 1.692580f, 1.693710f, 1.698880f, 1.706470f,
             1.710310f, 1.711410f, 1.712450f, 1.717150f, 1.717360f, 1.723100f, 1.734620f, 1.736100f,
             1.749160f, 1.762010f, 1.785800f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SF2", {0.0f,      1.606610f, 1.612680f, 1.619440f, 1.627380f, 1.628390f, 1.632820f, 1.639020f,
             1.642100f, 1.642980f, 1.643800f, 1.647520f, 1.647690f, 1.652220f, 1.661250f, 1.662410f,
             1.672650f, 1.682730f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SF4", {0.0f,      1.707890f, 1.712940f, 1.719040f, 1.727650f, 1.728880f, 1.734560f, 1.743000f,
             1.747300f, 1.748530f, 1.749690f, 1.754960f, 1.755200f, 1.761670f, 1.774680f, 1.776360f,
             1.791210f, 1.805890f, 1.833300f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SF5", {0.0f,      1.632890f, 1.637850f, 1.643590f, 1.651040f, 1.652060f, 1.656640f, 1.663270f,
             1.666610f, 1.667560f, 1.668460f, 1.672520f, 1.672700f, 1.677640f, 1.687500f, 1.688760f,
             1.699860f, 1.710690f, 1.730560f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SF6", {0.0f,      1.753020f, 1.758130f, 1.764440f, 1.773800f, 1.775170f, 1.781570f, 1.791170f,
             1.796090f, 1.797500f, 1.798840f, 1.804910f, 1.805180f, 1.812650f, 1.827750f, 1.829700f,
             1.847070f, 1.864360f, 1.897030f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SF57", {0.0f,      1.790260f, 1.795390f, 1.801870f, 1.811850f, 1.813350f, 1.820380f, 1.831020f,
              1.836500f, 1.838080f, 1.839570f, 1.846360f, 1.846660f, 1.855040f, 1.872040f, 1.874250f,
              1.893930f, 1.913660f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
    {"SK5", {0.0f,      1.559660f, 1.565390f, 1.571400f, 1.577470f, 1.578150f, 1.580940f, 1.584510f,
             1.586190f, 1.586660f, 1.587100f, 1.589040f, 1.589130f, 1.591420f, 1.595810f, 1.596350f,
             1.601000f, 1.605300f, 1.612600f, 1.620430f, 1.627590f, 0.0f,      0.0f,      0.0f}},
    {"SK16", {0.0f,      1.589190f, 1.595230f, 1.601570f, 1.607990f, 1.608710f, 1.611670f, 1.615480f,
              1.617270f, 1.617770f, 1.618240f, 1.620320f, 1.620410f, 1.622860f, 1.627560f, 1.628140f,
              1.633120f, 1.637730f, 1.645590f, 1.654030f, 1.661780f, 0.0f,      0.0f,      0.0f}},
    {"TIF4", {0.0f,      0.0f,      0.0f,      0.0f,      1.567170f, 1.568030f, 1.571740f, 1.576900f,
              1.579450f, 1.580170f, 1.580850f, 1.583930f, 1.584060f, 1.587790f, 1.595210f, 1.596160f,
              1.604520f, 1.612740f, 1.628040f, 0.0f,      0.0f,      0.0f,      0.0f,      0.0f}},
}};

namespace {

constexpr std::string_view DebutEntete = "<Quivane 3";
constexpr const char* TitreTable = "[Table des indices de réfraction]";
constexpr const char* TitreLecture = "Quivane - Lecture d'un fichier";
constexpr const char* TexteLecture = "Erreur de lecture d'un fichier";
constexpr const char* TitreEcriture = "Quivane - Ecriture des indices";
constexpr const char* TexteEcriture = "Erreur d'écriture d'un fichier";
constexpr const char* TitreInitialisation = "Quivane - Initialisation";
// Below this product of the three indices a material has no index at one of the lines.
constexpr float ProduitIndicesMinimal = 1.3f;

std::string Entete()
{
    return "<Quivane " + VersionProgramme() + ">";
}

bool EnteteAcceptee(const std::string& ligne)
{
    return ligne.compare(0, DebutEntete.size(), DebutEntete) == 0;
}

// The file's path with its last four characters replaced ("Indices.bak", "Indices.tmp").
std::string FichierVoisin(const std::string& extension)
{
    const std::string chemin = FichierIndices();
    return chemin.substr(0, chemin.size() - 4) + extension;
}

char Minuscule(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Text order of the list: A to Z equal to a to z, every other character by its code, a prefix first.
bool AvantTexte(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Minuscule(x)) < static_cast<unsigned char>(Minuscule(y));
    });
}

bool EcritMatieresCreees(IEcritureTexte& fichier)
{
    fichier.EcritLigne(Entete());
    fichier.EcritLigne(TitreTable);
    fichier.EcritLigne("Vide");
    for (int ligne = 1; ligne <= NombreLongueursOnde; ++ligne)
        fichier.EcritLigne("1");
    fichier.EcritLigne("Air");
    for (int ligne = 1; ligne <= NombreLongueursOnde; ++ligne)
        fichier.EcritLigne(FormateIndice(IndicesAir[static_cast<std::size_t>(ligne)]));
    for (const TVerreIntegre& verre : VerresIntegres)
    {
        fichier.EcritLigne(verre.Nom);
        for (int ligne = 1; ligne <= NombreLongueursOnde; ++ligne)
            fichier.EcritLigne(FormateIndice(verre.Indices[static_cast<std::size_t>(ligne)]));
    }
    return fichier.Termine();
}

// Every line of the file as read, or false when it does not open or a read fails.
bool LitLignes(std::vector<std::string>& lignes)
{
    const std::unique_ptr<ILectureTexte> fichier = Services().Fichiers->OuvreLecture(FichierIndices());
    std::string ligne;
    while (fichier->LitLigne(ligne))
        lignes.push_back(ligne);
    return fichier->Erreur() == TErreurFichier::Aucune;
}

std::string IndiceEnregistre(float indice)
{
    return FormateNombre(indice, "#0.000000");
}

} // namespace

std::string FichierIndices()
{
    return PrepareDossierProgramme().value_or(std::string()) + NomFichierIndices;
}

bool MemeNomSansCasse(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Minuscule(x) == Minuscule(y); });
}

float IndiceVerreIntegre(std::string_view nom, TLongueurOnde ligne)
{
    if (ligne < 1 || ligne > NombreLongueursOnde)
        return 0.0f;
    for (const TVerreIntegre& verre : VerresIntegres)
        if (MemeNomSansCasse(nom, verre.Nom))
            return verre.Indices[static_cast<std::size_t>(ligne)];
    return 0.0f;
}

std::string FormateIndice(float indice)
{
    std::string texte = FormateNombre(indice, "#0.000000");
    std::replace(texte.begin(), texte.end(), SeparateurDecimal, ',');
    return texte;
}

void AfficheMessageCatalogue(const std::string& titre, const std::string& texte)
{
    TQuestion question;
    question.Titre = titre;
    question.Ligne1 = texte;
    question.Icone = TIconeQuestion::Avertissement;
    Services().Question->Pose(question);
}

void VerifieCatalogue()
{
    IFichiers& fichiers = *Services().Fichiers;
    const std::string chemin = FichierIndices();
    std::string sauvegarde;
    if (fichiers.Existe(chemin))
    {
        const std::unique_ptr<ILectureTexte> lecture = fichiers.OuvreLecture(chemin);
        if (lecture->Erreur() != TErreurFichier::Aucune)
            return;
        std::string premiere;
        const bool lue = lecture->LitLigne(premiere);
        if (lue && EnteteAcceptee(premiere))
            return;
        AfficheMessageCatalogue(TitreInitialisation, "Le fichier Indices.idr est corrompu, Quivane va le recréer.");
        sauvegarde = FichierVoisin(".bak");
    }
    else
        AfficheMessageCatalogue(TitreInitialisation, "Quivane ne trouve pas le fichier Indices.idr, il va le créer.");
    const std::unique_ptr<IEcritureTexte> ecriture =
        fichiers.OuvreEcriture(chemin, TCodage::Windows1252, TModeEcriture::Remplace, sauvegarde);
    if (!EcritMatieresCreees(*ecriture))
        AfficheMessageCatalogue(TitreLecture, TexteLecture);
}

TCatalogueLu LitCatalogue(bool testEntete)
{
    TCatalogueLu catalogue;
    const std::unique_ptr<ILectureTexte> fichier = Services().Fichiers->OuvreLecture(FichierIndices());
    std::string ligne;
    if (fichier->Erreur() != TErreurFichier::Aucune || !fichier->LitLigne(ligne) ||
        (testEntete && !EnteteAcceptee(ligne)) || !fichier->LitLigne(ligne))
    {
        catalogue.Erreur = true;
        return catalogue;
    }
    TMatiereCatalogue matiere;
    while (fichier->LitLigne(matiere.Lignes[0]))
    {
        bool complete = true;
        for (int k = 1; k < LignesParMatiere && complete; ++k)
        {
            std::string& texte = matiere.Lignes[static_cast<std::size_t>(k)];
            complete = fichier->LitLigne(texte);
            // A line that is no number gives no index there, rather than another material's value.
            if (complete && ReconnaitNombre(texte, PolitiqueCatalogue) == PasUnNombre)
            {
                texte = "0";
                catalogue.Erreur = true;
            }
        }
        if (!complete)
        {
            catalogue.Erreur = true;
            break;
        }
        catalogue.Matieres.push_back(matiere);
    }
    if (fichier->Erreur() != TErreurFichier::Aucune)
        catalogue.Erreur = true;
    return catalogue;
}

std::string TexteIndiceLigne(const TMatiereCatalogue& matiere, TLongueurOnde ligne)
{
    if (ligne < 1 || ligne > NombreLongueursOnde)
        return "0";
    return matiere.Lignes[static_cast<std::size_t>(ligne)];
}

std::string TexteAbbe(const TMatiereCatalogue& matiere, const TLongueursOnde& lignes)
{
    const auto indice = [&](TLongueurOnde ligne) {
        return ligne < 1 || ligne > NombreLongueursOnde
                   ? 1.0f
                   : static_cast<float>(LitNombre(matiere.Lignes[static_cast<std::size_t>(ligne)], PolitiqueDialogue));
    };
    const float rouge = indice(lignes.LongueurOndeRouge);
    const float vert = indice(lignes.LongueurOndeVerte);
    const float bleu = indice(lignes.LongueurOndeBleue);
    if (rouge * vert * bleu < ProduitIndicesMinimal || rouge == bleu)
        return "0";
    const double nu = (static_cast<double>(vert) - 1.0) / (static_cast<double>(bleu) - rouge);
    return nu <= 1.0 ? "0" : FormateNombre(nu, "#0.00");
}

std::vector<int> OrdreMatieres(const TCatalogueLu& catalogue, TColonneCatalogue colonne, const TLongueursOnde& lignes)
{
    const int nombre = static_cast<int>(catalogue.Matieres.size());
    std::vector<std::string> cles(static_cast<std::size_t>(nombre));
    for (int k = 0; k < nombre; ++k)
    {
        const TMatiereCatalogue& m = catalogue.Matieres[static_cast<std::size_t>(k)];
        std::string& cle = cles[static_cast<std::size_t>(k)];
        switch (colonne)
        {
        case TColonneCatalogue::Abbe: cle = TexteAbbe(m, lignes); break;
        case TColonneCatalogue::Rouge: cle = TexteIndiceLigne(m, lignes.LongueurOndeRouge); break;
        case TColonneCatalogue::Vert: cle = TexteIndiceLigne(m, lignes.LongueurOndeVerte); break;
        case TColonneCatalogue::Bleu: cle = TexteIndiceLigne(m, lignes.LongueurOndeBleue); break;
        case TColonneCatalogue::Nom: cle = m.Lignes[0]; break;
        }
    }
    std::vector<int> ordre(static_cast<std::size_t>(nombre));
    for (int k = 0; k < nombre; ++k)
        ordre[static_cast<std::size_t>(k)] = k + 1;
    // By name, "Vide" and "Air" (the first two materials) stay on top.
    const int fixes = colonne == TColonneCatalogue::Nom ? std::min(nombre, 2) : 0;
    std::stable_sort(ordre.begin() + fixes, ordre.end(), [&](int a, int b) {
        return AvantTexte(cles[static_cast<std::size_t>(a - 1)], cles[static_cast<std::size_t>(b - 1)]);
    });
    return ordre;
}

bool EnregistreMatiere(int numero, const TMateriau& materiau)
{
    std::vector<std::string> lignes;
    bool correct = LitLignes(lignes) && lignes.size() >= 2;
    std::vector<std::string> nouvelles;
    if (!materiau.Nom.empty())
    {
        nouvelles.push_back(materiau.Nom);
        for (int k = 1; k < LignesParMatiere; ++k)
            nouvelles.push_back(IndiceEnregistre(materiau.Indices[static_cast<std::size_t>(k)]));
    }
    if (correct && numero == 0)
        lignes.insert(lignes.end(), nouvelles.begin(), nouvelles.end());
    else if (correct)
    {
        const std::size_t debut = 2 + static_cast<std::size_t>(numero - 1) * LignesParMatiere;
        correct = numero > 0 && debut + LignesParMatiere <= lignes.size();
        if (correct)
        {
            const auto premiere = lignes.begin() + static_cast<std::ptrdiff_t>(debut);
            lignes.erase(premiere, premiere + LignesParMatiere);
            lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(debut), nouvelles.begin(), nouvelles.end());
        }
    }
    if (correct)
    {
        const std::unique_ptr<IEcritureTexte> fichier =
            Services().Fichiers->OuvreEcriture(FichierIndices(), TCodage::Windows1252, TModeEcriture::Remplace);
        for (const std::string& ligne : lignes)
            fichier->EcritLigne(ligne);
        correct = fichier->Termine();
    }
    if (!correct)
        AfficheMessageCatalogue(TitreEcriture, TexteEcriture);
    return correct;
}

bool NomDejaEnregistre(const std::string& nom, int numero)
{
    const std::unique_ptr<ILectureTexte> fichier = Services().Fichiers->OuvreLecture(FichierIndices());
    if (fichier->Erreur() != TErreurFichier::Aucune)
    {
        AfficheMessageCatalogue("Quivane - Vérification du matériau", TexteLecture);
        return false;
    }
    std::string ligne;
    if (!fichier->LitLigne(ligne) || !EnteteAcceptee(ligne) || !fichier->LitLigne(ligne))
        return false;
    for (int courant = 1, k = 0; fichier->LitLigne(ligne); ++k)
    {
        if (k == LignesParMatiere)
        {
            k = 0;
            ++courant;
        }
        if (k == 0 && ligne == nom && courant != numero)
            return true;
    }
    return false;
}

TValeurIndice ValeurIndiceMatiere(const std::string& texte, float& valeur)
{
    const std::string lu = texte.empty() ? std::string("0") : texte;
    if (ReconnaitNombre(lu, PolitiqueCatalogue) == PasUnNombre)
        return TValeurIndice::Ignoree;
    const double nombre = LitNombre(lu, PolitiqueCatalogue);
    if (nombre < 0)
        return TValeurIndice::Negative;
    if (nombre == 0 || (nombre >= 1 && nombre < 5))
    {
        valeur = static_cast<float>(nombre);
        return TValeurIndice::Stockee;
    }
    return TValeurIndice::Refusee;
}

void SelectionneMatiere(const TMatiereCatalogue& matiere)
{
    MatiereChoisie[0] = matiere.Lignes[0];
    const std::array<TLongueurOnde, 3> lignes = {LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte,
                                                 LongueursOnde.LongueurOndeBleue};
    for (std::size_t couleur = 0; couleur < 3; ++couleur)
        MatiereChoisie[couleur + 1] = lignes[couleur] < 1 || lignes[couleur] > NombreLongueursOnde
                                          ? std::string()
                                          : matiere.Lignes[static_cast<std::size_t>(lignes[couleur])];
    MatiereSelectionnee = true;
    Edition.DocumentModifie = true;
}
