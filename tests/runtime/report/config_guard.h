#pragma once
// Sets the runtime configuration for one test and puts the previous one back afterwards.
#include "runtime/config.h"

namespace reporttest {

class ConfigGuard {
public:
    explicit ConfigGuard(const RuntimeConfig& config) : saved_(CurrentConfig()) { SetCurrentConfig(config); }
    ~ConfigGuard() { SetCurrentConfig(saved_); }
    ConfigGuard(const ConfigGuard&) = delete;
    ConfigGuard& operator=(const ConfigGuard&) = delete;

private:
    RuntimeConfig saved_;
};

} // namespace reporttest
