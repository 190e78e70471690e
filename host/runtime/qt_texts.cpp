#include "runtime/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

void InstallQtTexts(int language)
{
    static std::unique_ptr<QTranslator> installed;
    if (!QCoreApplication::instance())
        return;
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    installed.reset();
    const char* names[] = {"qtbase_zh_CN", "qtbase_zh_TW"};
    if (language != 0 && language != 1)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QString::fromLatin1(names[language]), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator.get()))
        installed = std::move(translator);
}
