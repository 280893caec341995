#pragma once

#include <QWidget>

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const QString& settingsFolder, QWidget* parent = nullptr);
    void Form_Load();

private:
    QString m_settingsFolder;
};
