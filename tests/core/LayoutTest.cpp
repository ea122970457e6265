#include "tests/AllLayouts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace palettra;
using namespace palettra::toolkit;

namespace {

TEST(Layouts, NamesAreUniqueWithinEachWindow)
{
    for (const WindowLayout* layout : tests::AllLayouts) {
        std::map<std::pair<std::string, int>, int> seen;
        for (const ControlLayout& row : layout->controls)
            EXPECT_EQ(++seen[std::make_pair(row.name, row.index)], 1) << layout->name << " " << row.name;
    }
}

} // namespace
