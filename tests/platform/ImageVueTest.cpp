// The image widget: it shows its image and nothing else, reports the mouse in image pixels, never takes the focus.
#include "platform/ImageVue.h"

#include "doubles/CanevasEnregistreur.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class ImageVue : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    void SetUp() override
    {
        QObject::connect(
            &Vue, &TImageVue::SourisEnfoncee,
            [this](Qt::MouseButton bouton, Qt::KeyboardModifiers touches, bool double_, int x, int y) {
                Note(std::string(double_ ? "enfoncee double " : "enfoncee ") + Bouton(bouton) + Touches(touches), x, y);
            });
        QObject::connect(&Vue, &TImageVue::SourisRelachee,
                         [this](Qt::MouseButton bouton, Qt::KeyboardModifiers touches, int x, int y) {
                             Note("relachee " + Bouton(bouton) + Touches(touches), x, y);
                         });
        QObject::connect(
            &Vue, &TImageVue::SourisDeplacee,
            [this](Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, int x, int y) {
                Note(std::string("deplacee") + (boutons & Qt::LeftButton ? " gauche" : "") + Touches(touches), x, y);
            });
        QObject::connect(&Vue, &TImageVue::Clic, [this](int x, int y) { Note("clic", x, y); });
        QObject::connect(&Vue, &TImageVue::DoubleClic, [this](int x, int y) { Note("double clic", x, y); });
    }

    static std::string Bouton(Qt::MouseButton bouton) { return bouton == Qt::LeftButton ? "gauche" : "droit"; }
    static std::string Touches(Qt::KeyboardModifiers touches) { return touches & Qt::ShiftModifier ? " maj" : ""; }
    void Note(const std::string& evenement, int x, int y)
    {
        Evenements.push_back(evenement + " " + std::to_string(x) + "," + std::to_string(y));
    }

    void Envoie(QEvent::Type type, Qt::MouseButton bouton, Qt::MouseButtons boutons, QPoint position,
                Qt::KeyboardModifiers touches = Qt::NoModifier)
    {
        QMouseEvent evenement(type, QPointF(position), Vue.mapToGlobal(QPointF(position)), bouton, boutons, touches);
        QApplication::sendEvent(&Vue, &evenement);
    }

    TImageVue Vue{60, 40};
    std::vector<std::string> Evenements;
};

TEST_F(ImageVue, MontreSonImageEtRienDAutre)
{
    TCanevasImage& canevas = Vue.Canevas();
    canevas.Pinceau().Couleur = clBtnFace;
    canevas.FillRect(0, 0, 60, 40);
    canevas.Pinceau().Couleur = clWhite;
    canevas.Rectangle(0, 0, 60, 30);
    canevas.Pixels(30, 15, clRed);
    EXPECT_EQ(Vue.size(), QSize(60, 40));
    EXPECT_TRUE(Vue.grab().toImage().convertToFormat(QImage::Format_RGB32) == canevas.Image());

    Vue.Redimensionne(80, 50);
    EXPECT_EQ(Vue.size(), QSize(80, 50));
    EXPECT_TRUE(Vue.grab().toImage().convertToFormat(QImage::Format_RGB32) == canevas.Image());
    EXPECT_EQ(canevas.Pixels(30, 15), clRed);
}

TEST_F(ImageVue, NePrendJamaisLeFocus)
{
    EXPECT_EQ(Vue.focusPolicy(), Qt::NoFocus);
}

TEST_F(ImageVue, RapporteLaSourisEnPixelsDeLImage)
{
    Envoie(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {3, 4});
    Envoie(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 7}, Qt::ShiftModifier);
    Envoie(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {6, 8});
    Envoie(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {6, 8});
    // A double click: the second press comes after the double click, and its release is no click.
    Envoie(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {20, 30});
    Envoie(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {20, 30});
    Envoie(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {20, 30});
    Envoie(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {20, 30});
    // The right button and a release outside the image make no click.
    Envoie(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {1, 2});
    Envoie(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {1, 2});
    Envoie(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 10});
    Envoie(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {70, 10});

    const std::vector<std::string> attendus = {
        "deplacee 3,4",
        "enfoncee gauche maj 5,7",
        "deplacee gauche 6,8",
        "clic 6,8",
        "relachee gauche 6,8",
        "enfoncee gauche 20,30",
        "clic 20,30",
        "relachee gauche 20,30",
        "double clic 20,30",
        "enfoncee double gauche 20,30",
        "relachee gauche 20,30",
        "enfoncee droit 1,2",
        "relachee droit 1,2",
        "enfoncee gauche 10,10",
        "relachee gauche 70,10",
    };
    EXPECT_EQ(Evenements, attendus);
}
}
