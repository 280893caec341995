#pragma once

#include <QWidget>

// The program's own push button. This first version offers what the forms use: a caption with
// an access letter marked by "&", the enabled state and the Click notification.
class XPButton : public QWidget {
    Q_OBJECT

public:
    explicit XPButton(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // The Enabled property; hides QWidget::setEnabled so that calls through an XPButton pointer
    // always go through the property's own steps.
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool enabled) { QWidget::setEnabled(enabled); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QString m_caption;
};
