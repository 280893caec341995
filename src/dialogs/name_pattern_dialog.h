// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace km {

// A pattern saved by name. The program's own presets cannot be deleted.
struct PatternPreset {
    QString name;
    QString pattern;
    bool ownPreset = false;
};

// What a pattern gives the first listed photos: each one's name and new name, or what is wrong
// with the pattern.
struct PatternTrial {
    std::vector<std::pair<QString, QString>> rows;
    QString error;
};

// The "Name Pattern" window: the pattern in a box, a menu that inserts each field, the new
// names of the first photos following each key press, the error under the box, the presets to
// choose from, save and delete, OK (refused while the pattern is wrong) and Cancel (Escape). It
// only reports: patternChosen on OK, presetsChanged when the user's presets change; trial is
// asked for the names, so the window needs no part of the engine.
class NamePatternDialog : public QDialog {
    Q_OBJECT

public:
    using Trial = std::function<PatternTrial(const QString& pattern)>;
    // fields: each field's label and what it inserts, "{date}".
    NamePatternDialog(const QString& pattern, std::vector<PatternPreset> presets,
                      const std::vector<std::pair<QString, QString>>& fields, Trial trial,
                      QWidget* parent = nullptr);

signals:
    void patternChosen(const QString& pattern);
    // The user's own presets, name and pattern, in their order.
    void presetsChanged(const std::vector<std::pair<QString, QString>>& presets);

private:
    void createControls(const std::vector<std::pair<QString, QString>>& fields);
    void patternEdited();
    void presetPicked(int index);
    void askPresetName();
    void savePreset(const QString& name);
    void deletePreset();
    void fillPresets(const QString& select);
    void reportPresets();
    void accepted();

    std::vector<PatternPreset> m_presets;
    Trial m_trial;
    QLineEdit* tbPattern = nullptr;
    QToolButton* bInsert = nullptr;
    QLabel* lblError = nullptr;
    QTreeWidget* lvTrial = nullptr;
    QComboBox* cbPresets = nullptr;
    QPushButton* bSavePreset = nullptr;
    QPushButton* bDeletePreset = nullptr;
    QPushButton* bOK = nullptr;
};

} // namespace km
