#pragma once
// How the desktop host opens a module's form: as a child window of its MDI area, recorded in the
// module's window variable, which is cleared again when the window goes. A variable that already
// holds an open window brings that window to the front instead.
#include "runtime/mdichild.h"

class QMdiArea;

void OpenMdiChild(QMdiArea& area, const FormClass& formClass, MForm** windowVar);
