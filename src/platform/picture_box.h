#pragma once

#include <QWidget>

// A persistent drawing surface: what is drawn into it stays until it is cleared.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
};
