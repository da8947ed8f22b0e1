// The seven settings windows of the menu "&Configuration", created once with the main window.
#pragma once

class QWidget;

// Creates the preferences, the device position, the two drawing colour windows and the three view settings windows as children of
// `parent`; they live as long as it does.
void CreeDialoguesReglages(QWidget* parent);
