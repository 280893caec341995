// SPDX-License-Identifier: MIT
#pragma once

#include "numbers/calendar_time.h"

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace km {

// One camera the listed files come from, as the "Camera Clocks" window shows it.
struct CameraClockRow {
    // The name its offset is kept under; empty for the photos that name no camera, whose clock
    // cannot be set.
    QString camera;
    // What the window shows of it ("Canon EOS R6 (serial 012345)", "Videos", "No camera named").
    QString shown;
    int files = 0;
    // The first and last times its clock wrote, "2024-07-01 09:00:00"; empty when none.
    QString first;
    QString last;
    qint32 offset = 0;
    // Its dated photos by name, with the time its clock wrote.
    std::vector<std::pair<QString, CalendarTime>> photos;
};

// The "Camera Clocks" window: each camera with its number of files, first and last time and the
// offset of its clock, which the user types ("+01:00:00", "-00:03:12", at most 48 hours; anything
// else is refused with a clear text and OK stays off), or has computed from when one of its photos
// was really taken. It only reports: offsetsChosen on OK, with every camera's offset (0 for
// none); Cancel and Escape change nothing.
class CameraClocksDialog : public QDialog {
    Q_OBJECT

public:
    explicit CameraClocksDialog(std::vector<CameraClockRow> rows, QWidget* parent = nullptr);

signals:
    void offsetsChosen(const std::vector<std::pair<QString, qint32>>& offsets);

private:
    void createControls();
    void cameraPicked();
    void offsetEdited();
    void realTimeEdited();
    void accept() override;

    std::vector<CameraClockRow> m_rows;
    QTreeWidget* lvCameras = nullptr;
    QLineEdit* tbOffset = nullptr;
    QComboBox* cbPhoto = nullptr;
    QLineEdit* tbRealTime = nullptr;
    QLabel* lblError = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace km
