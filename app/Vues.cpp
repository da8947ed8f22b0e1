// The five view commands and their tool buttons.
#include "app/Vues.h"

#include "app/Rafraichissement.h"
#include "editing/BoiteSaisie.h"
#include "editing/EtatEdition.h"
#include "editing/Valide.h"
#include "optics/Modele.h"
#include "platform/Services.h"
#include "sheet/Fiche.h"
#include "stars/SourisDessin.h"

namespace {

bool& Bouton(TBoutonVue bouton)
{
    return Etat.BoutonsVue[static_cast<std::size_t>(bouton)];
}

void BasculeVue(TBoutonVue bouton)
{
    const TVue nom = VueDuBouton(bouton);
    Bouton(bouton) = Etat.VueCourante != nom;
    if (Bouton(bouton))
    {
        EnfonceSeul(bouton);
        Etat.VueCourante = nom;
    }
    Edition.AMettreAJour = true;
    RafraichitVue();
}

}

void EnfonceSeul(TBoutonVue bouton)
{
    Etat.BoutonsVue.fill(false);
    Bouton(bouton) = true;
}

void FermeEditeursDessin()
{
    // The box's model, not the widget, says whether a value is open: the widget is hidden while the window is.
    if (EtatSaisie.Saisie.Visible)
        ValideSaisie();
    FermeCadresEtRafraichit();
    Controles.ComboBoxLambda.Visible = false;
    Controles.Ligne.Visible = false;
    CacheBoiteSaisie();
}

std::optional<std::string> DessinDoubleClic()
{
    TRetoursEtoile retours{Etat.RetourEtoileMultiple, Etat.RetourDispositif, Etat.RetourChamp};
    const TBasculeVue bascule = BasculeDoubleClic(Etat.VueCourante, retours);
    Etat.RetourEtoileMultiple = retours.EtoileMultiple;
    Etat.RetourDispositif = retours.Dispositif;
    Etat.RetourChamp = retours.Champ;
    const std::optional<TBoutonVue> bouton = BoutonDeVue(bascule.Vue);
    if (!bouton)
        return std::nullopt;
    EnfonceSeul(*bouton);
    Etat.VueCourante = bascule.Vue;
    return bascule.TexteStatut;
}

TVue VueDesBoutons(TVue actuelle)
{
    TVue vue = actuelle;
    if (!Etat.RetourEtoileMultiple && !Etat.RetourChamp && !Etat.RetourDispositif)
        vue = TVue::Tableau;
    if (Bouton(TBoutonVue::Instrument))
        vue = TVue::Instrument;
    if (!Etat.RetourDispositif && Bouton(TBoutonVue::Dispositif))
        vue = TVue::Dispositif;
    if (!Etat.RetourChamp && Bouton(TBoutonVue::Champ))
        vue = TVue::Champ;
    if (!Etat.RetourEtoileMultiple && Bouton(TBoutonVue::Etoiles))
        vue = TVue::EtoileMultiple;
    if (Bouton(TBoutonVue::Unique))
        vue = TVue::EtoileUnique;
    return vue;
}

void AfficheInstrumentExecute()
{
    BasculeVue(TBoutonVue::Instrument);
}

void AfficheDispositifdioptriqueExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Dispositif);
}

void AnalyseduchampExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Champ);
}

void EtoileMultipleExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Etoiles);
}

void EtoileUniqueExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Unique);
}

namespace {

constexpr int ZoomMaximalEtoileMultiple = 256;
constexpr int ZoomMaximalEtoileUnique = 128;

std::int32_t* ZoomDeLaVue()
{
    if (Etat.VueCourante == TVue::EtoileMultiple)
        return &Reglages.ZoomEtoileMultiple;
    if (Etat.VueCourante == TVue::EtoileUnique)
        return &Reglages.ZoomEtoileUnique;
    return nullptr;
}

void RafraichitEchelleChamp()
{
    Edition.AMettreAJour = true;
    Etat.TailleMaximaleAJour = false;
    RafraichitVue();
    Etat.TailleMaximaleAJour = true;
}

}

void ZoomAvantExecute()
{
    std::int32_t* zoom = ZoomDeLaVue();
    if (zoom == nullptr)
        return;
    const int maximum = zoom == &Reglages.ZoomEtoileMultiple ? ZoomMaximalEtoileMultiple : ZoomMaximalEtoileUnique;
    if (*zoom >= maximum)
        Etat.ZoomAvantActif = false;
    else
        *zoom *= 2;
    Edition.AMettreAJour = true;
    RafraichitVue();
}

void ZoomArriereExecute()
{
    std::int32_t* zoom = ZoomDeLaVue();
    if (zoom == nullptr)
        return;
    if (*zoom < 2)
        Etat.ZoomArriereActif = false;
    else
        *zoom /= 2;
    Edition.AMettreAJour = true;
    RafraichitVue();
}

void ZoomMoinsExecute()
{
    if (Etat.VueCourante != TVue::Champ)
        return;
    if (Validite.SystemeAfocal)
    {
        Reglages.AmplitudeChampAfocal = Reglages.AmplitudeChampAfocal == 72 ? 24 : 72;
    }
    else
    {
        switch (Reglages.AmplitudeChamp)
        {
        case 12: Reglages.AmplitudeChamp = 24; break;
        case 24: Reglages.AmplitudeChamp = 60; break;
        case 60: Reglages.AmplitudeChamp = 150; break;
        default: break;
        }
    }
    RafraichitEchelleChamp();
}

void ZoomPlusExecute()
{
    if (Etat.VueCourante != TVue::Champ)
        return;
    if (Validite.SystemeAfocal)
    {
        Reglages.AmplitudeChampAfocal = Reglages.AmplitudeChampAfocal == 24 ? 72 : 24;
    }
    else
    {
        switch (Reglages.AmplitudeChamp)
        {
        case 150: Reglages.AmplitudeChamp = 60; break;
        case 60: Reglages.AmplitudeChamp = 24; break;
        case 24: Reglages.AmplitudeChamp = 12; break;
        default: break;
        }
    }
    RafraichitEchelleChamp();
}

void TransversalesExecute()
{
    Etat.Transversales = !Etat.Transversales;
    Edition.AMettreAJour = true;
    RafraichitVue();
}

void PlaceDansPressePapiers(const std::string& texte)
{
    if (Services().PressePapiers != nullptr)
        Services().PressePapiers->FixeTexte(texte);
}

std::string TexteDuPressePapiers()
{
    if (Services().PressePapiers == nullptr || !Services().PressePapiers->ContientTexte())
        return {};
    return Services().PressePapiers->Texte();
}
