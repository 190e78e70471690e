// The host's handlers for child windows and for errors, installed by whichever host runs the module.
#include "runtime/mdichild.h"

#include "runtime/language.h"

#include <QTextStream>
#include <stdexcept>

namespace {
RunMDIChildHandler runMDIChildHandler;
HostErrorHandler hostErrorHandler;
}

void SetRunMDIChildHandler(RunMDIChildHandler handler)
{
    runMDIChildHandler = std::move(handler);
}

void RunMDIChild(const FormClass& formClass, MForm** windowVar, const QString& param)
{
    if (!runMDIChildHandler)
        throw std::runtime_error(
            LoadFormResourceStr(QStringLiteral("RAR1HOST"), 204).arg(formClass.className).toStdString());
    runMDIChildHandler(formClass, windowVar, param);
}

void SetHostErrorHandler(HostErrorHandler handler)
{
    hostErrorHandler = std::move(handler);
}

void ShowHostError(const QString& message)
{
    if (hostErrorHandler) {
        hostErrorHandler(message);
        return;
    }
    QTextStream(stderr) << message << Qt::endl;
}
