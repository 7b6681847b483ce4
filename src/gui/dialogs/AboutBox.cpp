// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutBox.h"

#include "base/AppIdentity.h"
#include "translation/TranslateForm.h"
#include "widgets/Controls.h"
#include "widgets/ProgramIcon.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

QLabel* makeText(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = makeControl<QLabel>(parent, name);
    label->setText(text);
    label->setWordWrap(true);
    return label;
}

// A link the language file leaves alone: its text is an address.
QLabel* makeLink(QWidget* parent, const QString& name, const QString& url, const QString& shown)
{
    auto* label = makeControl<QLabel>(parent, name);
    label->setProperty(FixedTextProperty, true);
    label->setText(u"<a href=\"%1\">%2</a>"_s.arg(url, shown.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true); // through QDesktopServices
    return label;
}

} // namespace

AboutBox::AboutBox(const LanguageFile& language, bool alwaysOnTop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmAPropos"_s);
    setWindowTitle(u"A propos de Tervane"_s);
    setWindowFlag(Qt::WindowStaysOnTopHint, alwaysOnTop);

    logoImage = makeControl<QLabel>(this, u"imgLogo"_s);
    logoImage->setPixmap(programIcon().pixmap(64, 64));
    versionLabel = makeControl<QLabel>(this, u"lblVersion"_s);
    versionLabel->setProperty(FixedTextProperty, true);
    versionLabel->setText(u"<b style=\"font-size:large\">%1</b>"_s.arg(getTitleWithVersion()));
    descriptionLabel = makeText(
        this, u"lblDescription"_s,
        u"Renomme d'un coup les fichiers d'un dossier : les fichiers à gauche, leurs nouveaux noms "
        "à droite, ligne à ligne, nettoyés et numérotés à votre goût."_s);
    publisherLabel = makeText(this, u"lblEditeur"_s, u"Un logiciel Morvak."_s);
    creditsLabel = makeText(this, u"lblCredits"_s,
                            u"Conception, programmation, icône et traductions : l'équipe Morvak. "
                            "Merci à tous ceux qui signalent un problème ou proposent une "
                            "traduction."_s);
    const QString site = QString::fromUtf16(WebSite);
    siteLabel = makeLink(this, u"lblSite"_s, site, site.section(u"//"_s, 1));
    const QString mail = QString::fromUtf16(MailAddress);
    mailLabel = makeLink(this, u"lblCourriel"_s, u"mailto:"_s + mail, mail);
    closeButton = makeControl<QPushButton>(this, u"btnFermer"_s);
    closeButton->setText(u"&Fermer"_s);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    // Free prose of any length: the layout wraps it, and the box takes the
    // size it needs and keeps it.
    auto* layout = new QGridLayout(this);
    layout->addWidget(logoImage, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(versionLabel, 0, 1);
    int row = 1;
    for (QLabel* text : {descriptionLabel, publisherLabel, creditsLabel, siteLabel, mailLabel})
        layout->addWidget(text, row++, 1);
    layout->addWidget(closeButton, row, 0, 1, 2, Qt::AlignRight);
    layout->setHorizontalSpacing(16);
    descriptionLabel->setMinimumWidth(360);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    translateForm(this, language);
}

} // namespace tervane
