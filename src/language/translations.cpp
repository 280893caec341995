// SPDX-License-Identifier: MIT
#include "language/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace km {

Translations::Translations(const QString& programFolder) {
    m_programTranslated =
        install(QStringLiteral("kestrelmark"),
                {programFolder + QStringLiteral("/translations"),
                 programFolder + QStringLiteral("/../share/kestrelmark/translations")});
    // Qt's own texts (the folder tree's, the command line's) only with the program's: a language
    // the program does not speak keeps the whole window English.
    if (m_programTranslated)
        install(QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

Translations::~Translations() {
    for (const std::unique_ptr<QTranslator>& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}

bool Translations::install(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(), name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator.get())) {
            m_installed.push_back(std::move(translator));
            return true;
        }
    }
    return false;
}

} // namespace km
