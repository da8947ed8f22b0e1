// The about box: the program's name and version.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(const std::string& numeroVersion, QWidget* parent = nullptr);

    // "Quivane - Version " followed by the version.
    static QString TexteProduit(const std::string& numeroVersion);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments[3];
    QPushButton* OKButton;

private:
    void OKButtonClick();
};
