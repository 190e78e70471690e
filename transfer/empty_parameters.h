#pragma once
// Bank parameters a media file needs but the bank's row leaves empty (a branch or customer code not
// yet set): the bank rejects such a file, so the export asks the clerk before it writes one.
#include "transfer/media_layout.h"

#include <QMap>
#include <QStringList>

// One line for each parameter the layout writes that `parameters` leaves empty (or holds spaces
// only), in the order the layout writes them, each named once: what the field holds and its column.
QStringList EmptyParametersWritten(const MediaLayout& layout, const QMap<QString, QString>* parameters);

enum class EmptyParametersAnswer { Export, OpenParameters, Stop };

// Asks whether to write the file with the `empty` parameters (lines of EmptyParametersWritten):
// export anyway, open the bank parameters, or stop.
EmptyParametersAnswer AskAboutEmptyParameters(const QStringList& empty);
