#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tervane {

class LanguageFile;

// The About box: the program's name and version, what it does, who makes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const LanguageFile& language, QWidget* parent);

    QLabel* imgLogo = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblEditeur = nullptr;
    QPushButton* btnOK = nullptr;
};

} // namespace tervane
