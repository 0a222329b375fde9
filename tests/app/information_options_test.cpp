#include "app/information_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <vector>

namespace anod {
namespace {

// Output that cannot take the text (a full disk, > /dev/full) is no success.
TEST(InformationOptions, WriteFailureExitsWithTwo) {
  for (const std::string_view option : {"--help", "--version"}) {
    SCOPED_TRACE(option);
    const std::vector<std::string_view> arguments{option};
    std::ostringstream out, err;
    EXPECT_EQ(AnswerInformationOption(arguments, out, err), 0);
    EXPECT_EQ(err.str(), "");
    std::ostream full(nullptr);
    EXPECT_EQ(AnswerInformationOption(arguments, full, err), 2);
    EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos);
  }
}

}  // namespace
}  // namespace anod
