#include "platform/picture_box.h"

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}
