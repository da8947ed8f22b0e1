// The page's two drop-down lists, shown from the editors' records.
#include "app/ListesFiche.h"

#include "editing/BoiteSaisie.h"
#include "editing/ClicsFiche.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Ports.h"
#include "editing/Touches.h"
#include "sheet/Fiche.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

const std::array<const char*, 16> EntreesListeTypes = {
    "Lunette",
    "Télescope de Cassegrain",
    "Télescope de Dall-Kirkham",
    "Télescope de Gregory",
    "Télescope de Houghton-Cassegrain",
    "Télescope de Klevtsov-Cassegrain",
    "Télescope de Lurie-Houghton",
    "Télescope de Maksutov",
    "Télescope de Maksutov-Cassegrain",
    "Télescope de Maksutov-Newton",
    "Télescope de Newton",
    "Télescope de Ritchey-Chrétien",
    "Télescope de Schmidt",
    "Télescope de Schmidt-Cassegrain",
    "Télescope de Schmidt-Newton",
    "Télescope de Schwarzschild",
};

namespace {

// The field codes under which the wavelength list is open: the header cells of the plate-glass table and of the
// lens-device and lens-group tables.
bool EstCodeListeLongueurOnde(int code)
{
    return (code >= SaisieLongueurOndeRougeLame && code <= SaisieLongueurOndeBleueLame) ||
           (code >= SaisieLongueurOndeRouge && code <= SaisieLongueurOndeBleue);
}

QComboBox* Liste(QWidget* fiche, QWidget* saisie)
{
    auto* liste = new QComboBox(fiche);
    liste->setEditable(true);
    // A typed text is a choice to recognise, never a new entry of the list.
    liste->setInsertPolicy(QComboBox::NoInsert);
    QFont police = liste->font();
    police.setPixelSize(11);
    liste->setFont(police);
    liste->hide();
    liste->stackUnder(saisie);
    return liste;
}

// The character a key types, as the editors read it: Enter, a character of the ASCII set, or none (0) for a key
// that types nothing; any other character only counts as a key.
char Caractere(const QString& texte, int touche)
{
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
        return CaractereEntree;
    if (texte.isEmpty() || !texte.at(0).isPrint())
        return 0;
    const char16_t unite = texte.at(0).unicode();
    return unite < 128 ? static_cast<char>(unite) : ' ';
}

} // namespace

TListesFiche::TListesFiche(QWidget* fiche, QWidget* saisie) : QObject(fiche)
{
    ComboBox = Liste(fiche, saisie);
    for (const char* entree : EntreesListeTypes)
        ComboBox->addItem(QString::fromUtf8(entree));
    ComboBox->setEditText(QString());
    // The box shows a chosen form's whole name: the sheet places its words after the box as wide as that makes it.
    ComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Controles.ComboBox.Width = std::max(Controles.ComboBox.Width, ComboBox->sizeHint().width());
    ComboBox->view()->setMinimumWidth(ComboBox->view()->sizeHintForColumn(0) + 8);
    ComboBox->setToolTip(QStringLiteral("Type de l'instrument d'observation"));
    ComboBoxLambda = Liste(fiche, saisie);
    ComboBox->installEventFilter(this);
    ComboBoxLambda->installEventFilter(this);

    connect(ComboBoxLambda, &QComboBox::editTextChanged, this, [this](const QString& texte) {
        if (!EnCours_)
            ListeLongueursOnde.Texte = texte.toStdString();
    });
    connect(ComboBoxLambda, &QComboBox::activated, this, [this](int index) {
        ListeLongueursOnde.Texte = ComboBoxLambda->itemText(index).toStdString();
        ChoisitLongueurOnde();
        MontreBoiteSaisie();
        Applique();
    });
    ListesFiche = this;
}

TListesFiche::~TListesFiche()
{
    ListesFiche = nullptr;
}

void TListesFiche::Applique()
{
    const TControle& type = Controles.ComboBox;
    ComboBox->setGeometry(type.Left, type.Top, type.Width, std::max(type.Height, ComboBox->sizeHint().height()));
    EnCours_ = true;
    // A new design starts from a blank list: a form left in it from the last design would be made by the first
    // click on the sheet.
    if (type.Visible && !TypeMontre_)
        ComboBox->setEditText(QString());
    TypeMontre_ = type.Visible;
    ComboBox->setVisible(type.Visible);
    if (!Controles.ComboBoxLambda.Visible)
    {
        ComboBoxLambda->hide();
        CodeLambda_ = 0;
    }
    else if (!EstCodeListeLongueurOnde(EtatSaisie.CodeSaisie))
        // Committed: the list stays where it is until an entry box opens.
        CodeLambda_ = 0;
    else if (EtatSaisie.CodeSaisie != CodeLambda_)
    {
        CodeLambda_ = EtatSaisie.CodeSaisie;
        PrepareListeLongueurOnde();
        const TListeLongueursOnde& liste = ListeLongueursOnde;
        ComboBoxLambda->clear();
        for (const std::string& entree : liste.Entrees)
            ComboBoxLambda->addItem(QString::fromStdString(entree));
        ComboBoxLambda->setEditText(QString::fromStdString(liste.Texte));
        ComboBoxLambda->setGeometry(liste.Gauche, liste.Haut, liste.Largeur,
                                    std::max(liste.Hauteur, ComboBoxLambda->sizeHint().height()));
        ComboBoxLambda->show();
        EnCours_ = false;
        ComboBoxLambda->setFocus(Qt::OtherFocusReason);
    }
    EnCours_ = false;
}

bool TListesFiche::ToucheType(const QString& texte, int touche)
{
    const char caractere = Caractere(texte, touche);
    if (caractere == 0)
        return false;
    FicheComboBoxKeyPress(caractere, ComboBox->currentText().toStdString());
    MontreBoiteSaisie();
    Applique();
    return caractere == CaractereEntree;
}

bool TListesFiche::ToucheLambda(const QString& texte, int touche)
{
    const char caractere = Caractere(texte, touche);
    if (caractere == 0 || !FicheComboBoxLambdaKeyPress(caractere))
        return false;
    MontreBoiteSaisie();
    Applique();
    return true;
}

bool TListesFiche::eventFilter(QObject* objet, QEvent* evenement)
{
    const bool type = objet == ComboBox;
    if (!type && objet != ComboBoxLambda)
        return QObject::eventFilter(objet, evenement);
    switch (evenement->type())
    {
    case QEvent::KeyPress:
    {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        return type ? ToucheType(touche->text(), touche->key()) : ToucheLambda(touche->text(), touche->key());
    }
    case QEvent::FocusIn:
        if (type)
        {
            FicheComboBoxEnter();
            MontreBoiteSaisie();
            FixeContexteAide(ContexteNouveauDocument);
        }
        else
        {
            FicheComboBoxLambdaEnter();
            ComboBoxLambda->setToolTip(QString::fromStdString(ListeLongueursOnde.Conseil));
        }
        break;
    case QEvent::FocusOut:
    {
        // The drop-down, a menu or another window taking the focus for a while is not leaving the list.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (type)
            break;
        if (!EnCours_ && raison != Qt::PopupFocusReason && raison != Qt::ActiveWindowFocusReason &&
            raison != Qt::MenuBarFocusReason)
            AppliqueLongueurOnde();
        // Qt takes a typed text equal to an entry as chosen from the drop-down when the list is left; leaving only
        // takes the text, with nothing journaled and no index read.
        const QSignalBlocker bloque(ComboBoxLambda);
        static_cast<QObject*>(ComboBoxLambda)->event(evenement);
        return true;
    }
    default: break;
    }
    return QObject::eventFilter(objet, evenement);
}

void AppliqueListesFiche()
{
    if (ListesFiche != nullptr)
        ListesFiche->Applique();
}

std::string TexteListeTypesFiche()
{
    return ListesFiche != nullptr ? ListesFiche->ComboBox->currentText().toStdString() : std::string();
}
