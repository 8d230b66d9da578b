#include <gtest/gtest.h>
TEST(Journal, Vide) {}
