#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace talvane::platform {
namespace {

std::map<int, int> g_closed;

struct CountingTraits {
    using Handle = int;
    static Handle Invalid() { return -1; }
    static void Close(Handle h) { ++g_closed[h]; }
};
using Counted = UniqueHandle<CountingTraits>;

TEST(UniqueHandleTest, ClosesEachHandleExactlyOnce) {
    g_closed.clear();
    {
        Counted a(1);
        Counted b(std::move(a));
        EXPECT_FALSE(a.Valid());
        Counted c(2);
        c = std::move(b);  // closes 2, takes 1
        EXPECT_EQ(g_closed[2], 1);
        c = std::move(c);  // self-move keeps the handle
        EXPECT_EQ(c.Get(), 1);
        c.Reset(3);
        EXPECT_EQ(g_closed[1], 1);
        c.Reset(3);  // the same handle again is not closed
        Counted d(4);
        EXPECT_EQ(d.Release(), 4);
        Counted none;
        EXPECT_FALSE(none);
    }
    EXPECT_EQ(g_closed, (std::map<int, int>{{1, 1}, {2, 1}, {3, 1}}));
}

}  // namespace
}  // namespace talvane::platform
