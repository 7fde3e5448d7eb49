// The exported interface as a C++ program sees it: every function in the
// export list is declared by radar.h with the listed number of arguments.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "radar.h"

namespace {

template <class F>
struct Arity;
template <class R, class... A>
struct Arity<R (*)(A...)> {
    static constexpr std::size_t value = sizeof...(A);
};

// Generated from the export list: one entry per exported function.
struct Listed {
    const char *name;
    std::size_t listed;
    std::size_t declared;
};
#define EXPORTED(name, count) {#name, count, Arity<decltype(&name)>::value},
const Listed listed[] = {
#include "export_list.inc"
};
#undef EXPORTED

TEST(Exports, TheListHas244DistinctFunctions) {
    std::set<std::string> names;
    for (const Listed &l : listed) names.insert(l.name);
    EXPECT_EQ(std::size(listed), 244u);
    EXPECT_EQ(names.size(), 244u);
}

TEST(Exports, TheHeaderDeclaresEachWithTheListedArgumentCount) {
    for (const Listed &l : listed) EXPECT_EQ(l.declared, l.listed) << l.name;
}

TEST(Exports, TheEchoLineRecordIsPacked) {
    EXPECT_EQ(offsetof(EchoLineRecord, Data), 2u);
    EXPECT_EQ(offsetof(EchoLineRecord, SampleCount), 2 + sizeof(void *));
    EXPECT_EQ(sizeof(EchoLineRecord), 14 + sizeof(void *));
}

}  // namespace
