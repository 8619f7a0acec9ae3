// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StoreFile.h"

#include <gtest/gtest.h>

namespace pikora {
namespace {

    const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VELMAR\\PIKORA";

    TEST(StoreFile, KeepsUntouchedLinesByteForByte)
    {
        const std::string text = "Windows Registry Editor Version "
                                 "5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
                                 "\"x\"=\"y\"\r\n\r\n["
            + key + "]\r\n\"FIELD4\"=dword:00000002\r\n; comment\r\n";
        StoreFile file(text);
        EXPECT_EQ(file.text(), text);
        ASSERT_TRUE(file.setValue(key, "FIELD4", { StoreFile::typeNumber, { 7, 0, 0, 0 } }));
        ASSERT_TRUE(file.setValue(key, "APP_FOLDER", { StoreFile::typeString, { '/', 'o' } }));
        EXPECT_EQ(file.text(),
            "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
            "\"x\"=\"y\"\r\n\r\n["
                + key
                + "]\r\n\"FIELD4\"=dword:00000007\r\n; comment\r\n"
                  "\"APP_FOLDER\"=hex(1):2f,6f\r\n");
    }

} // namespace
} // namespace pikora
