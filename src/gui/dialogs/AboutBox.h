// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tervane {

class LanguageFile;

// The About box: the program's name and version, what it does, who makes it,
// where to find them, and a button to close it. It stays above other windows
// when the main window does.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const LanguageFile& language, bool alwaysOnTop, QWidget* parent);

    QLabel* logoImage = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* descriptionLabel = nullptr;
    QLabel* publisherLabel = nullptr;
    QLabel* creditsLabel = nullptr;
    QLabel* siteLabel = nullptr;
    QLabel* mailLabel = nullptr;
    QPushButton* closeButton = nullptr;
};

// The program's web site and address, as the About box links them.
inline constexpr char16_t WebSite[] = u"https://www.morvak.net/tervane";
inline constexpr char16_t MailAddress[] = u"tervane@morvak.net";

} // namespace tervane
