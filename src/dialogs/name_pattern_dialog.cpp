// SPDX-License-Identifier: MIT
#include "dialogs/name_pattern_dialog.h"

#include "dialogs/error_label.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace km {

namespace {

// How many photos the window names as the user types.
constexpr int kTrialRows = 5;

// A preset's name becomes a line of its own in options.ini: no line break and no "=" in it.
QString presetNameOf(const QString& typed) {
    return QString(typed).remove(u'=').simplified();
}

} // namespace

NamePatternDialog::NamePatternDialog(const QString& pattern, std::vector<PatternPreset> presets,
                                     const std::vector<std::pair<QString, QString>>& fields,
                                     Trial trial, QWidget* parent)
    : QDialog(parent), m_presets(std::move(presets)), m_trial(std::move(trial)) {
    setObjectName(QStringLiteral("frmNamePattern"));
    setWindowTitle(tr("Name Pattern"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls(fields);
    tbPattern->setText(pattern);
    patternEdited();
    fillPresets({});
}

void NamePatternDialog::createControls(const std::vector<std::pair<QString, QString>>& fields) {
    auto* layout = new QVBoxLayout(this);
    auto* patternRow = new QHBoxLayout;
    auto* patternLabel = new QLabel(tr("&Pattern:"), this);
    tbPattern = new QLineEdit(this);
    tbPattern->setObjectName(QStringLiteral("tbPattern"));
    tbPattern->setMinimumWidth(420);
    patternLabel->setBuddy(tbPattern);
    bInsert = new QToolButton(this);
    bInsert->setObjectName(QStringLiteral("bInsert"));
    bInsert->setText(tr("&Insert Field"));
    bInsert->setPopupMode(QToolButton::InstantPopup);
    auto* insertMenu = new QMenu(bInsert);
    for (const auto& [label, token] : fields) {
        QAction* action = insertMenu->addAction(QStringLiteral("%1\t%2").arg(label, token));
        connect(action, &QAction::triggered, this, [this, token] {
            tbPattern->insert(token);
            tbPattern->setFocus();
        });
    }
    bInsert->setMenu(insertMenu);
    patternRow->addWidget(patternLabel);
    patternRow->addWidget(tbPattern, 1);
    patternRow->addWidget(bInsert);
    layout->addLayout(patternRow);

    lblError = createErrorLabel(this);
    layout->addWidget(lblError);

    lvTrial = new QTreeWidget(this);
    lvTrial->setObjectName(QStringLiteral("lvTrial"));
    lvTrial->setRootIsDecorated(false);
    lvTrial->setUniformRowHeights(true);
    lvTrial->setSelectionMode(QAbstractItemView::NoSelection);
    lvTrial->setFocusPolicy(Qt::NoFocus);
    lvTrial->setHeaderLabels({tr("Original Name"), tr("New Name")});
    lvTrial->header()->setSectionResizeMode(QHeaderView::Stretch);
    lvTrial->setMinimumHeight(lvTrial->sizeHintForRow(0) * (kTrialRows + 1) + 40);
    layout->addWidget(lvTrial, 1);

    auto* presetRow = new QHBoxLayout;
    auto* presetLabel = new QLabel(tr("Pre&sets:"), this);
    cbPresets = new QComboBox(this);
    cbPresets->setObjectName(QStringLiteral("cbPresets"));
    cbPresets->setPlaceholderText(tr("(choose a preset)"));
    presetLabel->setBuddy(cbPresets);
    bSavePreset = new QPushButton(tr("Sa&ve As Preset..."), this);
    bSavePreset->setObjectName(QStringLiteral("bSavePreset"));
    bSavePreset->setAutoDefault(false);
    bDeletePreset = new QPushButton(tr("&Delete Preset"), this);
    bDeletePreset->setObjectName(QStringLiteral("bDeletePreset"));
    bDeletePreset->setAutoDefault(false);
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(cbPresets, 1);
    presetRow->addWidget(bSavePreset);
    presetRow->addWidget(bDeletePreset);
    layout->addLayout(presetRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    bOK = buttons->button(QDialogButtonBox::Ok);
    bOK->setObjectName(QStringLiteral("bOK"));
    layout->addWidget(buttons);

    connect(tbPattern, &QLineEdit::textChanged, this, &NamePatternDialog::patternEdited);
    connect(cbPresets, &QComboBox::activated, this, &NamePatternDialog::presetPicked);
    connect(cbPresets, &QComboBox::currentIndexChanged, this, [this](int index) {
        bDeletePreset->setEnabled(index >= 0 &&
                                  m_presets[static_cast<std::size_t>(index)].ownPreset);
    });
    connect(bSavePreset, &QPushButton::clicked, this, &NamePatternDialog::askPresetName);
    connect(bDeletePreset, &QPushButton::clicked, this, &NamePatternDialog::deletePreset);
    connect(buttons, &QDialogButtonBox::accepted, this, &NamePatternDialog::accepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    tbPattern->setFocus();
}

void NamePatternDialog::patternEdited() {
    const PatternTrial trial = m_trial(tbPattern->text());
    lblError->setText(trial.error);
    lblError->setVisible(!trial.error.isEmpty());
    bOK->setEnabled(trial.error.isEmpty());
    bSavePreset->setEnabled(trial.error.isEmpty() && !tbPattern->text().isEmpty());
    lvTrial->clear();
    const std::size_t shown = std::min<std::size_t>(trial.rows.size(), kTrialRows);
    for (std::size_t i = 0; i < shown; ++i)
        new QTreeWidgetItem(lvTrial, {trial.rows[i].first, trial.rows[i].second});
}

void NamePatternDialog::presetPicked(int index) {
    if (index >= 0)
        tbPattern->setText(m_presets[static_cast<std::size_t>(index)].pattern);
}

// The name is asked in a window of its own that reports it, so no event loop runs here.
void NamePatternDialog::askPresetName() {
    auto* ask = new QInputDialog(this);
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowTitle(tr("Save As Preset"));
    ask->setLabelText(tr("Name of the preset:"));
    const int current = cbPresets->currentIndex();
    if (current >= 0 && m_presets[static_cast<std::size_t>(current)].ownPreset)
        ask->setTextValue(m_presets[static_cast<std::size_t>(current)].name);
    connect(ask, &QInputDialog::textValueSelected, this, &NamePatternDialog::savePreset);
    ask->open();
}

// A name the user has saved before is given the new pattern.
void NamePatternDialog::savePreset(const QString& typed) {
    const QString name = presetNameOf(typed);
    if (name.isEmpty())
        return;
    const auto same = std::find_if(m_presets.begin(), m_presets.end(), [&](const auto& preset) {
        return preset.ownPreset && preset.name == name;
    });
    if (same != m_presets.end())
        same->pattern = tbPattern->text();
    else
        m_presets.push_back({name, tbPattern->text(), true});
    fillPresets(name);
    reportPresets();
}

void NamePatternDialog::deletePreset() {
    const int index = cbPresets->currentIndex();
    if (index < 0 || !m_presets[static_cast<std::size_t>(index)].ownPreset)
        return;
    m_presets.erase(m_presets.begin() + index);
    fillPresets({});
    reportPresets();
}

void NamePatternDialog::fillPresets(const QString& select) {
    cbPresets->clear();
    int selected = -1;
    for (const PatternPreset& preset : m_presets) {
        if (preset.ownPreset && preset.name == select)
            selected = cbPresets->count();
        cbPresets->addItem(QStringLiteral("%1  \u2014  %2").arg(preset.name, preset.pattern));
    }
    cbPresets->setCurrentIndex(selected);
    bDeletePreset->setEnabled(selected >= 0);
}

void NamePatternDialog::reportPresets() {
    std::vector<std::pair<QString, QString>> own;
    for (const PatternPreset& preset : m_presets)
        if (preset.ownPreset)
            own.emplace_back(preset.name, preset.pattern);
    emit presetsChanged(own);
}

void NamePatternDialog::accepted() {
    if (!bOK->isEnabled())
        return;
    emit patternChosen(tbPattern->text());
    accept();
}

} // namespace km
