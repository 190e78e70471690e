#pragma once
// The size a window opens at: its preferred size, narrowed to what is available, and as tall as
// its contents need at that width (a toolbar that wraps takes further rows), no taller than what
// is available.
#include <QSize>

class QWidget;

QSize FittedSize(const QWidget& window, const QSize& available);
