#pragma once
// Laying text out needs a QGuiApplication for the whole test program, as the
// dravik tool makes one for its run. Include once per test program.
#include "render/Render.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

namespace dravik::test {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = render::ensureGuiApplication(); }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

inline const auto* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace dravik::test
