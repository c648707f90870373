// Start-up of the export modules, as the program does it, before every test.

#include <gtest/gtest.h>

#include "export/cxExport.h"
#include "export/cxXLSExport.h"
#include "platform/ScreenScale.h"

namespace {

class ExportEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        platform::setScreenPixelsPerInch(platform::kDefaultPixelsPerInch);
        cx::InitXLSExportModule();
        cx::InitExportSupport();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ExportEnvironment);

}  // namespace
