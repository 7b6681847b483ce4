#pragma once

#include "naming/TreatmentOptions.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tervane {

// The options panel under the lists: the extension filter, the treatments
// frame and the interface language row. It holds the treatment settings in its
// controls; every edit is reported through treatmentSettingsEdited().
class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPanel(QWidget* parent);

    // Puts stored settings into the controls through their own change handlers.
    void setTreatmentOptions(const TreatmentOptions& options);
    TreatmentOptions currentTreatmentOptions() const;

    QString extensions() const;
    void setExtensions(const QString& patterns);

    // The click handlers of the four check boxes that own dependent fields.
    void removeTermsToggled();
    void removeCharactersToggled();
    void numberingToggled();
    void addStringToggled();

    std::array<QFrame*, 2> LinSeparateurOptions{};
    QLabel* lblExtensions = nullptr;
    QLineEdit* txtExtensions = nullptr;
    QLabel* lblExtensionsSeparateur = nullptr;

    QGroupBox* fraTraitements = nullptr;
    QCheckBox* chkSuppressionChiffresDebut = nullptr;
    QCheckBox* chkSuppressionCaracteresNonAlpha = nullptr;
    QCheckBox* chkSuppressionDurees = nullptr;
    QCheckBox* chkSuppressionTermes = nullptr;
    QLineEdit* txtSuppressionTermes = nullptr;
    QLabel* lblTermesSeparateur = nullptr;
    QCheckBox* chkSuppressionMajuscules = nullptr;
    QCheckBox* chkSuppressionLignesVides = nullptr;
    QCheckBox* chkSuppressionCaracteres = nullptr;
    QLineEdit* txtSuppressionCaracteresNombre = nullptr;
    QLabel* lblSuppressionCaracteres = nullptr;
    QWidget* picSuppressionCaracteres = nullptr;
    std::array<QRadioButton*, 3> optSuppressionCaracteresPosition{};
    QLineEdit* txtSuppressionCaracteresPosition = nullptr;
    QCheckBox* chkNumerotation = nullptr;
    QWidget* picNumerotationPosition = nullptr;
    std::array<QRadioButton*, 2> optNumerotationPosition{};
    QLabel* lblNumerotationRemplissage = nullptr;
    QComboBox* cboNumerotationRemplissage = nullptr;
    QLabel* lblNumerotationPrefixe = nullptr;
    QLineEdit* txtNumerotationPrefixe = nullptr;
    QLabel* lblNumerotationSuffixe = nullptr;
    QLineEdit* txtNumerotationSuffixe = nullptr;
    QCheckBox* chkAjoutChaine = nullptr;
    QLineEdit* txtAjoutChaine = nullptr;
    QWidget* picAjoutChaine = nullptr;
    std::array<QRadioButton*, 3> optAjoutChainePosition{};
    QLineEdit* txtAjoutChainePosition = nullptr;
    QCheckBox* chkNePasReprendreExtensionOriginale = nullptr;

    QLabel* lblLangue = nullptr;
    QComboBox* cboLangue = nullptr;
    QLabel* lblRequiertRedemarrage = nullptr;

signals:
    // A treatment setting was edited.
    void treatmentSettingsEdited();
    // The pattern list of the file listing was edited.
    void extensionsEdited();

private:
    void createExtensionRow();
    void createTreatmentsFrame();
    void createLanguageRow();
    void connectEdits();
};

} // namespace tervane
