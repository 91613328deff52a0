// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Laying text out needs a QGuiApplication for the whole test program, as the
// dravik tool makes one for its run. Include once per test program.
#include "render/DocumentFiles.h"

#include <gtest/gtest.h>

#include <memory>

namespace dravik::test {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override { gui_ = std::make_unique<render::GuiSession>(); }
    void TearDown() override { gui_.reset(); }

private:
    std::unique_ptr<render::GuiSession> gui_;
};

inline const auto* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace dravik::test
