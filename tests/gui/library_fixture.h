#pragma once
// Registers the built resource library once for the tests that read it.
#include <gtest/gtest.h>

#include <QString>

#include "platform/qt/resources.h"

namespace tessaro::test {

inline QString libraryPath() { return QStringLiteral(TESSARO_BIN_DIR "/VRA.RGF"); }

class LibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registered_ = resources::loadResourceLibrary(libraryPath()); }
    void SetUp() override { ASSERT_TRUE(registered_) << "cannot register " << libraryPath().toStdString(); }
    static inline bool registered_ = false;
};

}  // namespace tessaro::test
