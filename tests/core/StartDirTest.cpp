#include "core/StartDir.h"
#include <gtest/gtest.h>

TEST(StartDir, AddsBackslashKeepsRootAndIsEmptyOnFailure)
{
    EXPECT_EQ(MakeStartDir("C:\\Users\\me\\run"), "C:\\Users\\me\\run\\");
    EXPECT_EQ(MakeStartDir("Z:\\"), "Z:\\");
    EXPECT_EQ(MakeStartDir(nullptr), "");
    EXPECT_EQ(MakeStartDir(""), "");
}

TEST(StartDir, ProfilePathFollowsStartDir)
{
    EXPECT_EQ(MakeProfilePath("C:\\run\\", "C:\\windows"), "C:\\run\\Quenvo.ini");
    EXPECT_EQ(MakeProfilePath("Z:\\", "C:\\windows"), "Z:\\Quenvo.ini");
    // Unreadable start directory: the Windows directory, for reads and writes alike.
    EXPECT_EQ(MakeProfilePath("", "C:\\windows"), "C:\\windows\\Quenvo.ini");
}
