#include "dialogs/AboutBox.h"

#include "i18n/TranslateForm.h"
#include "mainwindow/Controls.h"
#include "mainwindow/Pictures.h"
#include "services/AppIdentity.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tervane {

AboutBox::AboutBox(const LanguageFile& language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmAPropos"_s);
    setWindowTitle(u"A propos de Tervane"_s);
    imgLogo = makeControl<QLabel>(this, u"imgLogo"_s);
    imgLogo->setPixmap(logoPicture(palette(), devicePixelRatioF()));
    lblVersion = makeControl<QLabel>(this, u"lblVersion"_s);
    lblDescription = makeControl<QLabel>(this, u"lblDescription"_s);
    lblDescription->setText(u"Renomme d'un coup les fichiers d'un dossier : les fichiers à gauche, "
                            "leurs nouveaux noms à droite, ligne à ligne, nettoyés et numérotés à "
                            "votre goût."_s);
    lblDescription->setWordWrap(true);
    lblEditeur = makeControl<QLabel>(this, u"lblEditeur"_s);
    lblEditeur->setText(u"Un logiciel Morvak."_s);
    btnOK = makeControl<QPushButton>(this, u"btnOK"_s);
    btnOK->setText(u"&OK"_s);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    // Its texts are free prose of any length: a layout wraps them, and the
    // box takes the size they need.
    auto* layout = new QVBoxLayout(this);
    for (QWidget* part : {static_cast<QWidget*>(imgLogo), static_cast<QWidget*>(lblVersion),
                          static_cast<QWidget*>(lblDescription), static_cast<QWidget*>(lblEditeur)})
        layout->addWidget(part);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    lblDescription->setMinimumWidth(360);

    translateForm(this, language);
    lblVersion->setText(getTitleWithVersion());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tervane
