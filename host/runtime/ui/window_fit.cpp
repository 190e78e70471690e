#include "runtime/ui/window_fit.h"

#include <QWidget>

QSize FittedSize(const QWidget& window, const QSize& available)
{
    const QSize preferred = window.sizeHint().expandedTo(window.minimumSizeHint());
    const int width = qMin(preferred.width(), available.width());
    const int height = window.hasHeightForWidth() ? window.heightForWidth(width) : preferred.height();
    return QSize(width, qMin(qMax(height, preferred.height()), available.height()));
}
