// The one instance of the shell's shared state.
#include "app/Etat.h"

TEtatApplication Etat;

TNomsDocument NomsDocument()
{
    return {Etat.CheminDocument, Etat.CheminAffiche, Etat.NomEnregistrement, Etat.DocumentNomme};
}

void OublieNomDocument()
{
    Etat.CheminDocument.clear();
    Etat.NomEnregistrement.clear();
    Etat.DocumentNomme = false;
}

void RemetNomsDocument(const TNomsDocument& noms)
{
    Etat.CheminDocument = noms.CheminDocument;
    Etat.CheminAffiche = noms.CheminAffiche;
    Etat.NomEnregistrement = noms.NomEnregistrement;
    Etat.DocumentNomme = noms.DocumentNomme;
}
