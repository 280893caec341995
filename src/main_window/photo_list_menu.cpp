// SPDX-License-Identifier: MIT
#include "main_window/photo_list_menu.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace km {

PhotoListMenu::PhotoListMenu(QAbstractItemView& list, std::function<Options()> current)
    : QObject(&list), m_list(list), m_current(std::move(current)) {
    // The right mouse button and the Menu key arrive as a context-menu request.
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { open(point); });
    list.installEventFilter(this);
}

// Shift+F10 is the other keyboard way to a context menu; the window system does not translate it.
bool PhotoListMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            open(keyboardPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// Below the current row's name, or at the top left of the list when there is none.
QPoint PhotoListMenu::keyboardPoint() const {
    const QRect row = m_list.visualRect(m_list.currentIndex());
    return row.isValid() ? row.bottomLeft() : QPoint(0, 0);
}

void PhotoListMenu::open(QPoint viewportPoint) {
    const Options options = m_current();
    QMenu menu(&m_list);
    auto* order = new QActionGroup(&menu);
    QAction* byName = menu.addAction(tr("Number in order of name"));
    QAction* byTaken = menu.addAction(tr("Number in order taken"));
    for (QAction* action : {byName, byTaken}) {
        action->setCheckable(true);
        order->addAction(action);
    }
    // A date in the names numbers the photos in the order taken: the name order waits meanwhile.
    (options.orderInForce() == PhotoOrder::Taken ? byTaken : byName)->setChecked(true);
    const std::optional<NamePattern> named = options.namePattern();
    byName->setEnabled(named ? !named->usesDateTaken() : options.date == DateInNames::None);
    menu.addSeparator();
    addSwitch(menu, tr("Rename RAW and sidecar files with their photo"), options.companions,
              &PhotoListMenu::companionsChosen);
    addSwitch(menu, tr("List HEIC, PNG, TIFF and WebP photos too"), options.moreTypes,
              &PhotoListMenu::moreTypesChosen);
    addSwitch(menu, tr("List RAW photos too"), options.raw, &PhotoListMenu::rawChosen);

    connect(byName, &QAction::triggered, this, [this, options] {
        if (options.order != PhotoOrder::Name)
            emit orderChosen(PhotoOrder::Name);
    });
    connect(byTaken, &QAction::triggered, this, [this, options] {
        if (options.order != PhotoOrder::Taken)
            emit orderChosen(PhotoOrder::Taken);
    });
    addSwitch(menu, tr("List videos too"), options.videos, &PhotoListMenu::videosChosen);
    addSwitch(menu, tr("Date from the name where a photo has none"), options.nameDates,
              &PhotoListMenu::nameDatesChosen);
    addSwitch(menu, tr("File time where a photo has no other date"), options.fileTimes,
              &PhotoListMenu::fileTimesChosen);
    addDateChoices(menu, options);
    addExtensionChoices(menu, options);
    menu.addSeparator();
    addSwitch(menu, tr("Keep the window's size and columns"), options.keepWindow,
              &PhotoListMenu::keepWindowChosen);
    addSwitch(menu, tr("Follow the folder as files come and go"), options.followFolder,
              &PhotoListMenu::followFolderChosen);
    addSwitch(menu, tr("Check names as they are typed"), options.checkNames,
              &PhotoListMenu::checkNamesChosen);
    addSwitch(menu, tr("Count the photos in the question and after a rename"), options.counts,
              &PhotoListMenu::countsChosen);
    menu.addSeparator();
    QAction* clocks = menu.addAction(tr("Camera &Clocks..."));
    connect(clocks, &QAction::triggered, this, &PhotoListMenu::cameraClocksChosen);
    QAction* earlier = menu.addAction(tr("Undo an &Earlier Rename..."));
    connect(earlier, &QAction::triggered, this, &PhotoListMenu::earlierRenamesChosen);
    menu.exec(m_list.viewport()->mapToGlobal(viewportPoint));
}

namespace {

// Adds a group of checkable entries, the current one checked, each calling chosen with its value
// when the user picks it anew. With no current choice, none is checked and each entry is new.
template <typename Choice>
void addChoiceGroup(QMenu& menu, const std::vector<std::pair<QString, Choice>>& entries,
                    std::optional<Choice> current, bool enabled,
                    const std::function<void(Choice)>& chosen) {
    auto* group = new QActionGroup(&menu);
    for (const auto& [text, value] : entries) {
        QAction* action = menu.addAction(text);
        action->setCheckable(true);
        action->setChecked(current == value);
        action->setEnabled(enabled);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu, [chosen, value, current] {
            if (value != current)
                chosen(value);
        });
    }
}

// A text shown as typed in a menu entry: "&" marks no access key there.
QString withoutAccessKeys(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

// An entry that is on or off; choosing it reports its new state through `chosen`.
void PhotoListMenu::addSwitch(QMenu& menu, const QString& text, bool on,
                              void (PhotoListMenu::*chosen)(bool)) {
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    action->setChecked(on);
    connect(action, &QAction::triggered, this, [this, chosen](bool now) { (this->*chosen)(now); });
}

void PhotoListMenu::addDateChoices(QMenu& menu, const Options& options) {
    menu.addSeparator();
    const bool patterned = options.namePattern().has_value();
    // While a pattern names the photos no date choice is in force; choosing one ends the pattern.
    addChoiceGroup<DateInNames>(
        menu,
        {{tr("No date in the names"), DateInNames::None},
         {tr("Date taken in the names (2024-05-01)"), DateInNames::Date},
         {tr("Date and time taken in the names (2024-05-01_14-03-22)"), DateInNames::DateTime}},
        patterned ? std::optional<DateInNames>() : options.date, true,
        [this](DateInNames date) { emit dateChosen(date); });
    addPatternChoices(menu, options);
    // The numbers choice counts only while a date or a pattern is in the names.
    menu.addSeparator();
    addChoiceGroup<DateNumbering>(menu,
                                  {{tr("Number all photos in one run"), DateNumbering::Run},
                                   {patterned ? tr("Number again from the start for each name")
                                              : tr("Number again from the start for each date"),
                                    DateNumbering::Restart},
                                   {patterned ? tr("Number only photos that share a name")
                                              : tr("Number only photos that share a date"),
                                    DateNumbering::Shared}},
                                  options.numbers, patterned || options.date != DateInNames::None,
                                  [this](DateNumbering numbers) { emit numbersChosen(numbers); });
}

// The designed names, each saved pattern for one click, and the dialog that writes patterns.
void PhotoListMenu::addPatternChoices(QMenu& menu, const Options& options) {
    menu.addSeparator();
    std::vector<std::pair<QString, QString>> entries{
        {tr("Designed names (prefix + number)"), QString()}};
    for (const auto& [name, pattern] : options.presets)
        entries.emplace_back(
            QStringLiteral("%1\t%2").arg(withoutAccessKeys(name), withoutAccessKeys(pattern)),
            pattern);
    const QString current = options.namePattern() ? options.pattern : QString();
    // A pattern in force that no preset holds is shown as the one checked.
    if (!current.isEmpty() && std::none_of(entries.begin(), entries.end(), [&](const auto& entry) {
            return entry.second == current;
        }))
        entries.emplace_back(tr("Pattern %1").arg(withoutAccessKeys(current)), current);
    addChoiceGroup<QString>(menu, entries, current, true,
                            [this](const QString& pattern) { emit patternChosen(pattern); });
    QAction* dialog = menu.addAction(tr("Name &Pattern..."));
    connect(dialog, &QAction::triggered, this, &PhotoListMenu::namePatternDialogChosen);
}

void PhotoListMenu::addExtensionChoices(QMenu& menu, const Options& options) {
    menu.addSeparator();
    addChoiceGroup<fs::ExtensionCase>(
        menu,
        {{tr("Extensions as they are"), fs::ExtensionCase::Keep},
         {tr("Extensions in lower case"), fs::ExtensionCase::Lower},
         {tr("Extensions in upper case"), fs::ExtensionCase::Upper}},
        options.extensionCase, true,
        [this](fs::ExtensionCase extensionCase) { emit extensionCaseChosen(extensionCase); });
}

} // namespace km
