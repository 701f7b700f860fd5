#include <gtest/gtest.h>

#include "report/html_text.h"

TEST(HtmlEscape, ReplacesMarkupCharactersAndLeavesTheRest)
{
    struct Case { const char* in; bool breaks; const char* out; };
    const Case cases[] = {
        {"", false, ""},
        {"Profile 40x40 AL", false, "Profile 40x40 AL"},
        {"a&b<c>d\"e'f", false, "a&amp;b&lt;c&gt;d&quot;e&#39;f"},
        {"&amp;", false, "&amp;amp;"},
        {"<script>", false, "&lt;script&gt;"},
        {"one\ntwo", false, "one\ntwo"},
        {"one\ntwo\r\nthree\rfour", true, "one<br>two<br>three<br>four"},
        {"\n\n", true, "<br><br>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HtmlEscape(c.in, c.breaks), c.out) << c.in;
}
