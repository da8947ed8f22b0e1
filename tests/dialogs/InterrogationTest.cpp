// The question window: where its parts go, and what Enter, Escape and the close box answer.
#include "dialogs/Interrogation.h"
#include "doubles/ApplicationQt.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TQuestion Question(TBoutonsQuestion boutons, int largeur, int hauteur = 0)
{
    TQuestion question;
    question.Titre = "Quivane - Essai";
    question.Ligne1 = "Le texte";
    question.Icone = TIconeQuestion::Stop;
    question.Boutons = boutons;
    question.Largeur = largeur;
    question.Hauteur = hauteur;
    return question;
}

}

TEST(Interrogation, DispositionDesBoutons)
{
    struct TCas
    {
        const char* Nom;
        TQuestion Question;
        int Largeur;
        int Hauteur;
        TRectangle OK;
        TRectangle NO;
        TRectangle Annuler;
    };
    const TCas cas[] = {
        {"avertissement de 326", Question(TBoutonsQuestion::Ok, 326), 326, 100, {125, 64, 75, 25}, {}, {}},
        {"question de 515 x 150",
         Question(TBoutonsQuestion::OuiNon, 515, 150),
         515,
         150,
         {121, 78, 75, 25},
         {317, 78, 75, 25},
         {}},
        {"trois boutons",
         Question(TBoutonsQuestion::OuiNonAnnuler, 375, 138),
         375,
         138,
         {40, 64, 75, 25},
         {145, 64, 75, 25},
         {250, 64, 75, 25}},
        {"taille par défaut", Question(TBoutonsQuestion::Ok, 0), 359, 100, {142, 64, 75, 25}, {}, {}},
    };
    const auto egaux = [](const TRectangle& a, const TRectangle& b) {
        return a.Gauche == b.Gauche && a.Haut == b.Haut && a.Largeur == b.Largeur && a.Hauteur == b.Hauteur;
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const TDispositionInterrogation d = DisposeInterrogation(c.Question);
        EXPECT_EQ(d.Largeur, c.Largeur);
        EXPECT_EQ(d.Hauteur, c.Hauteur);
        EXPECT_TRUE(egaux(d.BoutonOK, c.OK));
        EXPECT_TRUE(egaux(d.BoutonNO, c.NO));
        EXPECT_TRUE(egaux(d.BoutonAnnuler, c.Annuler));
    }
}

TEST(Interrogation, EchapEtCaseDeFermetureRepondentSansJamaisDireOui)
{
    AssureApplicationQt();
    struct TCas
    {
        const char* Nom;
        TBoutonsQuestion Boutons;
        bool CaseDeFermeture; // else Escape, which rejects the dialog
        TReponse Attendue;
    };
    const TCas cas[] = {
        {"Echap sur un avertissement", TBoutonsQuestion::Ok, false, ReponseOk},
        {"Echap sur une question", TBoutonsQuestion::OuiNon, false, ReponseNon},
        {"Echap avec Annuler", TBoutonsQuestion::OuiNonAnnuler, false, ReponseAnnuler},
        {"fermeture d'une question", TBoutonsQuestion::OuiNon, true, ReponseNon},
        {"fermeture avec Annuler", TBoutonsQuestion::OuiNonAnnuler, true, ReponseAnnuler},
    };
    TInterrogationForm fenetre;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        // Enter presses the default button, which is the first one.
        bool okParDefaut = false;
        QTimer::singleShot(0, &fenetre, [&fenetre, &okParDefaut, ferme = c.CaseDeFermeture] {
            okParDefaut = fenetre.BoutonOK->isDefault();
            if (ferme)
                fenetre.close();
            else
                QMetaObject::invokeMethod(&fenetre, "reject");
        });
        EXPECT_EQ(fenetre.Pose(Question(c.Boutons, 0)), c.Attendue);
        EXPECT_FALSE(fenetre.isVisible());
        EXPECT_TRUE(okParDefaut);
    }
}

TEST(Interrogation, LesBoutonsRepondentSixSeptDeux)
{
    AssureApplicationQt();
    TInterrogationForm fenetre;
    const std::pair<QPushButton * TInterrogationForm::*, TReponse> boutons[] = {
        {&TInterrogationForm::BoutonOK, 6},
        {&TInterrogationForm::BoutonNO, 7},
        {&TInterrogationForm::BoutonAnnuler, 2}};
    for (const auto& [bouton, reponse] : boutons)
    {
        SCOPED_TRACE(reponse);
        QTimer::singleShot(0, &fenetre, [&fenetre, bouton = bouton] { (fenetre.*bouton)->click(); });
        EXPECT_EQ(fenetre.Pose(Question(TBoutonsQuestion::OuiNonAnnuler, 375, 138)), reponse);
    }
}

TEST(Interrogation, UnRetourChariotCommenceUneLigne)
{
    AssureApplicationQt();
    TInterrogationForm fenetre;
    TQuestion question = Question(TBoutonsQuestion::OuiNon, 425, 150);
    question.Ligne1 = "Première phrase.\rSeconde phrase.";
    QTimer::singleShot(0, &fenetre, [&fenetre] {
        EXPECT_EQ(fenetre.Ligne1->text(), QStringLiteral("Première phrase.\nSeconde phrase."));
        fenetre.BoutonNO->click();
    });
    EXPECT_EQ(fenetre.Pose(question), 7);
}

TEST(Interrogation, UnCheminTientDansSaLigneSansCouperLeNom)
{
    AssureApplicationQt();
    TInterrogationForm fenetre;
    const QFontMetrics mesure = fenetre.Ligne2->fontMetrics();
    const int largeur = 280;
    const QString nom = QStringLiteral("newton-200-f5-correcteur.qvd ?");
    const QString nomLong = QStringLiteral("un-nom-de-fichier-tres-long-pour-un-newton-de-200-mm.qvd ?");
    const QString dossier = QStringLiteral("/home/utilisateur/telescopes/projets/");
    EXPECT_EQ(CheminAjuste(QStringLiteral("/d/a.qvd ?"), mesure, largeur), QStringLiteral("/d/a.qvd ?"));
    const QString court = CheminAjuste(dossier + nom, mesure, largeur);
    EXPECT_TRUE(court.endsWith(QStringLiteral("/") + nom)) << court.toStdString();
    EXPECT_TRUE(court.startsWith(QStringLiteral("/ho"))) << court.toStdString();
    EXPECT_TRUE(court.contains(QStringLiteral("…")));
    EXPECT_LE(mesure.horizontalAdvance(court), largeur);
    // A name too long for the line: whole, after "…/", free to break after its hyphens.
    QString coupable = CheminAjuste(dossier + nomLong, mesure, largeur);
    EXPECT_TRUE(coupable.startsWith(QStringLiteral("…/")));
    EXPECT_EQ(coupable.remove(QChar(0x200B)), QStringLiteral("…/") + nomLong);
    // Without a folder there is nothing to shorten.
    EXPECT_EQ(CheminAjuste(nomLong, mesure, largeur), nomLong);
}

// Wrapped lines push what lies below them down, and the buttons keep a gap under the text.
TEST(Interrogation, LesBoutonsNeTouchentJamaisLeTexte)
{
    AssureApplicationQt();
    TInterrogationForm fenetre;
    TQuestion recuperation;
    recuperation.Titre = "Quivane - Récupération";
    recuperation.Ligne1 = "Voulez-vous récupérer la dernière session interrompue ?";
    recuperation.Icone = TIconeQuestion::Interrogation;
    recuperation.Boutons = TBoutonsQuestion::OuiNon;
    TQuestion enregistrement = Question(TBoutonsQuestion::OuiNonAnnuler, 375, 138);
    enregistrement.LargeurTexte = 280;
    enregistrement.Ligne1 = "Voulez-vous enregistrer :";
    enregistrement.Ligne2 = "/home/utilisateur/un-nom-de-fichier-tres-long-pour-un-newton-de-200-mm.qvd ?";
    enregistrement.LigneChemin = 2;
    // A report of eight lines in the plain box, which grows with them.
    TQuestion rapport;
    rapport.Titre = "Quivane";
    rapport.Ligne1 = "Dispositif dioptrique :\n\nLa puissance optique globale de ce dispositif,\nc'est à dire la somme "
                     "des puissances de ses lentilles\nvaut 10,285 Dioptries = 1 / 0,097\n\nAttention ! Dans de "
                     "nombreux cas cette considération\npeut être absurde.";
    rapport.Largeur = 485;
    rapport.Hauteur = 178;
    for (const TQuestion& question : {recuperation, enregistrement, rapport})
    {
        SCOPED_TRACE(question.Titre);
        QTimer::singleShot(0, &fenetre, [&fenetre] {
            int basTexte = 0;
            for (QLabel* ligne : {fenetre.Ligne1, fenetre.Ligne2, fenetre.Ligne3})
            {
                if (!ligne->isVisibleTo(&fenetre))
                    continue;
                const int hauteur = ligne->wordWrap() ? ligne->heightForWidth(ligne->width()) : ligne->height();
                EXPECT_LE(hauteur, ligne->height()) << ligne->text().toStdString();
                basTexte = std::max(basTexte, ligne->y() + hauteur);
                if (ligne != fenetre.Ligne1)
                {
                    EXPECT_GE(ligne->y(), fenetre.Ligne1->y() + fenetre.Ligne1->height());
                }
            }
            EXPECT_GE(fenetre.BoutonOK->y(), basTexte + 8);
            EXPECT_LE(fenetre.BoutonOK->y() + fenetre.BoutonOK->height(), fenetre.height());
            (fenetre.BoutonNO->isVisibleTo(&fenetre) ? fenetre.BoutonNO : fenetre.BoutonOK)->click();
        });
        fenetre.Pose(question);
    }
}

TEST(Interrogation, LeDisqueALaTailleDesAutresIcones)
{
    AssureApplicationQt();
    TInterrogationForm fenetre;
    for (QLabel* icone : {fenetre.Disque, fenetre.Stop, fenetre.Interrogation})
        EXPECT_EQ(icone->pixmap().size(), fenetre.Avertissement->pixmap().size());
}
