#include <cstdio>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/atomic_file.h"
#include "core/language.h"
#include "job_fixture.h"

namespace {

class GlobalDataJobTest : public JobTest {
protected:
    void SetUp() override
    {
        AddType("P1");
        AddType("P2");
    }
    std::string JobPath(const std::string& name) const { return folder.File(name, "orders"); }
};

TEST_F(GlobalDataJobTest, FreshJobIsEmptyAndSaved)
{
    EXPECT_EQ(data.CountOrders(), 0);
    EXPECT_EQ(data.CountPieces(), 0);
    EXPECT_TRUE(data.IsJobSaved());
    EXPECT_TRUE(data.AskSaveJob());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GlobalDataJobTest, AddOrderAcceptsKnownTypesOnly)
{
    ORDER unnamed = MakeOrder("P2", 1000, 4, "");
    data.AddOrder(unnamed);
    EXPECT_EQ(unnamed.identifier, "-|");
    EXPECT_EQ(unnamed.typeIndex, TypeIndex("P2"));
    EXPECT_FALSE(data.IsJobSaved());

    ORDER unknown = MakeOrder("P9", 1000, 4);
    data.AddOrder(unknown);
    EXPECT_EQ(data.CountOrders(), 1);
    EXPECT_EQ(data.CountPieces(), 4);
}

TEST_F(GlobalDataJobTest, IndexErrorsOfUpdateAndGet)
{
    ORDER order = MakeOrder("P1", 1000, 2);
    data.AddOrder(order);
    ORDER out;
    for (const int index : {-1, 1}) {
        EXPECT_EQ(RaisedMessage([&] { data.GetOrder(index, out); }), "Fatal error: invalid index for GetOrder()!");
        EXPECT_EQ(RaisedMessage([&] { data.UpdateOrder(index, order); }),
                  "Fatal error: invalid index for GetOrder()!");
    }
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { data.GetOrder(5, out); }), "Eroare fatala: index invalid pentru GetOrder()!");
    Language = 0;

    ORDER changed = MakeOrder("P9", 700, 9, "");
    changed.typeIndex = 42;
    data.UpdateOrder(0, changed);
    data.GetOrder(0, out);
    EXPECT_EQ(out.profileCode, "P9");
    EXPECT_EQ(out.identifier, "-|");
    EXPECT_EQ(out.typeIndex, 42); // kept as given, no lookup
}

TEST_F(GlobalDataJobTest, RemoveOrderOutsideTheOrdersChangesNothing)
{
    ORDER first = MakeOrder("P1", 1000, 1, "A");
    ORDER second = MakeOrder("P1", 2000, 1, "B");
    data.AddOrder(first);
    data.AddOrder(second);
    platform.savePaths.push_back(JobPath("j.odr"));
    data.SaveJob();
    data.RemoveOrder(2);
    data.RemoveOrder(-1);
    EXPECT_TRUE(data.IsJobSaved());
    data.RemoveOrder(0);
    EXPECT_FALSE(data.IsJobSaved());
    ORDER out;
    data.GetOrder(0, out);
    EXPECT_EQ(out.identifier, "B");
}

TEST_F(GlobalDataJobTest, NameAndDescriptionAreCut)
{
    platform.savePaths.push_back(JobPath("j.odr"));
    data.SetJobName("Kitchen");
    data.SaveJob();
    data.SetJobName("Kitchen");
    EXPECT_TRUE(data.IsJobSaved());
    data.SetJobName(std::string(70, 'n'));
    EXPECT_EQ(data.GetJobName(), std::string(63, 'n'));
    EXPECT_FALSE(data.IsJobSaved());
    data.SetJobDescription(std::string(600, 'd'));
    EXPECT_EQ(data.GetJobDescription(), std::string(511, 'd'));
}

TEST_F(GlobalDataJobTest, SaveAndReopenKeepsTheJob)
{
    ORDER order = MakeOrder("P1", 2500, 3, "A1");
    ORDER unnamed = MakeOrder("P2", 1250.5, 1, "");
    data.AddOrder(order);
    data.AddOrder(unnamed);
    data.SetJobName("Kitchen");
    data.SetJobDescription("line one\nline two");
    platform.savePaths.push_back(JobPath("kitchen.odr"));
    data.SaveJob();

    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(platform.saveDialogs[0].filter, "Order Files (*.odr)");
    EXPECT_EQ(platform.saveDialogs[0].defaultExtension, "odr");
    EXPECT_EQ(platform.saveDialogs[0].initialFolder, folder.File("", "orders"));
    EXPECT_TRUE(data.IsJobSaved());
    EXPECT_EQ(platform.titles.back(), "Kalomax - Job - " + JobPath("kitchen.odr"));
    EXPECT_EQ(folder.Read("orders/kitchen.odr").substr(576),
              "P1\nAL\nWHITE\nA1\n2500.0000\n3\nP2\nAL\nWHITE\n-|\n1250.5000\n1\n");

    data.SaveJob(); // has a path now: no dialog
    EXPECT_EQ(platform.saveDialogs.size(), 1u);

    CGlobalData reopened;
    reopened.LoadTypesOfBars();
    platform.openPaths.push_back(JobPath("kitchen.odr"));
    ASSERT_TRUE(reopened.OpenJob());
    EXPECT_EQ(reopened.GetJobName(), "Kitchen");
    EXPECT_EQ(reopened.GetJobDescription(), "line one\nline two");
    ASSERT_EQ(reopened.CountOrders(), 2);
    ORDER out;
    reopened.GetOrder(1, out);
    EXPECT_EQ(out.identifier, "-|");
    EXPECT_EQ(out.typeIndex, TypeIndex("P2"));
    std::string path;
    reopened.GetJobFilePath(path);
    EXPECT_EQ(path, JobPath("kitchen.odr"));
    EXPECT_TRUE(reopened.IsJobSaved());
}

TEST_F(GlobalDataJobTest, OpenJobSkipsOrdersOfRemovedTypes)
{
    folder.Write("orders/old.odr", std::string(576, '\0') + "P1 AL WHITE A 100 1\nGONE AL WHITE B 200 2\n"
                                                              "P2 AL WHITE C 300 3\n");
    platform.openPaths.push_back(JobPath("old.odr"));
    ASSERT_TRUE(data.OpenJob());
    EXPECT_EQ(data.CountOrders(), 2);
    EXPECT_EQ(data.CountPieces(), 4);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GlobalDataJobTest, OpenJobCancelledOrFailing)
{
    ORDER order = MakeOrder("P1", 100, 1);
    data.AddOrder(order);
    EXPECT_FALSE(data.OpenJob()); // no path scripted: cancelled
    EXPECT_EQ(data.CountOrders(), 1);

    platform.openPaths.push_back(JobPath("missing.odr"));
    EXPECT_EQ(RaisedMessage([&] { data.OpenJob(); }), "Job file could not be opened!");
    EXPECT_EQ(data.CountOrders(), 0);
    std::string path = "x";
    data.GetJobFilePath(path);
    EXPECT_EQ(path, "");
    EXPECT_FALSE(data.IsJobSaved());
}

TEST_F(GlobalDataJobTest, SaveJobFailures)
{
    ORDER order = MakeOrder("P1", 100, 1);
    data.AddOrder(order);
    data.SaveJob(); // cancelled dialog
    EXPECT_FALSE(data.IsJobSaved());
    EXPECT_FALSE(folder.Exists("orders/j.odr"));

    folder.Write("orders/j.odr", "old content");
    platform.savePaths.push_back(JobPath("j.odr"));
    SetWriteFailureForTesting(10);
    EXPECT_EQ(RaisedMessage([&] { data.SaveJob(); }), "Job file could not be saved!");
    SetWriteFailureForTesting(std::nullopt);
    EXPECT_EQ(folder.Read("orders/j.odr"), "old content");
    EXPECT_FALSE(data.IsJobSaved());
    std::string path;
    data.GetJobFilePath(path);
    EXPECT_EQ(path, JobPath("j.odr"));
}

TEST_F(GlobalDataJobTest, AskSaveJobAnswers)
{
    struct CASE {
        MessageAnswer answer;
        std::optional<std::string> savePath;
        bool result;
        bool written;
    };
    const CASE cases[] = {
        {MessageAnswer::Yes, std::string("ask.odr"), true, true},
        {MessageAnswer::Yes, std::nullopt, true, false}, // save dialog cancelled
        {MessageAnswer::No, std::nullopt, true, false},
        {MessageAnswer::Cancel, std::nullopt, false, false},
    };
    for (const CASE& c : cases) {
        CGlobalData job;
        job.SetJobName("unsaved");
        platform.messages.clear();
        platform.answers.push_back(c.answer);
        platform.savePaths.push_back(c.savePath ? std::optional(JobPath(*c.savePath)) : std::nullopt);
        EXPECT_EQ(job.AskSaveJob(), c.result);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "The current job is not saved. Do you want to save it?");
        EXPECT_EQ(platform.messages[0].caption, "Question");
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(folder.Exists("orders/ask.odr"), c.written);
        if (c.written) {
            std::remove(JobPath("ask.odr").c_str());
        }
        platform.savePaths.clear();
    }
}

TEST_F(GlobalDataJobTest, ClearJobKeepsTheSavedState)
{
    ORDER order = MakeOrder("P1", 100, 1);
    data.AddOrder(order);
    data.SetJobName("n");
    data.ClearJob();
    EXPECT_EQ(data.CountOrders(), 0);
    EXPECT_EQ(data.GetJobName(), "");
    EXPECT_FALSE(data.IsJobSaved());
}

} // namespace
