#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/exception.h"
#include "core/language.h"
#include "inventory/inventory_data.h"
#include "support/fake_platform.h"
#include "support/raised_message.h"
#include "support/temp_program_folder.h"

// A type of bar with the given identity and stock file name, and plausible numbers.
TYPE_OF_BAR MakeType(const std::string& profileCode, const std::string& material, const std::string& color,
                     const std::string& stockFile = "00000000");

// The bytes of a version-2 bar manager file header.
std::string BfmHeader(unsigned version = 123);

// A temporary program folder with a fake platform and an empty inventory.
class InventoryTest : public ::testing::Test {
protected:
    CTempProgramFolder folder;
    CScopedFakePlatform platform;
    CInventoryData inventory;

    // Adds a type of bar with an existing empty stock file of that name.
    void AddType(const std::string& profileCode, const std::string& material, const std::string& color,
                 const std::string& stockFile);
};
