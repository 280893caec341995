// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace km {

// The program's texts and Qt's own in the user's language, for as long as this lives; with no
// translation for that language (or "C"), every text stays the program's English one.
class Translations {
public:
    // Looks for the program's translations next to the program (a build) and in the data folder
    // of an installed copy (programFolder/../share/kestrelmark/translations).
    explicit Translations(const QString& programFolder);
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether the program's own texts are translated.
    bool programTranslated() const { return m_programTranslated; }

private:
    bool install(const QString& name, const QStringList& folders);

    std::vector<std::unique_ptr<QTranslator>> m_installed;
    bool m_programTranslated = false;
};

} // namespace km
