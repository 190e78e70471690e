#pragma once
// The host application's side of the contract: creating a module's form as a child window,
// and showing an error that a module call raised.
#include <QString>
#include <functional>

class MForm;
class QWidget;

// A form class the module hands to the host: its class name and how to create it.
struct FormClass {
    QString className;
    std::function<MForm*(QWidget* owner)> create;
};

// Installed by the host: create the form as a child of the main window, record it in *windowVar
// (or bring the window already there to the front) and show it.
using RunMDIChildHandler = std::function<void(const FormClass&, MForm** windowVar, const QString& param)>;
void SetRunMDIChildHandler(RunMDIChildHandler handler);
void RunMDIChild(const FormClass& formClass, MForm** windowVar, const QString& param);

// Installed by the host: how an error that reached the host is shown. Without a handler the
// message goes to standard error.
using HostErrorHandler = std::function<void(const QString& message)>;
void SetHostErrorHandler(HostErrorHandler handler);
void ShowHostError(const QString& message);
