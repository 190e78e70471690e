// The module's face to the host: the 30 exported functions and a window that is not built.
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

TEST(Exports, AWindowThatIsNotBuiltReachesTheHostAsAnError)
{
    void* handle = dlopen(modulePath().toLocal8Bit().constData(), RTLD_NOW);
    ASSERT_NE(handle, nullptr);
    auto doWagBK = reinterpret_cast<void (*)()>(dlsym(handle, "DoWagBK28"));
    ASSERT_NE(doWagBK, nullptr);
    if (BankForm(28))
        GTEST_SKIP() << "bank 28 has a window now; pick another unbuilt bank";

    QStringList shown;
    SetHostErrorHandler([&](const QString& message) { shown << message; });
    bool created = false;
    SetRunMDIChildHandler([&](const FormClass&, MForm**, const QString&) { created = true; });
    doWagBK();
    SetHostErrorHandler(nullptr);
    SetRunMDIChildHandler(nullptr);
    EXPECT_FALSE(created);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains("中國商業銀行")) << shown.first().toStdString();

    // The message is the module's text in the clerk's language.
    Language::LanguageID = 0;
    InitLanguage();
    shown.clear();
    SetHostErrorHandler([&](const QString& message) { shown << message; });
    doWagBK();
    SetHostErrorHandler(nullptr);
    const QString expected = LoadFormResourceStr("WAGBK", 15101).arg(28).arg("中國商業銀行");
    Language::LanguageID = 1;
    InitLanguage();
    EXPECT_EQ(shown, QStringList{expected});
    EXPECT_TRUE(expected.contains(QStringLiteral("视窗"))) << expected.toStdString();
}

} // namespace
