// A tool dialog made at its first showing, as a child of the main window, and kept for the next ones.
#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

// The dialog's answer to `Montre`; without the main window (gone, or not made yet) it answers as cancelled.
template <class TFenetre, class... TArguments>
auto MontreFenetreDifferee(const QPointer<QWidget>& parent, QPointer<TFenetre>& fenetre, TArguments&&... arguments)
    -> decltype(fenetre->Montre(std::forward<TArguments>(arguments)...))
{
    if (parent == nullptr)
        return {};
    if (fenetre == nullptr)
        fenetre = new TFenetre(parent);
    return fenetre->Montre(std::forward<TArguments>(arguments)...);
}
