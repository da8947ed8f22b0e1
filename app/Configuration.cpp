// The configuration file "Quivane.ini": window geometry, the backup option and the recent files, 17 lines by position.
#include "app/Configuration.h"

#include "app/Etat.h"
#include "app/Messages.h"
#include "app/Texte.h"
#include "editing/Nombres.h"
#include "optics/Modele.h"
#include "platform/Services.h"

#include <algorithm>

namespace {

constexpr int HauteurFenetreTropHaute = 830;
constexpr int MargeEcran = 20;
constexpr int LargeurParDefaut = 820;
constexpr int HauteurParDefaut = 1050;

std::optional<int> LitEntierConfiguration(const std::string& texte)
{
    const int valeur = LitEntier(texte);
    if (ErreurLecture)
        return std::nullopt;
    return valeur;
}

}

TConfigurationLue LitConfiguration(const std::vector<std::string>& lignes, TEcran ecran)
{
    TConfigurationLue lue;
    std::size_t suivante = 0;
    const auto lit = [&]() -> std::optional<std::string> {
        if (suivante >= lignes.size())
            return std::nullopt;
        return lignes[suivante++];
    };

    const auto entete = lit();
    if (!entete || entete->substr(std::min<std::size_t>(1, entete->size()), 9) != "Quivane 3")
        lue.Erreur = true;

    for (int ligne = 2; ligne <= 6; ++ligne)
    {
        const auto texte = lit();
        const auto nombre = texte ? LitEntierConfiguration(SupprimeBlancsFin(*texte)) : std::nullopt;
        if (!nombre)
        {
            lue.Erreur = true;
            continue;
        }
        int valeur = *nombre;
        std::optional<int>* cible = nullptr;
        switch (ligne)
        {
        case 2:
            Etat.EtatFenetreLu = valeur;
            cible = &lue.EtatFenetre;
            break;
        case 3:
            valeur = std::min(valeur, ecran.Largeur);
            Etat.LargeurVisible = valeur;
            cible = &lue.Largeur;
            break;
        case 4:
            if (valeur > ecran.Hauteur)
                valeur = HauteurFenetreTropHaute;
            Etat.HauteurVisible = valeur;
            cible = &lue.Hauteur;
            break;
        case 5:
            if (valeur > ecran.Largeur - MargeEcran)
                valeur = 0;
            cible = &lue.Gauche;
            break;
        default:
            if (valeur > ecran.Hauteur - MargeEcran)
                valeur = 0;
            cible = &lue.Haut;
            break;
        }
        if (!lue.Erreur)
            *cible = valeur;
    }

    const auto sauvegarde = lit();
    if (sauvegarde)
        Etat.CopieSauvegarde = SupprimeBlancsFin(*sauvegarde) == "backup";
    else
        lue.Erreur = true;

    for (int k = 1; k <= NombreFichiersRecents && !lue.Erreur; ++k)
    {
        const auto chemin = lit();
        if (!chemin)
            lue.Erreur = true;
        else
            Etat.FichiersRecents[k] = *chemin;
    }
    return lue;
}

std::vector<std::string> LignesConfiguration(const TGeometrieFenetre& fenetre)
{
    int etat = 0;
    if (fenetre.EtatFenetre == 2)
        etat = 2;
    else if (fenetre.EtatFenetre == 1)
        etat = Etat.EtatFenetreLu;
    std::vector<std::string> lignes{
        "[Quivane " + Etat.NumeroVersion + "]",
        std::to_string(etat),
        std::to_string(fenetre.Largeur),
        std::to_string(fenetre.Hauteur),
        std::to_string(std::max(fenetre.Gauche, 0)),
        std::to_string(std::max(fenetre.Haut, 0)),
        Etat.CopieSauvegarde ? "backup" : "pas de backup",
    };
    for (int k = 1; k <= NombreFichiersRecents; ++k)
        lignes.push_back(Etat.FichiersRecents[k]);
    return lignes;
}

TGeometrieFenetre FenetreParDefaut(TEcran ecran, TGeometrieFenetre actuelle)
{
    TGeometrieFenetre fenetre = actuelle;
    fenetre.EtatFenetre = 0;
    if (ecran.Largeur > LargeurParDefaut)
        fenetre.Largeur = LargeurParDefaut;
    // A window taller than its screen would hide its status bar: on a short screen 99 % of it, as on a tall one.
    const int hauteurEcran = ecran.Hauteur * 99 / 100;
    fenetre.Hauteur = ecran.Hauteur > HauteurParDefaut ? hauteurEcran : std::min(HauteurParDefaut, hauteurEcran);
    fenetre.Haut = 5;
    Etat.LargeurVisible = LargeurParDefaut;
    Edition.InstrumentDeveloppe = false;
    Edition.DispositifDeveloppe = true;
    Reglages.ImpressionFondNoir = true;
    Reglages.ImpressionCouleur = false;
    return fenetre;
}

TGeometrieFenetre InterieurDansEcran(const TGeometrieFenetre& cadre, const TMargesCadre& marges, const TEcran& ecran)
{
    const int largeur = std::min(cadre.Largeur, ecran.Largeur);
    const int hauteur = std::min(cadre.Hauteur, ecran.Hauteur);
    const int gauche = std::clamp(cadre.Gauche, ecran.Gauche, ecran.Gauche + ecran.Largeur - largeur);
    const int haut = std::clamp(cadre.Haut, ecran.Haut, ecran.Haut + ecran.Hauteur - hauteur);
    TGeometrieFenetre interieur = cadre;
    interieur.Largeur = std::max(1, largeur - marges.Gauche - marges.Droite);
    interieur.Hauteur = std::max(1, hauteur - marges.Haut - marges.Bas);
    interieur.Gauche = gauche + marges.Gauche;
    interieur.Haut = haut + marges.Haut;
    return interieur;
}

std::optional<std::vector<std::string>> LitFichierConfiguration()
{
    if (!Etat.DossierUtilisable || Services().Fichiers == nullptr ||
        !Services().Fichiers->Existe(Etat.CheminConfiguration))
        return std::nullopt;
    const auto lecture = Services().Fichiers->OuvreLecture(Etat.CheminConfiguration);
    if (lecture->Erreur() != TErreurFichier::Aucune)
        return std::nullopt;
    std::vector<std::string> lignes;
    std::string ligne;
    while (lecture->LitLigne(ligne))
        lignes.push_back(ligne);
    return lignes;
}

TGeometrieFenetre ConfigurationDemarrage(TEcran ecran, TGeometrieFenetre actuelle)
{
    const auto lignes = LitFichierConfiguration();
    if (!lignes)
        return FenetreParDefaut(ecran, actuelle);
    const TConfigurationLue lue = LitConfiguration(*lignes, ecran);
    TGeometrieFenetre fenetre = actuelle;
    fenetre.EtatFenetre = lue.EtatFenetre.value_or(fenetre.EtatFenetre);
    fenetre.Largeur = lue.Largeur.value_or(fenetre.Largeur);
    fenetre.Hauteur = lue.Hauteur.value_or(fenetre.Hauteur);
    fenetre.Gauche = lue.Gauche.value_or(fenetre.Gauche);
    fenetre.Haut = lue.Haut.value_or(fenetre.Haut);
    if (!lue.Erreur)
        return fenetre;
    if (Services().Question != nullptr)
    {
        TQuestion question;
        question.Titre = "Quivane - Initialisation";
        question.Ligne1 = "Erreur de lecture du fichier Quivane.ini";
        question.Icone = TIconeQuestion::Avertissement;
        Services().Question->Pose(question);
    }
    return FenetreParDefaut(ecran, fenetre);
}

void EcritConfiguration(const TGeometrieFenetre& fenetre)
{
    if (!Etat.DossierUtilisable || Services().Fichiers == nullptr)
        return;
    Etat.CheminConfiguration = Etat.DossierProgramme + "Quivane.ini";
    auto ecriture = Services().Fichiers->OuvreEcriture(Etat.CheminConfiguration, TCodage::Utf8);
    bool reussi = true;
    for (const std::string& ligne : LignesConfiguration(fenetre))
        reussi = ecriture->EcritLigne(ligne) && reussi;
    reussi = ecriture->Termine() && reussi;
    if (!reussi)
        AfficheAvertissement("Quivane - Configuration", "Erreur d'ecriture dans le fichier Quivane.ini");
}
