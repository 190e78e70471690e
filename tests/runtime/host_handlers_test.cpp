// The host's child-window and error handlers: without a host, a clear error rather than nothing.
#include "runtime/mdichild.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(HostHandlers, OpeningAWindowWithoutAHostFailsClearly)
{
    SetRunMDIChildHandler(nullptr);
    MForm* window = nullptr;
    try {
        RunMDIChild({QStringLiteral("TWagbk10Form"), nullptr}, &window, QString());
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("TWagbk10Form"), std::string::npos) << error.what();
    }
}

TEST(HostHandlers, ErrorsWithoutAHostGoToStandardError)
{
    SetHostErrorHandler(nullptr);
    testing::internal::CaptureStderr();
    ShowHostError(QStringLiteral("磁碟已滿"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "磁碟已滿\n");
}

} // namespace
