// The question window: every warning, file message and question of the program is shown in it.
#include "dialogs/Interrogation.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int LargeurParDefaut = 359;
constexpr int HauteurParDefaut = 100;
constexpr int LargeurBouton = 75;
constexpr int HauteurBouton = 25;
constexpr int HautBoutons = 64;
constexpr int CoteIcone = 35;
constexpr int HauteurLigne = 16;
constexpr int EcartBoutons = 10;

QLabel* NouvelleIcone(QWidget* parent, QStyle::StandardPixmap image)
{
    auto* icone = new QLabel(parent);
    icone->setPixmap(parent->style()->standardIcon(image).pixmap(32, 32));
    icone->setAlignment(Qt::AlignCenter);
    return icone;
}

void Place(QWidget* composant, const TRectangle& r)
{
    composant->setGeometry(r.Gauche, r.Haut, r.Largeur, r.Hauteur);
    composant->setVisible(r.Largeur > 0);
}

}

TDispositionInterrogation DisposeInterrogation(const TQuestion& question)
{
    TDispositionInterrogation d;
    d.Largeur = question.Largeur > 0 ? question.Largeur : LargeurParDefaut;
    d.Hauteur = question.Hauteur > 0 ? question.Hauteur : HauteurParDefaut;
    if (question.Icone != TIconeQuestion::Aucune)
        d.Icone = {8, 8, CoteIcone, CoteIcone};

    const bool question2Boutons = question.Boutons == TBoutonsQuestion::OuiNon;
    const int gaucheTexte = question2Boutons ? 54 : 64;
    int hautLigne1 = question2Boutons ? 8 : 5;
    if (question.Boutons == TBoutonsQuestion::OuiNonAnnuler)
        hautLigne1 = question.Ligne2.empty() ? 20 : 8;
    const int largeurTexte = question.LargeurTexte > 0 ? question.LargeurTexte : d.Largeur - 100;

    int hautBoutons = HautBoutons;
    switch (question.Boutons)
    {
    case TBoutonsQuestion::Ok:
        // A taller box holds a longer text: the button stays at the bottom.
        hautBoutons = std::max(HautBoutons, d.Hauteur - HauteurParDefaut + HautBoutons);
        d.BoutonOK = {(d.Largeur - LargeurBouton) / 2, hautBoutons, LargeurBouton, HauteurBouton};
        break;
    case TBoutonsQuestion::OuiNon:
    {
        hautBoutons = d.Hauteur - 72;
        const int gaucheOK = (d.Largeur - 2 * LargeurBouton) / 3;
        d.BoutonOK = {gaucheOK, hautBoutons, LargeurBouton, HauteurBouton};
        d.BoutonNO = {2 * gaucheOK + LargeurBouton, hautBoutons, LargeurBouton, HauteurBouton};
        break;
    }
    case TBoutonsQuestion::OuiNonAnnuler:
        d.BoutonOK = {40, hautBoutons, LargeurBouton, HauteurBouton};
        d.BoutonNO = {145, hautBoutons, LargeurBouton, HauteurBouton};
        d.BoutonAnnuler = {250, hautBoutons, LargeurBouton, HauteurBouton};
        break;
    }

    // Ligne1 wraps its words down to the buttons; the two other lines hold one line each.
    const std::string* textes[3] = {&question.Ligne1, &question.Ligne2, &question.Ligne3};
    const int hauts[3] = {hautLigne1, 27, 46};
    for (int i = 0; i < 3; ++i)
        if (!textes[i]->empty())
            d.Lignes[i] = {gaucheTexte, hauts[i], largeurTexte, HauteurLigne};
    if (!question.Ligne1.empty() && question.Ligne2.empty() && question.Ligne3.empty())
        d.Lignes[0].Hauteur = std::max(HauteurLigne, hautBoutons - 4 - hautLigne1);
    return d;
}

QString CheminAjuste(const QString& chemin, const QFontMetrics& mesure, int largeur)
{
    if (mesure.horizontalAdvance(chemin) <= largeur)
        return chemin;
    const qsizetype separateur = std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\')));
    if (separateur < 0)
        return chemin;
    const QString dossier = chemin.left(separateur + 1);
    const QString nom = chemin.mid(separateur + 1);
    const QString points = QStringLiteral("…");
    const int place = largeur - mesure.horizontalAdvance(nom);
    if (place > mesure.horizontalAdvance(points + dossier.back()))
        return mesure.elidedText(dossier, Qt::ElideMiddle, place) + nom;
    // A zero-width space after each separator of the name lets the line break there.
    QString coupable;
    for (const QChar c : nom)
    {
        coupable += c;
        if (c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.'))
            coupable += QChar(0x200B);
    }
    return points + dossier.back() + coupable;
}

TReponse ReponseEchappement(TBoutonsQuestion boutons)
{
    switch (boutons)
    {
    case TBoutonsQuestion::Ok: return ReponseOk;
    case TBoutonsQuestion::OuiNon: return ReponseNon;
    case TBoutonsQuestion::OuiNonAnnuler: return ReponseAnnuler;
    }
    return ReponseAnnuler;
}

TInterrogationForm::TInterrogationForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
    Ligne1 = new QLabel(this);
    Ligne1->setWordWrap(true);
    Ligne1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Ligne2 = new QLabel(this);
    Ligne2->setWordWrap(true);
    Ligne3 = new QLabel(this);
    Avertissement = NouvelleIcone(this, QStyle::SP_MessageBoxWarning);
    // The file messages' disk: the style's drive picture has no size beside the other icons'.
    Disque = NouvelleIcone(this, QStyle::SP_DialogSaveButton);
    Stop = NouvelleIcone(this, QStyle::SP_MessageBoxCritical);
    Interrogation = NouvelleIcone(this, QStyle::SP_MessageBoxQuestion);
    BoutonOK = new QPushButton(QStringLiteral("&Ok"), this);
    BoutonOK->setDefault(true);
    BoutonNO = new QPushButton(QStringLiteral("&Non"), this);
    BoutonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    connect(BoutonOK, &QPushButton::clicked, this, &TInterrogationForm::BoutonOKClick);
    connect(BoutonNO, &QPushButton::clicked, this, &TInterrogationForm::BoutonNOClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &TInterrogationForm::BoutonAnnulerClick);
    ReinitialiseInterrogation();
    setFixedSize(LargeurParDefaut, HauteurParDefaut);
}

void TInterrogationForm::ReinitialiseInterrogation()
{
    for (QPushButton* bouton : {BoutonOK, BoutonNO, BoutonAnnuler})
        bouton->hide();
    for (QLabel* etiquette : {Avertissement, Disque, Stop, Interrogation, Ligne1, Ligne2, Ligne3})
        etiquette->hide();
    BoutonOK->setText(QStringLiteral("&Ok"));
    for (QLabel* ligne : {Ligne1, Ligne2})
    {
        QFont police = ligne->font();
        police.setPointSize(9);
        ligne->setFont(police);
    }
}

TReponse TInterrogationForm::Pose(const TQuestion& question)
{
    ReinitialiseInterrogation();
    const TDispositionInterrogation d = DisposeInterrogation(question);
    setWindowTitle(QString::fromStdString(question.Titre));
    setFixedSize(d.Largeur, d.Hauteur);

    QLabel* icones[] = {nullptr, Avertissement, Disque, Stop, Interrogation};
    if (QLabel* icone = icones[static_cast<int>(question.Icone)])
        Place(icone, d.Icone);
    QLabel* lignes[] = {Ligne1, Ligne2, Ligne3};
    const std::string* textes[] = {&question.Ligne1, &question.Ligne2, &question.Ligne3};
    for (int i = 0; i < 3; ++i)
    {
        // A carriage return in a message starts a new line, as it does in the platform's own message boxes.
        QString texte = QString::fromStdString(*textes[i]);
        texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
        if (question.LigneChemin == i + 1)
            texte = CheminAjuste(texte, lignes[i]->fontMetrics(), d.Lignes[i].Largeur);
        lignes[i]->setText(texte);
        Place(lignes[i], d.Lignes[i]);
    }
    BoutonOK->setText(QString::fromStdString(question.LibelleOk));
    Place(BoutonOK, d.BoutonOK);
    Place(BoutonNO, d.BoutonNO);
    Place(BoutonAnnuler, d.BoutonAnnuler);
    BoutonOK->setDefault(true);
    BoutonOK->setFocus();

    AjusteHauteurs(d);

    const QWidget* proprietaire = QApplication::activeWindow();
    const QRect cadre = proprietaire != nullptr && proprietaire != this ? proprietaire->frameGeometry()
                        : screen() != nullptr                           ? screen()->availableGeometry()
                                                                        : QRect();
    if (cadre.isValid())
        move(cadre.center() - rect().center());

    // Escape and the close box reject the window without pressing a button: the answer stays this one.
    Reponse = ReponseEchappement(question.Boutons);
    exec();
    return Reponse;
}

void TInterrogationForm::AjusteHauteurs(const TDispositionInterrogation& d)
{
    int decalage = 0;
    int basTexte = 0;
    QLabel* lignes[] = {Ligne1, Ligne2, Ligne3};
    for (int i = 0; i < 3; ++i)
    {
        QLabel* ligne = lignes[i];
        const TRectangle& r = d.Lignes[i];
        if (r.Largeur == 0)
            continue;
        const int hauteurTexte = ligne->wordWrap() ? ligne->heightForWidth(r.Largeur) : r.Hauteur;
        const int haut = r.Haut + decalage;
        ligne->move(r.Gauche, haut);
        if (hauteurTexte > r.Hauteur)
        {
            ligne->resize(r.Largeur, hauteurTexte);
            decalage += hauteurTexte - r.Hauteur;
        }
        basTexte = std::max(basTexte, haut + hauteurTexte);
    }
    const int manque = basTexte + EcartBoutons - (d.BoutonOK.Haut + decalage);
    if (manque > 0)
        decalage += manque;
    if (decalage <= 0)
        return;
    for (QPushButton* bouton : {BoutonOK, BoutonNO, BoutonAnnuler})
        bouton->move(bouton->x(), bouton->y() + decalage);
    setFixedSize(d.Largeur, d.Hauteur + decalage);
}

void TInterrogationForm::Repond(TReponse reponse)
{
    Reponse = reponse;
    accept();
}

void TInterrogationForm::BoutonOKClick()
{
    Repond(ReponseOui);
}

void TInterrogationForm::BoutonNOClick()
{
    Repond(ReponseNon);
}

void TInterrogationForm::BoutonAnnulerClick()
{
    Repond(ReponseAnnuler);
}
