// SPDX-License-Identifier: MIT
#include "dialogs/camera_clocks_dialog.h"

#include "dialogs/error_label.h"
#include "numbers/clock_offset.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdlib>

namespace km {
namespace {

enum Column { CameraColumn, FilesColumn, FirstColumn, LastColumn, OffsetColumn };

} // namespace

CameraClocksDialog::CameraClocksDialog(std::vector<CameraClockRow> rows, QWidget* parent)
    : QDialog(parent), m_rows(std::move(rows)) {
    setObjectName(QStringLiteral("frmCameraClocks"));
    setWindowTitle(tr("Camera Clocks"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    if (!m_rows.empty())
        lvCameras->setCurrentItem(lvCameras->topLevelItem(0));
    cameraPicked();
}

void CameraClocksDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    lvCameras = new QTreeWidget(this);
    lvCameras->setObjectName(QStringLiteral("lvCameras"));
    lvCameras->setRootIsDecorated(false);
    lvCameras->setHeaderLabels(
        {tr("Camera"), tr("Files"), tr("First taken"), tr("Last taken"), tr("Offset")});
    for (const CameraClockRow& row : m_rows)
        new QTreeWidgetItem(lvCameras,
                            {row.shown, QString::number(row.files), row.first, row.last,
                             row.camera.isEmpty() ? QString() : clockOffsetText(row.offset)});
    lvCameras->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvCameras->setMinimumWidth(640);
    layout->addWidget(lvCameras);

    auto* form = new QFormLayout;
    tbOffset = new QLineEdit(this);
    tbOffset->setObjectName(QStringLiteral("tbOffset"));
    form->addRow(tr("&Offset of its clock:"), tbOffset);
    cbPhoto = new QComboBox(this);
    cbPhoto->setObjectName(QStringLiteral("cbPhoto"));
    form->addRow(tr("Or one of its &photos:"), cbPhoto);
    tbRealTime = new QLineEdit(this);
    tbRealTime->setObjectName(QStringLiteral("tbRealTime"));
    tbRealTime->setPlaceholderText(QStringLiteral("2024-07-01 09:00:00"));
    form->addRow(tr("&Really taken at:"), tbRealTime);
    layout->addLayout(form);

    lblError = createErrorLabel(this);
    layout->addWidget(lblError);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("bOK"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CameraClocksDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lvCameras, &QTreeWidget::currentItemChanged, this, &CameraClocksDialog::cameraPicked);
    connect(tbOffset, &QLineEdit::textChanged, this, &CameraClocksDialog::offsetEdited);
    connect(tbRealTime, &QLineEdit::textChanged, this, &CameraClocksDialog::realTimeEdited);
    connect(cbPhoto, &QComboBox::currentIndexChanged, this, &CameraClocksDialog::realTimeEdited);
}

// The boxes show the camera picked; a camera that names none has no clock to set.
void CameraClocksDialog::cameraPicked() {
    const int index = lvCameras->indexOfTopLevelItem(lvCameras->currentItem());
    const bool settable = index >= 0 && !m_rows[size_t(index)].camera.isEmpty();
    tbOffset->setEnabled(settable);
    cbPhoto->setEnabled(settable);
    tbRealTime->setEnabled(settable);
    cbPhoto->blockSignals(true);
    cbPhoto->clear();
    if (index >= 0)
        for (const auto& [name, time] : m_rows[size_t(index)].photos)
            cbPhoto->addItem(tr("%1, by its clock %2").arg(name, calendarTimeText(time)));
    cbPhoto->blockSignals(false);
    tbOffset->setText(index >= 0 ? lvCameras->currentItem()->text(OffsetColumn) : QString());
    tbRealTime->clear();
    offsetEdited();
}

void CameraClocksDialog::offsetEdited() {
    const std::optional<qint32> offset = readClockOffset(tbOffset->text());
    const bool wrong = tbOffset->isEnabled() && !offset;
    lblError->setText(wrong ? tr("An offset is typed as +01:00:00 or -00:03:12 (hours, minutes "
                                 "and seconds), at most 48 hours either way.")
                            : QString());
    if (!wrong && tbOffset->isEnabled())
        lvCameras->currentItem()->setText(OffsetColumn, clockOffsetText(*offset));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!wrong);
}

// The offset follows from when the photo picked was really taken.
void CameraClocksDialog::realTimeEdited() {
    const int camera = lvCameras->indexOfTopLevelItem(lvCameras->currentItem());
    const int photo = cbPhoto->currentIndex();
    if (camera < 0 || photo < 0 || tbRealTime->text().isEmpty())
        return;
    const std::optional<CalendarTime> real = readCalendarTimeText(tbRealTime->text());
    if (!real) {
        lblError->setText(tr("A time is typed as 2024-07-01 09:00:00."));
        return;
    }
    const CalendarTime& byClock = m_rows[size_t(camera)].photos[size_t(photo)].second;
    const qint64 offset = secondsSince1970(*real) - secondsSince1970(byClock);
    tbOffset->setText(std::abs(offset) <= kLongestClockOffset
                          ? clockOffsetText(static_cast<qint32>(offset))
                          : tr("more than 48 hours"));
}

void CameraClocksDialog::accept() {
    std::vector<std::pair<QString, qint32>> offsets;
    for (int i = 0; i < lvCameras->topLevelItemCount(); ++i) {
        const CameraClockRow& row = m_rows[size_t(i)];
        const std::optional<qint32> offset =
            readClockOffset(lvCameras->topLevelItem(i)->text(OffsetColumn));
        if (!row.camera.isEmpty())
            offsets.emplace_back(row.camera, offset.value_or(row.offset));
    }
    emit offsetsChosen(offsets);
    QDialog::accept();
}

} // namespace km
