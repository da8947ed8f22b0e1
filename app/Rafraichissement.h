// The central refresh: every change of the design, of the view or of a setting ends by calling it.
#pragma once

// Redraws the current view on the page. For now the page shows the empty sheet image.
void RafraichitVue();

// Closes the editing frames, then refreshes.
void FermeCadresEtRafraichit();

// Installed by the main window: repaints the page's images and lays out the scroll bars.
inline void (*RedessinePage)() = [] {};
