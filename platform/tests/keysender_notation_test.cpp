#include "platform/Failure.h"
#include "platform/KeySenderNotation.h"

#include <gtest/gtest.h>

using platform::KeyStroke;
using platform::parseKeyNotation;

namespace
{

KeyStroke key(const char *name, bool shift = false, bool control = false, bool alt = false)
{
    return {QString::fromUtf8(name), shift, control, alt};
}

struct NotationCase {
    const char *keys;
    std::vector<KeyStroke> strokes;
};

} // namespace

TEST(KeyNotation, GivesTheStrokesOfEachForm)
{
    const NotationCase cases[] = {
        {"{TAB}", {key("TAB")}},
        {"{tab}", {key("TAB")}},
        {"aé1", {key("a"), key("é"), key("1")}},
        {"A", {key("A")}},
        {"~", {key("ENTER")}},
        {"{BS}{BKSP}{DEL}{INS}", {key("BACKSPACE"), key("BACKSPACE"), key("DELETE"), key("INSERT")}},
        {"{F12}", {key("F12")}},
        {"{TAB 3}", {key("TAB"), key("TAB"), key("TAB")}},
        {"{x 2}", {key("x"), key("x")}},
        {"{+}{^}{%}{~}{(}{)}{{}{}}",
         {key("+"), key("^"), key("%"), key("~"), key("("), key(")"), key("{"), key("}")}},
        {"+a", {key("a", true)}},
        {"^%{DEL}", {key("DELETE", false, true, true)}},
        {"+ab", {key("a", true), key("b")}},
        {"+(ab)c", {key("a", true), key("b", true), key("c")}},
        {"^(+a)", {key("a", true, true)}},
        {"", {}},
    };
    for (const NotationCase &c : cases)
        EXPECT_EQ(parseKeyNotation(QString::fromUtf8(c.keys)), c.strokes) << c.keys;
}

TEST(KeyNotation, RefusesWhatIsNoNotation)
{
    for (const char *keys : {"{TAB", "}", "{NOKEY}", "{F17}", "{TAB x}", "(ab", "a)", "((a))", "{}"}) {
        try {
            parseKeyNotation(QString::fromUtf8(keys));
            ADD_FAILURE() << keys << " was taken";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), 5) << keys;
        }
    }
}
