// The lens shape frame and the mirror frame of the surface tables.
#include "app/CadreLentille.h"

#include "app/Rafraichissement.h"
#include "editing/CadreLentille.h"
#include "editing/EtatEdition.h"
#include "editing/SourisTableaux.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int LargeurCase = 64;
constexpr int LargeurFleches = 14;

TCadreLentille* Cadre = nullptr;

QPushButton* Bouton(QWidget* parent, const char* legende, QRect place)
{
    auto* bouton = new QPushButton(QString::fromUtf8(legende), parent);
    bouton->setGeometry(place);
    // Enter presses the button that has the focus, as in a dialog.
    bouton->setAutoDefault(true);
    QFont police = bouton->font();
    police.setPixelSize(11);
    bouton->setFont(police);
    return bouton;
}

QLabel* Texte(QWidget* parent, const char* texte, QRect place)
{
    auto* label = new QLabel(QString::fromUtf8(texte), parent);
    QFont police = label->font();
    police.setPixelSize(11);
    label->setFont(police);
    label->setGeometry(place);
    return label;
}

void Titre(QFrame* cadre, const char* texte)
{
    cadre->setFrameShape(QFrame::Panel);
    cadre->setFrameShadow(QFrame::Raised);
    cadre->setAutoFillBackground(true);
    QLabel* titre = Texte(cadre, texte, QRect(3, 3, cadre->width() - 30, 16));
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);
}

void Rafraichit()
{
    if (Cadre != nullptr)
        Cadre->Applique();
    RedessinePage();
}

} // namespace

TBoiteForme::TBoiteForme(QWidget* parent, bool cambrure) : QWidget(parent), Cambrure_(cambrure)
{
    resize(LargeurCase + LargeurFleches, 17);
    Case = new QLineEdit(this);
    Case->setGeometry(0, 0, LargeurCase, 17);
    QFont police = Case->font();
    police.setPixelSize(11);
    Case->setFont(police);
    Case->setFrame(false);
    // The value ends at the box's right end, where the step markers and the digit clicks expect its last decimal.
    Case->setAlignment(Qt::AlignRight);
    Repere = new QFrame(parent);
    Repere->setFrameShape(QFrame::HLine);
    Repere->setLineWidth(2);
}

void TBoiteForme::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int x = LargeurCase;
    p.fillRect(x, 0, LargeurFleches, height(), palette().button());
    p.setPen(palette().dark().color());
    p.drawRect(x, 0, LargeurFleches - 1, height() - 1);
    p.drawLine(x, height() / 2, x + LargeurFleches, height() / 2);
    p.setBrush(Appui_ == 1 ? palette().dark() : palette().text());
    const int m = x + LargeurFleches / 2;
    const QPoint haut[] = {{m - 3, 6}, {m + 3, 6}, {m, 2}};
    p.drawPolygon(haut, 3);
    p.setBrush(Appui_ == -1 ? palette().dark() : palette().text());
    const QPoint bas[] = {{m - 3, 11}, {m + 3, 11}, {m, 15}};
    p.drawPolygon(bas, 3);
}

void TBoiteForme::mousePressEvent(QMouseEvent* evenement)
{
    const QPoint point = evenement->position().toPoint();
    if (point.x() < LargeurCase)
        return;
    const bool monte = point.y() <= 8;
    Appui_ = monte ? 1 : -1;
    update();
    if (Cadre == nullptr)
        return;
    const QString autre = Cambrure_ ? Cadre->BoxPhi->Case->text() : Cadre->BoxGamma->Case->text();
    CadreLentilleSpin(Cambrure_, monte, Case->text().toStdString(), autre.toStdString());
    Rafraichit();
    Cadre->MontreTextes();
}

void TBoiteForme::mouseReleaseEvent(QMouseEvent*)
{
    Appui_ = 0;
    update();
}

TCadreLentille::TCadreLentille(QWidget* fiche) : QFrame(fiche)
{
    Cadre = this;
    resize(174, 161);
    Titre(this, "Forme de la lentille");
    BtnCloseRdc = Bouton(this, "X", QRect(width() - 21, 2, 18, 18));
    LabelPhi = Texte(this, "F =", QRect(6, 28, 22, 16));
    BoxPhi = new TBoiteForme(this, false);
    BoxPhi->move(28, 27);
    UnitePhi = Texte(this, "dioptries", QRect(112, 28, 60, 16));
    LabelGamma = Texte(this, "g =", QRect(6, 56, 22, 16));
    BoxGamma = new TBoiteForme(this, true);
    BoxGamma->move(28, 55);
    UniteGamma = Texte(this, "m<sup>-1</sup>", QRect(112, 54, 40, 18));
    BtnDioptrePlan = Bouton(this, "Dioptre &Plan", QRect(3, 82, 168, 22));
    BtnDiaphragme = Bouton(this, "Diaphragme", QRect(3, 106, 168, 22));
    BtnOKRdc = Bouton(this, "&OK", QRect(3, 135, 80, 22));
    BtnAideRdc = Bouton(this, "?", QRect(width() - 40, 135, 36, 22));
    const QFontMetrics mesure(BoxPhi->Case->font());
    CadreLentilleModele.LargeurChiffre = std::max(1, mesure.horizontalAdvance(QStringLiteral("-123.1234")) / 9);
    for (QLineEdit* boite : {BoxPhi->Case, BoxGamma->Case})
        boite->installEventFilter(this);
    for (QPushButton* bouton : {BtnDioptrePlan, BtnDiaphragme, BtnOKRdc})
        bouton->installEventFilter(this);
    connect(BtnDioptrePlan, &QPushButton::clicked, this, [] {
        CadreLentilleBtnDioptrePlanClick();
        Rafraichit();
    });
    connect(BtnDiaphragme, &QPushButton::clicked, this, [] {
        CadreLentilleBtnDiaphragmeClick();
        Rafraichit();
    });
    connect(BtnOKRdc, &QPushButton::clicked, this, [this] {
        CadreLentilleBtnOKRdcClick(BoxPhi->Case->text().toStdString(), BoxGamma->Case->text().toStdString());
        Rafraichit();
    });
    connect(BtnCloseRdc, &QPushButton::clicked, this, [] {
        FermeCadreLentille();
        Rafraichit();
    });
    hide();
}

void TCadreLentille::MontreTextes()
{
    BoxPhi->Case->setText(QString::fromStdString(CadreLentilleModele.TextePhi));
    BoxGamma->Case->setText(QString::fromStdString(CadreLentilleModele.TexteGamma));
}

void TCadreLentille::Applique()
{
    if (!EtatSaisie.CadreLentille)
    {
        Ouvert_ = false;
        hide();
        return;
    }
    const TCadreLentilleModele& m = CadreLentilleModele;
    move(m.Gauche, m.Haut);
    for (QWidget* w : std::initializer_list<QWidget*>{BoxPhi, BoxGamma, BoxPhi->Repere, BoxGamma->Repere, LabelPhi,
                                                      LabelGamma, UnitePhi, UniteGamma})
        w->setVisible(m.CasesVisibles);
    if (!Ouvert_ || m.TextePhi != TextePhi_)
        BoxPhi->Case->setText(QString::fromStdString(m.TextePhi));
    if (!Ouvert_ || m.TexteGamma != TexteGamma_)
        BoxGamma->Case->setText(QString::fromStdString(m.TexteGamma));
    TextePhi_ = m.TextePhi;
    TexteGamma_ = m.TexteGamma;
    BoxPhi->Repere->setGeometry(BoxPhi->x() + m.ReperePhi - 37, BoxPhi->y() + 18, 6, 3);
    BoxGamma->Repere->setGeometry(BoxGamma->x() + m.RepereGamma - 37, BoxGamma->y() + 18, 6, 3);
    show();
    raise();
    if (Ouvert_)
        return;
    Ouvert_ = true;
    BtnDioptrePlan->setFocus();
}

bool TCadreLentille::eventFilter(QObject* objet, QEvent* evenement)
{
    const bool cambrure = objet == BoxGamma->Case;
    const bool boite = objet == BoxPhi->Case || cambrure;
    if (boite && evenement->type() == QEvent::MouseButtonPress)
    {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        CadreLentilleChiffre(cambrure, souris->position().toPoint().x());
        Applique();
        return false;
    }
    if (evenement->type() != QEvent::KeyPress)
        return QFrame::eventFilter(objet, evenement);
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (boite && (touche == Qt::Key_Return || touche == Qt::Key_Enter))
    {
        QLineEdit* celle = cambrure ? BoxGamma->Case : BoxPhi->Case;
        QLineEdit* autre = cambrure ? BoxPhi->Case : BoxGamma->Case;
        CadreLentilleEntree(cambrure, celle->text().toStdString(), autre->text().toStdString());
        Rafraichit();
        MontreTextes();
        (cambrure ? static_cast<QWidget*>(BtnOKRdc) : BoxGamma->Case)->setFocus();
        return true;
    }
    if (touche == Qt::Key_Escape)
    {
        if (boite)
        {
            CadreLentilleEchap(cambrure);
            MontreTextes();
            return true;
        }
        FermeCadreLentille();
        Rafraichit();
        return true;
    }
    return QFrame::eventFilter(objet, evenement);
}

void TCadreLentille::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() != Qt::Key_Escape)
        return QFrame::keyPressEvent(evenement);
    FermeCadreLentille();
    Rafraichit();
}

TCadreMiroirPlan::TCadreMiroirPlan(QWidget* fiche) : QFrame(fiche)
{
    resize(174, 53);
    Titre(this, "Forme du miroir");
    BtnCloseMp = Bouton(this, "X", QRect(width() - 21, 2, 18, 18));
    BtnMiroirPlan = Bouton(this, "Dioptre &Plan", QRect(3, 26, 120, 22));
    BtnAideMp = Bouton(this, "?", QRect(width() - 40, 26, 36, 22));
    connect(BtnMiroirPlan, &QPushButton::clicked, this, [] {
        CadreMiroirPlanBtnMiroirPlanClick();
        Rafraichit();
    });
    connect(BtnCloseMp, &QPushButton::clicked, this, [] {
        FermeCadreMiroirPlan();
        Rafraichit();
    });
    hide();
}

void TCadreMiroirPlan::Applique()
{
    if (!EtatSaisie.CadreMiroirPlan)
    {
        Ouvert_ = false;
        hide();
        return;
    }
    move(CadreMiroirPlanModele.Gauche, CadreMiroirPlanModele.Haut);
    show();
    raise();
    if (Ouvert_)
        return;
    Ouvert_ = true;
    BtnMiroirPlan->setFocus();
}

void TCadreMiroirPlan::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() != Qt::Key_Escape)
        return QFrame::keyPressEvent(evenement);
    FermeCadreMiroirPlan();
    Rafraichit();
}

void MontreCadreLentille(TTableEditee table)
{
    table == TTableEditee::Groupe ? OuvreCadreLentilleGroupe() : OuvreCadreLentille();
    RedessinePage();
}

void MontreCadreMiroirPlan()
{
    OuvreCadreMiroirPlan();
    RedessinePage();
}
