// The instrument drawing window "Quivane - Configuration du schéma de l'instrument": the colours of the mirrors and
// of the lenses in the instrument's section, changed one component at a time. Each step is applied at once: OK and
// Cancel both keep the colours as they are (ConfigInstrumentCalcul).
#pragma once

#include <QDialog>
#include <QPointer>

#include <array>

class QLabel;
class QPushButton;
class TCaseRVB;
class TImageVue;

class TConfigInstrumentForm : public QDialog
{
    Q_OBJECT

public:
    explicit TConfigInstrumentForm(QWidget* parent = nullptr);

    // The repaint: the two bars, the six values and the spin box over the chosen one.
    void DessineCouleursInstrument();

    // The controls' events as the window reports them.
    void ComposanteClick(int composante); // 1 to 3 the mirrors' red, green, blue, 4 to 6 the lenses'
    void CaseRVBPas(bool haut);
    void ButtonAideClick();

    int ComposanteCouleur = 1;

    TImageVue* Fond;
    // MirRouge, MirVert, MirBleu, LentRouge, LentVert, LentBleu.
    std::array<QLabel*, 6> Valeurs{};
    TCaseRVB* CaseRVB;
    QPushButton* ButtonOk;
    QPushButton* BoutonAide;
    QPushButton* ButtonAnnuler;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    std::array<QLabel*, 6> Libelles_{};
};

inline QPointer<TConfigInstrumentForm> ConfigInstrumentForm;

// The command "Configuration de l'Instrument": the editing frames closed, the window shown, then a change journaled
// and the view refreshed.
void ConfigInstrumentExecute();
