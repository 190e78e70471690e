#pragma once
#include <QTableView>

// Centres the title of every column of the grid.
void CenterGridTitles(QTableView& grid);
