#pragma once
// Gives the offscreen platform a screen of `size` (its default one is 800 x 600).
// Must run before the QApplication is made.
#include <QSize>

void UseOffscreenScreen(const QSize& size);
