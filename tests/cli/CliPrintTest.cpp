#include "support/EngineCli.h"

#include <gtest/gtest.h>

using namespace gorlin::test;

// The core test program links no printing: `print` must say so rather than fail silently.
TEST(CliPrint, ABuildWithoutPrintingRefusesWithUsageStatus) {
    const CliRun run = RunCli({"print", "league.div", "--what", "table", "--pdf", "out.pdf"});
    EXPECT_EQ(run.Exit, 2);
    EXPECT_NE(run.Err.find("printing is not available in this build"), std::string::npos) << run.Err;
    EXPECT_TRUE(run.Out.empty());
    // Its help is there all the same.
    const CliRun help = RunCli({"print", "--help"});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_NE(help.Out.find("--what WHAT"), std::string::npos);
}
