// SPDX-License-Identifier: MIT
#pragma once

#include "settings/options_file.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QAbstractItemView;
class QMenu;

namespace km {

// The photo list's context menu: the order the photos are numbered in, whether RAW and sidecar
// files are renamed with their photo, whether phones' photo types, RAW photos and videos are
// listed, whether photos without a date taken are dated from their names or file times, whether
// the date taken goes into the new names, the name pattern and its saved presets, how photos are
// numbered then, the case of the extensions, whether the window's place is kept and the list
// follows the folder, the cameras' clocks and the way to the earlier renames. It opens on the right
// mouse button, the Menu key and Shift+F10, showing the choices as they stand.
class PhotoListMenu : public QObject {
    Q_OBJECT

public:
    // current gives the choices in force each time the menu opens.
    PhotoListMenu(QAbstractItemView& list, std::function<Options()> current);

    // Opens the menu at a point of the list's viewport and waits for the user's choice.
    void open(QPoint viewportPoint);

signals:
    void orderChosen(km::PhotoOrder order);
    void companionsChosen(bool on);
    void dateChosen(km::DateInNames date);
    void numbersChosen(km::DateNumbering numbers);
    void earlierRenamesChosen();
    void cameraClocksChosen();
    void moreTypesChosen(bool on);
    void rawChosen(bool on);
    void videosChosen(bool on);
    void nameDatesChosen(bool on);
    void fileTimesChosen(bool on);
    // A saved pattern, or none for the designed names.
    void patternChosen(const QString& pattern);
    void namePatternDialogChosen();
    void extensionCaseChosen(km::fs::ExtensionCase extensionCase);
    void keepWindowChosen(bool on);
    void followFolderChosen(bool on);
    void checkNamesChosen(bool on);
    void countsChosen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint keyboardPoint() const;
    void addSwitch(QMenu& menu, const QString& text, bool on, void (PhotoListMenu::*chosen)(bool));
    void addDateChoices(QMenu& menu, const Options& options);
    void addPatternChoices(QMenu& menu, const Options& options);
    void addExtensionChoices(QMenu& menu, const Options& options);

    QAbstractItemView& m_list;
    std::function<Options()> m_current;
};

} // namespace km
