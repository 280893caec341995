// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/caption_label.h"
#include "xpbutton/colour.h"
#include "xpbutton/picture_image.h"
#include "xpbutton/xpbutton_settings.h"

#include <QFont>
#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>

class QShortcut;

namespace km {

class PollingTimer;
class XPButtonAccessible;

// The program's own push button. It paints its whole face itself (outline with cut corners,
// gradient, hover highlight, focus ring), draws its caption and picture over it, and raises
// Click when a mouse button is released over it or Space or Enter is released while it has
// the focus.
class XPButton : public QWidget {
    Q_OBJECT

public:
    static constexpr Colour kDefaultLineColor{0x743C00};

    // A new instance in its designed state with the settings of a newly placed button.
    explicit XPButton(QWidget* parent = nullptr);
    ~XPButton() override;

    // The designed properties and container operations. The program's forms create every button
    // from stored settings (createXPButton) and then set only Enabled; the other setters and
    // UserControl_WriteProperties serve a form designer, and only the tests call them.
    Colour LineColor() const { return m_lineColor; }
    void setLineColor(Colour color);

    // The stored enabled value; the face follows the window's enabled state instead. The setter
    // takes its steps even for the value held; QWidget::setEnabled, called through a QWidget
    // pointer, takes them when it changes the button's own enabled state (changeEvent).
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // The stored font; the caption keeps its own. QWidget::setFont stores the widget's font too.
    QFont Font() const { return m_font; }
    void setFont(const QFont& font);

    std::int16_t BackStyle() const { return m_backStyle; }
    void setBackStyle(std::int16_t backStyle);

    std::int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(std::int16_t borderStyle);

    QString Caption() const { return m_label1.caption(); }
    void setCaption(const QString& caption);
    // Alt and the letter marked with "&" in the caption; empty when none is marked.
    QKeySequence accessKey() const;

    Colour BackColor() const { return m_backColor; }
    void setBackColor(Colour color);

    QPixmap Picture() const { return m_image1.picture(); }
    void setPicture(const QPixmap& picture);

    // 0: caption only; 1: picture left of the caption. Other values lay out as 0.
    std::int32_t Style() const { return m_style; }
    void setStyle(std::int32_t style);

    // Operations of the hosting form.
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const XPButtonSettings& stored);
    void UserControl_WriteProperties(XPButtonSettings& stored) const;

    // The visual state flags and the windowless children, for the form and for tests.
    bool Pressed() const { return m_pressed; }
    bool Hover() const { return m_hover; }
    bool Focused() const { return m_focused; }
    const CaptionLabel& Label1() const { return m_label1; }
    const PictureImage& Image1() const { return m_image1; }
    // True while the hover timer polls the pointer.
    bool isPollingPointer() const;

    // Where the pointer is, in global pixels; QCursor::pos() unless replaced (tests).
    using PointerSource = std::function<QPoint()>;
    void setPointerSource(PointerSource source);

signals:
    void Click();
    // The change report of every property setter.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Label1 and Image1 have no windows, so their mouse events arrive here and take the
    // control's own handlers.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class XPButtonAccessible;

    void UserControl_MouseDown();
    void UserControl_MouseMove();
    void UserControl_MouseUp();
    void UserControl_KeyDown();
    void UserControl_KeyUp();
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Resize();
    void Timer1_Timer();
    void releaseAndClick();
    void clickIfEnabled();
    void followCaption();

    void UserControl_Paint();
    void DrawNormal();
    void DrawPressed();
    void DrawDisabled();
    void DrawHover();
    void DrawFocus();
    void Relayout();
    bool IsMouseOver() const;

    void PropertyChanged(const QString& name);
    // The Enabled setter's steps before the window is enabled or disabled.
    void storeEnabled(bool enabled);
    // A change of the window's own enabled flag or font made without the property setter.
    void followWindowEnabled();
    void followWindowFont();
    QFont ambientFont() const;
    // The whole control is drawn anew (background, face, children) before it is next shown.
    void scheduleRepaint();
    void repaintSurface();
    template <typename Draw> void drawOnSurface(Draw draw);

    Colour m_lineColor = kDefaultLineColor;
    bool m_enabled = true;
    // The window's own enabled flag as last seen; a parent's state does not change it.
    bool m_windowEnabled = true;
    QFont m_font;
    std::int16_t m_backStyle = 0;
    std::int16_t m_borderStyle = 0;
    std::int32_t m_style = 0;
    Colour m_backColor = kSystemButtonFace;

    bool m_pressed = false;
    bool m_hover = false;
    bool m_focused = false;

    CaptionLabel m_label1;
    PictureImage m_image1;
    PollingTimer* m_timer1;
    QShortcut* m_accessKey;
    PointerSource m_pointer;

    // What the control shows: repainted whole on demand, drawn on directly by the hover
    // highlight and the timer, copied to the screen by every paint event.
    QImage m_surface;
    bool m_repaintPending = true;
};

// Creates a button from its form's stored settings, as the forms create every instance.
XPButton* createXPButton(QWidget* parent, const XPButtonSettings& stored);

} // namespace km
