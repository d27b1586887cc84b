// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/AssocArray.h"

#include <gtest/gtest.h>

using namespace taxilo;

namespace {
Value T(const char* s)
{
    return Value::MakeText(s);
}

std::vector<std::string> Keys(const TAssocArray& a)
{
    std::vector<std::string> keys;
    for (const TAssocItem* i = a.First(); i; i = i->Next.get())
        keys.push_back(i->Key.TextValue());
    return keys;
}
} // namespace

TEST(AssocArray, GetOnEmptyIsNullAndPutReplaces)
{
    TAssocArray a;
    EXPECT_TRUE(a.Get(T("A")).IsNull());
    a.Put(T("A"), T("x"));
    a.Put(T("A"), T("y"));
    EXPECT_EQ(a.Count(), 1u);
    EXPECT_EQ(a.Get(T("A")), T("y"));
    EXPECT_TRUE(a.Get(T("a")).IsNull()); // keys are case-sensitive
}

TEST(AssocArray, NullRemovesAndKeepsFirstAndLastRight)
{
    TAssocArray a;
    a.Put(T("A"), Value::MakeNull());
    EXPECT_EQ(a.First(), nullptr);
    a.Put(T("A"), T("x"));
    a.Put(T("A"), Value::MakeNull());
    EXPECT_EQ(a.First(), nullptr);
    EXPECT_EQ(a.Last(), nullptr);
    a.Put(T("B"), T("z"));
    EXPECT_EQ(a.First(), a.Last());
    EXPECT_EQ(a.Last()->Key, T("B"));

    a.Put(T("C"), T("1"));
    a.Put(T("D"), T("2"));
    a.Put(T("D"), Value::MakeNull()); // removing the last makes its predecessor last
    EXPECT_EQ(a.Last()->Key, T("C"));
    a.Put(T("E"), T("3"));
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"B", "C", "E"}));
    a.Put(T("C"), Value::MakeNull()); // from the middle
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"B", "E"}));
    a.Put(T("B"), Value::MakeNull()); // from the front
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"E"}));
}

TEST(AssocArray, EmptyTextIsAValueAndKeysAreStoredAsText)
{
    TAssocArray a;
    a.Put(T("K"), T(""));
    EXPECT_FALSE(a.Get(T("K")).IsNull());
    EXPECT_EQ(a.Get(T("K")), T(""));
    a.Put(Value::MakeInteger(5), T("five"));
    EXPECT_EQ(a.Last()->Key, T("5"));
    EXPECT_EQ(a.Get(T("5")), T("five"));
}

TEST(AssocArray, ManyItemsKeepOrderAndReleaseWithoutRecursion)
{
    auto a = std::make_unique<TAssocArray>();
    for (int i = 0; i < 200000; ++i)
        a->Put(Value::MakeText(std::to_string(i)), Value::MakeInteger(i));
    EXPECT_EQ(a->Get(T("199999")), Value::MakeInteger(199999));
    EXPECT_EQ(a->First()->Key, T("0"));
    a.reset(); // a long chain must not overflow the stack
}
