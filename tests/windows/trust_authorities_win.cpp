// Runs before the programs that talk to the local servers (a CTest fixture):
// their authorities go into the prefix's root store once, so that programs
// running side by side later only find them there and never write the store
// at the same moment.
#include <gtest/gtest.h>

#include "win_test_support.h"

namespace {

TEST(LocalAuthorities, AreInTheRootStoreAsANewProgramSeesIt) {
    const wintest::LocalServers servers = wintest::requireLocalServers();
    ASSERT_FALSE(HasFailure());
    const auto certificates = wintest::pemCertificates(servers.caFile);
    // The accepting, refusing, oversized, redirecting, silent, trickling and
    // outdated servers.
    ASSERT_EQ(certificates.size(), 7u) << servers.caFile;
    for (const auto& der : certificates) EXPECT_TRUE(wintest::rootStoreHolds(der));
}

}  // namespace
