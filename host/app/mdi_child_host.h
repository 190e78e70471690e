#pragma once
// How the desktop host opens a module's form: as a child window of its MDI area, recorded in the
// module's window variable, which is cleared again when the window goes. A variable that already
// holds an open window brings that window to the front instead. A window opens where the clerk
// left its kind last time (`places`), else at the size its contents ask for within the area.
#include "runtime/mdichild.h"

class QMdiArea;
class WindowPlaces;

void OpenMdiChild(QMdiArea& area, const FormClass& formClass, MForm** windowVar, WindowPlaces& places);
