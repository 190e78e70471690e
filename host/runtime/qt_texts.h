#pragma once
// Qt's own texts (the buttons of message boxes and standard dialogs, the print dialog) in the
// clerk's language, from the Qt translations the system has installed.

// Installs Qt's texts for language 0 (simplified), 1 (traditional) or 2 (English) in the running
// application, replacing those installed before. Without an application, or without the system's
// translation files, Qt's English texts stay.
void InstallQtTexts(int language);
