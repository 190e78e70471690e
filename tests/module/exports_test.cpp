// The module's face to the host: the 30 exported functions, and errors that stay inside them.
#include "module/form_registry.h"
#include "runtime/language.h"
#include "runtime/mdichild.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

QString modulePath()
{
    return QDir(qEnvironmentVariable("RAR1_LIB_DIR")).filePath("libRAR1.so");
}

TEST(Exports, AllThirtyFunctionsAreExportedWithCLinkage)
{
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", modulePath()});
    ASSERT_TRUE(nm.waitForFinished());
    const QString symbols = QString::fromLatin1(nm.readAllStandardOutput());
    QStringList names{"SetCompanyData", "ExitDLL"};
    for (int bank = 1; bank <= 28; ++bank)
        names << QStringLiteral("DoWagBK%1").arg(bank);
    for (const QString& name : names)
        EXPECT_TRUE(symbols.contains(QRegularExpression("\\sT " + name + "\\n"))) << name.toStdString();
}

// Nothing thrown while a window opens may cross the exported functions into the host: it reaches
// the host's error handler as one message in the clerk's language, and no window is made.
TEST(Exports, AWindowThatCannotOpenReachesTheHostAsAnError)
{
    void* handle = dlopen(modulePath().toLocal8Bit().constData(), RTLD_NOW);
    ASSERT_NE(handle, nullptr);
    auto doWagBK = reinterpret_cast<void (*)()>(dlsym(handle, "DoWagBK28"));
    ASSERT_NE(doWagBK, nullptr);
    ASSERT_NE(BankForm(28), nullptr);

    QStringList shown;
    SetHostErrorHandler([&](const QString& message) { shown << message; });
    SetRunMDIChildHandler([](const FormClass&, MForm**, const QString&) { throw std::runtime_error("資料庫無法開啟"); });
    doWagBK();
    EXPECT_EQ(shown, QStringList{"資料庫無法開啟"});

    // What is no error the module knows is named as the module's own unexpected error.
    Language::LanguageID = 0;
    InitLanguage();
    shown.clear();
    SetRunMDIChildHandler([](const FormClass&, MForm**, const QString&) { throw 42; });
    doWagBK();
    SetHostErrorHandler(nullptr);
    SetRunMDIChildHandler(nullptr);
    const QString expected = LoadFormResourceStr("WAGBK", 15100);
    Language::LanguageID = 1;
    InitLanguage();
    EXPECT_EQ(shown, QStringList{expected});
    EXPECT_TRUE(expected.contains(QStringLiteral("错误"))) << expected.toStdString();
}

} // namespace
