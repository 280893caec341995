// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QPalette>

// A dark theme as desktop settings give one to Fusion: light text on dark grounds.
inline QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(255, 255, 255));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, QColor(120, 170, 255));
    dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return dark;
}

// Puts the dark palette on the application for the scope's life.
class DarkPaletteScope {
public:
    DarkPaletteScope() : m_before(QApplication::palette()) { QApplication::setPalette(darkPalette()); }
    ~DarkPaletteScope() { QApplication::setPalette(m_before); }
    DarkPaletteScope(const DarkPaletteScope&) = delete;
    DarkPaletteScope& operator=(const DarkPaletteScope&) = delete;

private:
    QPalette m_before;
};
