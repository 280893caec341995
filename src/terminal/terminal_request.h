// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_names.h"
#include "journal/recovery.h"
#include "naming/date_pattern.h"
#include "settings/options_file.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace km {

// The photo types a rename from the terminal lists, as --types names them.
struct TerminalTypes {
    bool jpeg = false;
    bool bitmap = false;
    bool gif = false;
    // HEIC, HEIF, AVIF, PNG, TIFF and WebP: the phones' types, listed together.
    bool moreTypes = false;
    bool videos = false;
};

// `kestrelmark rename FOLDER ...`: what is given; what is not comes from the user's settings.
struct TerminalRename {
    QString folder;
    std::optional<QString> prefix;
    std::optional<QString> start;
    std::optional<QString> digits;
    std::optional<QString> pattern;
    std::optional<QString> preset;
    std::optional<PhotoOrder> order;
    std::optional<DateNumbering> numbers;
    std::optional<fs::ExtensionCase> extensionCase;
    std::optional<TerminalTypes> types;
    bool companions = false;
    // The names of the photos to rename; empty for all.
    QStringList selected;
    bool apply = false;
};

// One command given to kestrelmark in a terminal, read from its arguments (the program's path
// first). Kind::None when the arguments name no such command: they are the window's.
struct TerminalRequest {
    enum class Kind { None, Help, Rename, History, Undo, Recover, Refused };
    Kind kind = Kind::None;
    TerminalRename rename;
    // history: the folder whose batches are listed, empty for all; recover: the batch's folder.
    QString folder;
    // undo: the batch's number as history lists it, 1 for the newest.
    int batch = 1;
    RecoveryDirection direction = RecoveryDirection::Finish;
    bool json = false;
    // Kind::Refused: what is wrong, naming the argument; Kind::Help: the help text.
    QString message;
};

TerminalRequest readTerminalRequest(const QStringList& arguments);

// The exit statuses of the terminal's commands.
inline constexpr int kTerminalDone = 0;
inline constexpr int kTerminalRefused = 1;
inline constexpr int kTerminalUsage = 2;
inline constexpr int kTerminalFailedAndRestored = 3;
inline constexpr int kTerminalStranded = 4;

} // namespace km
