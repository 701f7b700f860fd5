#include <string>

#include <gtest/gtest.h>

#include "job/job_file.h"
#include "job_fixture.h"

namespace {

std::string Header(const std::string& name, const std::string& description)
{
    std::string header = name;
    header.resize(kJobNameBlock, '\0');
    std::string block = description;
    block.resize(kJobDescriptionBlock, '\0');
    return header + block;
}

TEST(JobFile, EmptyJobIsTheHeaderOnly)
{
    const std::string bytes = WriteJobFile(JOB_FILE{"Kitchen", "two\nlines", {}});
    EXPECT_EQ(bytes, Header("Kitchen", "two\nlines"));
    EXPECT_EQ(bytes.size(), 576u);
    const JOB_FILE read = ReadJobFile(bytes);
    EXPECT_EQ(read.name, "Kitchen");
    EXPECT_EQ(read.description, "two\nlines");
    EXPECT_TRUE(read.orders.empty());
}

TEST(JobFile, RecordsAreSixLinesWithTruncatedLength)
{
    JOB_FILE job{"", "", {MakeOrder("P1", 2500, 3, "A1"), MakeOrder("P2", 1250.56789, 12, "-|")}};
    EXPECT_EQ(WriteJobFile(job), Header("", "") + "P1\nAL\nWHITE\nA1\n2500.0000\n3\n"
                                                 "P2\nAL\nWHITE\n-|\n1250.5678\n12\n");
    const JOB_FILE read = ReadJobFile(WriteJobFile(job));
    ASSERT_EQ(read.orders.size(), 2u);
    EXPECT_EQ(read.orders[1].identifier, "-|");
    EXPECT_DOUBLE_EQ(read.orders[1].length, 1250.5678);
    EXPECT_EQ(read.orders[1].quantity, 12);
    EXPECT_EQ(read.orders[1].typeIndex, -1);
}

TEST(JobFile, BlocksWithoutTerminatorStayInsideTheirBlock)
{
    const std::string bytes = std::string(64, 'N') + std::string(512, 'D') + "P1 AL WHITE A1 10 1\n";
    const JOB_FILE read = ReadJobFile(bytes);
    EXPECT_EQ(read.name, std::string(63, 'N'));
    EXPECT_EQ(read.description, std::string(511, 'D'));
    ASSERT_EQ(read.orders.size(), 1u);
    EXPECT_EQ(read.orders[0].profileCode, "P1");
}

TEST(JobFile, ReaderToleratesDamagedContent)
{
    struct CASE {
        std::string bytes;
        std::size_t orders;
        std::string name;
    };
    const std::string header = Header("J", "");
    const CASE cases[] = {
        {"", 0, ""},
        {"Jo", 0, "Jo"},
        {std::string("J\0xx", 4) + std::string(100, 'd'), 0, "J"},
        {header + "P1 AL WHITE A1 10", 0, "J"},                  // record cut short
        {header + "P1\r\nAL\tWHITE  A1 10 1 P2 AL", 1, "J"},     // any white space, trailing part
        {header + "P1 AL WHITE A1 1x0 -7abc", 1, "J"},           // unreadable numbers
        {header + std::string(1000, 'X') + " AL WHITE A1 1 1", 1, "J"},
    };
    for (const CASE& c : cases) {
        const JOB_FILE read = ReadJobFile(c.bytes);
        EXPECT_EQ(read.orders.size(), c.orders) << c.bytes.size();
        EXPECT_EQ(read.name, c.name);
    }
    const JOB_FILE numbers = ReadJobFile(header + "P1 AL WHITE A1 1x0 -7abc 99999999999 Z");
    EXPECT_EQ(numbers.orders[0].length, 0);
    EXPECT_EQ(numbers.orders[0].quantity, -7);
    const JOB_FILE longWord = ReadJobFile(header + std::string(1000, 'X') + " AL WHITE A1 1 99999999999");
    EXPECT_EQ(longWord.orders[0].profileCode, std::string(255, 'X'));
    EXPECT_EQ(longWord.orders[0].quantity, 2147483647);
}

TEST(JobFile, CutTextKeepsUtf8CharactersWhole)
{
    struct CASE {
        std::string text;
        std::size_t max;
        std::string expected;
    };
    const CASE cases[] = {
        {"abcdef", 3, "abc"},
        {"ab\xC8\x9B" "c", 3, "ab"},               // two-byte character across the cut
        {"ab\xC8\x9B" "c", 4, "ab\xC8\x9B"},       // cut right after it
        {"a\xE2\x82\xAC" "b", 3, "a"},             // three-byte character
        {"abc\xE2\x82\xAC", 3, "abc"},             // cut right before it
        {"\xA9\xA9\xA9\xA9\xA9\xA9", 3, "\xA9\xA9\xA9"}, // not UTF-8: plain byte cut
        {"short", 63, "short"},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(CutText(c.text, c.max), c.expected) << c.text;
    }
}

} // namespace
