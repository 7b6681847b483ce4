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
    TreatmentOptions CurrentTreatmentOptions() const;

    QString extensions() const;
    void setExtensions(const QString& patterns);

    // The click handlers of the four check boxes that own dependent fields.
    void chkSuppressionTermes_Click();
    void chkSuppressionCaractères_Click();
    void chkNumérotation_Click();
    void chkAjoutChaîne_Click();

    std::array<QFrame*, 2> LinSéparateurOptions{};
    QLabel* lblExtensions = nullptr;
    QLineEdit* txtExtensions = nullptr;
    QLabel* lblExtensionsSéparateur = nullptr;

    QGroupBox* fraTraitements = nullptr;
    QCheckBox* chkSuppressionChiffresDébut = nullptr;
    QCheckBox* chkSuppressionCaractèresNonAlpha = nullptr;
    QCheckBox* chkSuppressionDurées = nullptr;
    QCheckBox* chkSuppressionTermes = nullptr;
    QLineEdit* txtSuppressionTermes = nullptr;
    QLabel* lblTermesSéparateur = nullptr;
    QCheckBox* chkSuppressionMajuscules = nullptr;
    QCheckBox* chkSuppressionLignesVides = nullptr;
    QCheckBox* chkSuppressionCaractères = nullptr;
    QLineEdit* txtSuppressionCaractèresNombre = nullptr;
    QLabel* lblSuppressionCaractères = nullptr;
    QWidget* picSuppressionCaractères = nullptr;
    std::array<QRadioButton*, 3> optSuppressionCaractèresPosition{};
    QLineEdit* txtSuppressionCaractèresPosition = nullptr;
    QCheckBox* chkNumérotation = nullptr;
    QWidget* picNumérotationPosition = nullptr;
    std::array<QRadioButton*, 2> optNumérotationPosition{};
    QLabel* lblNumérotationRemplissage = nullptr;
    QComboBox* cboNumérotationRemplissage = nullptr;
    QLabel* lblNumérotationPréfixe = nullptr;
    QLineEdit* txtNumérotationPréfixe = nullptr;
    QLabel* lblNumérotationSuffixe = nullptr;
    QLineEdit* txtNumérotationSuffixe = nullptr;
    QCheckBox* chkAjoutChaîne = nullptr;
    QLineEdit* txtAjoutChaîne = nullptr;
    QWidget* picAjoutChaîne = nullptr;
    std::array<QRadioButton*, 3> optAjoutChaînePosition{};
    QLineEdit* txtAjoutChaînePosition = nullptr;
    QCheckBox* chkNePasReprendreExtensionOriginale = nullptr;

    QLabel* lblLangue = nullptr;
    QComboBox* cboLangue = nullptr;
    QLabel* lblRequiertRedémarrage = nullptr;

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
