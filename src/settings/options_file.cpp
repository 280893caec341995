// SPDX-License-Identifier: MIT
#include "settings/options_file.h"

#include "files/plain_file.h"
#include "numbers/clock_offset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

namespace km {

namespace {

// More than any options file holds; a larger file is read only this far.
constexpr qint64 kMaxBytes = 64 * 1024;

constexpr std::array<std::pair<const char*, DateInNames>, 3> kDateValues{
    {{"none", DateInNames::None},
     {"date", DateInNames::Date},
     {"datetime", DateInNames::DateTime}}};
constexpr std::array<std::pair<const char*, DateNumbering>, 3> kNumbersValues{
    {{"run", DateNumbering::Run},
     {"restart", DateNumbering::Restart},
     {"shared", DateNumbering::Shared}}};
constexpr std::array<std::pair<const char*, fs::ExtensionCase>, 3> kExtensionCaseValues{
    {{"keep", fs::ExtensionCase::Keep},
     {"lower", fs::ExtensionCase::Lower},
     {"upper", fs::ExtensionCase::Upper}}};

// The choice a value names; unchanged when it names none.
template <typename Choice, std::size_t count>
void readChoice(const QByteArray& value,
                const std::array<std::pair<const char*, Choice>, count>& values, Choice& choice) {
    for (const auto& [text, each] : values)
        if (value == text)
            choice = each;
}

template <typename Choice, std::size_t count>
const char* choiceText(Choice choice,
                       const std::array<std::pair<const char*, Choice>, count>& values) {
    for (const auto& [text, each] : values)
        if (choice == each)
            return text;
    return values.front().first;
}

// A preset's line: a name and a pattern, neither empty. The names are kept once, the first of
// each.
void applyPresetLine(const QByteArray& line, Options& options) {
    const qsizetype equals = line.indexOf('=');
    const QString name = QString::fromUtf8(line.left(std::max<qsizetype>(equals, 0)).trimmed());
    const QString pattern = QString::fromUtf8(line.mid(equals + 1).trimmed());
    if (equals < 0 || name.isEmpty() || pattern.isEmpty())
        return;
    for (const auto& [each, unused] : options.presets)
        if (each == name)
            return;
    options.presets.emplace_back(name, pattern);
}

// "Canon Canon EOS R6 012345=-00:03:12": the camera's name, which may hold "=" itself, up to the
// offset after the last one.
void applyClockLine(const QByteArray& line, Options& options) {
    const qsizetype equals = line.lastIndexOf('=');
    const QString camera = QString::fromUtf8(line.left(std::max<qsizetype>(equals, 0)).trimmed());
    const std::optional<qint32> offset =
        equals < 0 ? std::nullopt : readClockOffset(QString::fromUtf8(line.mid(equals + 1)));
    if (camera.isEmpty() || !offset || *offset == 0)
        return;
    for (const auto& [each, unused] : options.clocks)
        if (each == camera)
            return;
    options.clocks.emplace_back(camera, *offset);
}

// The choices that are on or off, by their keys. All but the first two are written only when on.
const std::array<std::pair<const char*, bool Options::*>, 10> kSwitches{{
    {"companions", &Options::companions},
    {"moretypes", &Options::moreTypes},
    {"raw", &Options::raw},
    {"videos", &Options::videos},
    {"namedates", &Options::nameDates},
    {"filetimes", &Options::fileTimes},
    {"keepwindow", &Options::keepWindow},
    {"followfolder", &Options::followFolder},
    {"checknames", &Options::checkNames},
    {"counts", &Options::counts},
}};

void applyLine(const QByteArray& line, Options& options) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    const QByteArray key = line.left(equals).trimmed().toLower();
    const QByteArray text = line.mid(equals + 1).trimmed();
    const QByteArray value = text.toLower();
    if (value == "true" || value == "false") {
        for (const auto& [name, choice] : kSwitches)
            if (key == name) {
                options.*choice = value == "true";
                return;
            }
    }
    if (key == "order" && (value == "name" || value == "taken"))
        options.order = value == "taken" ? PhotoOrder::Taken : PhotoOrder::Name;
    else if (key == "date")
        readChoice(value, kDateValues, options.date);
    else if (key == "numbers")
        readChoice(value, kNumbersValues, options.numbers);
    // A pattern holding anything else than fields and separators reads as the default, so no
    // name gets a character a card or a share refuses.
    else if (key == "dateformat")
        options.dateFormat =
            isDatePattern(QString::fromUtf8(text)) ? QString::fromUtf8(text) : QString();
    else if (key == "pattern")
        options.pattern = QString::fromUtf8(text);
    else if (key == "extcase")
        readChoice(value, kExtensionCaseValues, options.extensionCase);
}

// Whole numbers separated by commas, as many as asked for, each within ±1,000,000.
std::optional<std::vector<int>> readNumbers(const QByteArray& text, qsizetype count) {
    const QList<QByteArray> fields = text.split(',');
    if (fields.size() != count)
        return std::nullopt;
    std::vector<int> numbers;
    for (const QByteArray& field : fields) {
        bool ok = false;
        const int number = field.trimmed().toInt(&ok);
        if (!ok || number < -1'000'000 || number > 1'000'000)
            return std::nullopt;
        numbers.push_back(number);
    }
    return numbers;
}

void applyWindowLine(const QByteArray& line, WindowPlace& place) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    const QByteArray key = line.left(equals).trimmed().toLower();
    const QByteArray value = line.mid(equals + 1).trimmed().toLower();
    if (key == "geometry") {
        if (const auto numbers = readNumbers(value, 4);
            numbers && (*numbers)[2] > 0 && (*numbers)[3] > 0)
            place.geometry = {(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
    } else if (key == "maximised" && (value == "true" || value == "false")) {
        place.maximised = value == "true";
    } else if (key == "listwidth") {
        if (const auto numbers = readNumbers(value, 1); numbers && (*numbers)[0] > 0)
            place.listWidth = (*numbers)[0];
    } else if (key == "columns") {
        if (const auto numbers = readNumbers(value, 2);
            numbers && (*numbers)[0] > 0 && (*numbers)[1] > 0)
            place.columnWidths = *numbers;
    }
}

QByteArray numbersText(std::initializer_list<int> numbers) {
    QByteArrayList fields;
    for (const int number : numbers)
        fields.append(QByteArray::number(number));
    return fields.join(',');
}

bool isSection(const QByteArray& line, const char* name) {
    return line.trimmed().toLower() == name;
}

} // namespace

Options readOptionsFile(const QString& path) {
    Options options;
    // A pipe or a device under the name reads as no file: it would block or never end.
    fs::OpenedPlainFile opened = fs::openPlainFile(path);
    QFile file;
    if (!opened.ok() ||
        !file.open(opened.fd.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return options;
    enum class Section { General, Presets, Clocks, Window };
    Section section = Section::General;
    for (const QByteArray& line : file.read(kMaxBytes).split('\n')) {
        if (line.trimmed().startsWith('['))
            section = isSection(line, "[presets]")  ? Section::Presets
                      : isSection(line, "[clocks]") ? Section::Clocks
                      : isSection(line, "[window]") ? Section::Window
                                                    : Section::General;
        else if (section == Section::Presets)
            applyPresetLine(line, options);
        else if (section == Section::Clocks)
            applyClockLine(line, options);
        else if (section == Section::Window)
            applyWindowLine(line, options.window);
        else
            applyLine(line, options);
    }
    return options;
}

bool writeOptionsFile(const QString& path, const Options& options) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[General]\n");
    file.write(options.order == PhotoOrder::Taken ? "order=taken\n" : "order=name\n");
    file.write(options.companions ? "companions=true\n" : "companions=false\n");
    file.write(options.moreTypes ? "moretypes=true\n" : "moretypes=false\n");
    file.write(QByteArray("date=") + choiceText(options.date, kDateValues) + '\n');
    file.write(QByteArray("numbers=") + choiceText(options.numbers, kNumbersValues) + '\n');
    if (isDatePattern(options.dateFormat))
        file.write("dateformat=" + options.dateFormat.toUtf8() + '\n');
    // A line break in a pattern or a preset would make a line of its own.
    const auto oneLine = [](const QString& text) {
        return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
    };
    if (!options.pattern.isEmpty() && oneLine(options.pattern))
        file.write("pattern=" + options.pattern.toUtf8() + '\n');
    for (auto each = kSwitches.begin() + 2; each != kSwitches.end(); ++each)
        if (options.*(each->second))
            file.write(QByteArray(each->first) + "=true\n");
    if (options.extensionCase != fs::ExtensionCase::Keep)
        file.write(QByteArray("extcase=") +
                   choiceText(options.extensionCase, kExtensionCaseValues) + '\n');
    if (!options.presets.empty()) {
        file.write("[Presets]\n");
        for (const auto& [name, pattern] : options.presets)
            if (oneLine(name) && oneLine(pattern) && !name.contains(QLatin1Char('=')))
                file.write(name.toUtf8() + '=' + pattern.toUtf8() + '\n');
    }
    if (!options.clocks.empty()) {
        file.write("[Clocks]\n");
        for (const auto& [camera, offset] : options.clocks)
            if (oneLine(camera) && offset != 0)
                file.write(camera.toUtf8() + '=' + clockOffsetText(offset).toUtf8() + '\n');
    }
    const WindowPlace& place = options.window;
    if (options.keepWindow && place.geometry.isValid()) {
        file.write("[Window]\n");
        const QRect& g = place.geometry;
        file.write("geometry=" + numbersText({g.x(), g.y(), g.width(), g.height()}) + '\n');
        if (place.maximised)
            file.write("maximised=true\n");
        if (place.listWidth > 0)
            file.write("listwidth=" + QByteArray::number(place.listWidth) + '\n');
        if (place.columnWidths.size() == 2)
            file.write("columns=" + numbersText({place.columnWidths[0], place.columnWidths[1]}) +
                       '\n');
    }
    return file.commit();
}

} // namespace km
