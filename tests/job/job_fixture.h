#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/exception.h"
#include "inventory/bar.h"
#include "job/global_data.h"
#include "support/fake_platform.h"
#include "support/raised_message.h"
#include "support/temp_program_folder.h"

ORDER MakeOrder(const std::string& profileCode, Length length, int quantity, const std::string& identifier = "A1",
                const std::string& material = "AL", const std::string& color = "WHITE");

// A temporary program folder, a fake platform and global data with an empty inventory.
class JobTest : public ::testing::Test {
protected:
    CTempProgramFolder folder;
    CScopedFakePlatform platform;
    CGlobalData data;

    // Adds a type of bar (material AL, color WHITE unless given) with its own stock file
    // holding `stock`; returns nothing, look the index up with FindTypeOfBar.
    void AddType(const std::string& profileCode, const std::vector<BAR>& stock = {},
                 Length minReusedLength = 300, const std::string& material = "AL",
                 const std::string& color = "WHITE");
    int TypeIndex(const std::string& profileCode) const;
    std::vector<BAR> Stock(const std::string& profileCode) const;
};
