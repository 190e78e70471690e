#pragma once
// The host's own texts (group RAR1HOST of the text tables), in the clerk's language.
#include <QString>

QString HostText(int id);
