#pragma once
// The host's hold on the payroll module: loads libRAR1.so at run time, resolves its exported
// functions, hands it the company context and opens the banks' windows. Shared by the desktop host
// and the command-line host.
#include "runtime/compdata.h"

#include <QString>
#include <cstdint>
#include <memory>

struct RuntimeConfig;

class ModuleLibrary {
public:
    // Raises std::runtime_error when the library or one of its 30 functions is missing.
    explicit ModuleLibrary(const QString& path = DefaultPath());
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    // RAR1_MODULE, else libRAR1.so beside the runtime library (libhostrt.so).
    static QString DefaultPath();

    // Hands the module the company record; the host keeps the record alive while the module runs.
    void SetCompanyData(const std::uint8_t* record);
    void DoWagBK(int bank);
    // Lets the module close its database; called once, also by the destructor.
    void ExitDLL();

private:
    void* handle_ = nullptr;
    void (*setCompanyData_)(const std::uint8_t* const*) = nullptr;
    void (*exitDll_)() = nullptr;
    void (*banks_[29])() = {};
    const std::uint8_t* record_ = nullptr;
    bool exited_ = false;
};

// The company context of the configured company: its Comp row in the system database (COMPNO, NAME,
// TEL, UNI_NO), the configured language, and `changedTable` ("ALLDATA" on a company switch).
// Raises std::runtime_error when the company is not in Comp.
std::unique_ptr<Compdata::CompanyRecordBuilder> CompanyRecordFor(const RuntimeConfig& config,
                                                                 const QString& changedTable = QStringLiteral("ALLDATA"));
