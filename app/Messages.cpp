// The program's message boxes and its yes/no question, all shown in the one question window.
#include "app/Messages.h"

#include "app/Etat.h"
#include "app/Texte.h"
#include "platform/Services.h"

#include <algorithm>

namespace {

// The width grows with the caption beyond `seuil` characters, in proportion to `base` over `diviseur` characters.
int LargeurSelonTitre(const std::string& titre, int base, int seuil, int diviseur)
{
    const int n = NombreCaracteres(titre);
    return n <= seuil ? base : n * base / diviseur;
}

void Montre(const TQuestion& question)
{
    MessageBeep(BipExclamation);
    TReponse reponse = question.Boutons == TBoutonsQuestion::OuiNon ? ReponseNon : ReponseOk;
    if (Services().Question != nullptr)
        reponse = Services().Question->Pose(question);
    Etat.Reponse = reponse;
    Etat.BoutonInterrogation = reponse;
}

TQuestion Avertissement(const std::string& titre, const std::string& texte, TIconeQuestion icone, int largeur)
{
    TQuestion question;
    question.Titre = titre;
    question.Ligne1 = texte;
    question.Icone = icone;
    question.Boutons = TBoutonsQuestion::Ok;
    question.LibelleOk = "&Ok";
    question.Largeur = largeur;
    return question;
}

}

void AfficheAvertissement(const std::string& titre, const std::string& texte)
{
    Montre(Avertissement(titre, texte, TIconeQuestion::Avertissement, LargeurSelonTitre(titre, 320, 50, 50)));
}

void AfficheAvertissementLarge(const std::string& titre, const std::string& texte)
{
    TQuestion question =
        Avertissement(titre, texte, TIconeQuestion::Avertissement, LargeurSelonTitre(titre, 420, 65, 65));
    question.LargeurTexte = question.Largeur - 90;
    Montre(question);
}

void AfficheMessageDisque(const std::string& titre, const std::string& texte)
{
    Montre(Avertissement(titre, texte, TIconeQuestion::Disque, LargeurSelonTitre(titre, 320, 50, 50)));
}

void PoseQuestion(const std::string& titre, const std::string& texte)
{
    TQuestion question;
    question.Titre = titre;
    question.Ligne1 = texte;
    question.Icone = TIconeQuestion::Stop;
    question.Boutons = TBoutonsQuestion::OuiNon;
    question.LibelleOk = "&Ok";
    question.Largeur = LargeurSelonTitre(titre, 425, 66, 66);
    question.Hauteur = 150;
    Montre(question);
}

void AfficheMessage(const std::string& texte)
{
    constexpr int HauteurLigne = 16;
    constexpr int LargeurCaractere = 7;
    int lignes = 1;
    int plusLongue = 0;
    std::size_t debut = 0;
    for (std::size_t fin = texte.find('\n'); debut <= texte.size(); fin = texte.find('\n', debut))
    {
        const std::size_t longueur = (fin == std::string::npos ? texte.size() : fin) - debut;
        plusLongue = std::max(plusLongue, NombreCaracteres(texte.substr(debut, longueur)));
        if (fin == std::string::npos)
            break;
        ++lignes;
        debut = fin + 1;
    }
    TQuestion question;
    question.Titre = "Quivane";
    question.Ligne1 = texte;
    question.Boutons = TBoutonsQuestion::Ok;
    question.LibelleOk = "OK";
    question.Largeur = std::max(359, 100 + plusLongue * LargeurCaractere);
    question.Hauteur = std::max(100, 50 + lignes * HauteurLigne);
    TReponse reponse = ReponseOk;
    if (Services().Question != nullptr)
        reponse = Services().Question->Pose(question);
    Etat.Reponse = reponse;
    Etat.BoutonInterrogation = reponse;
}

void SonneBip(int type)
{
    MessageBeep(type);
}
