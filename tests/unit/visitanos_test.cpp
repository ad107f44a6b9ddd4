#include <gtest/gtest.h>

#include "farewell/Diapositivas.h"

namespace {

// After the k-th tick the banner shows holder (k mod 6) + 1: Image2 first,
// Image1 back at every sixth tick.
TEST(Diapositivas, TheKthTickShowsHolderKMod6PlusOne) {
    int contador = 1;  // as created
    for (int k = 1; k <= 25; ++k) {
        contador = farewell::SiguienteDiapositiva(contador);
        EXPECT_EQ(contador, k % farewell::kDiapositivas + 1) << "tick " << k;
    }
}

}  // namespace
