#include "common/grid_titles.h"

#include <QHeaderView>

void CenterGridTitles(QTableView& grid)
{
    grid.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}
