// The main window of the program.
#pragma once

#include <QMainWindow>

class TPrincipale : public QMainWindow
{
    Q_OBJECT

public:
    explicit TPrincipale(QWidget* parent = nullptr);
};
