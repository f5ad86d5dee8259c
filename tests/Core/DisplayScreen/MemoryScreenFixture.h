#pragma once

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/Resource/ResourceProblems.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

#include <sstream>

// A display screen over a memory back end; DSC1 1000 describes a 16 x 8 screen with an
// underlay, DSC1 1001 one without. Problem reports go to `reports`.
class MemoryScreenFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResourceProblems::Forget();
        ResourceProblems::SetOutput(&reports);
        resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(16, 8, true));
        resources.Add(ResourceType::screenDescription, 1001, ScreenDescriptionBlockBytes(16, 8, false));
        screen = new MemoryDisplayScreen8Bit(3);
        ASSERT_TRUE(DisplayScreen8Bit::Initialize(screen));
    }

    void TearDown() override
    {
        DisplayScreen8Bit::Finalize();
        ResourceProblems::SetOutput(nullptr);
        ResourceProblems::Forget();
    }

    ScopedInMemoryResources resources;
    MemoryDisplayScreen8Bit* screen = nullptr; // owned by DisplayScreen8Bit
    std::ostringstream reports;
};
