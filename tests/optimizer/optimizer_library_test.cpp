// The built library, loaded by its full path and driven through its exports
// the way the program drives it.
#include "fake_optimizer.h"
#include "plan_validator.h"
#include "test_jobs.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

namespace kalomax::test {
namespace {

using namespace std::chrono_literals;

class OptimizerLibrary : public testing::Test {
protected:
    void SetUp() override
    {
        handle_ = dlopen(KALOMAX_DEMO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        setDelegate_ = reinterpret_cast<SetDelegateProgressStepItDLLFunc>(
            dlsym(handle_, "SetDelegateProgressStepItDLL"));
        launch_ = reinterpret_cast<LaunchOptimizerDLLFunc>(dlsym(handle_, "LaunchOptimizerDLL"));
        stop_ = reinterpret_cast<StopOptimizerDLLFunc>(dlsym(handle_, "StopOptimizerDLL"));
        ASSERT_NE(setDelegate_, nullptr);
        ASSERT_NE(launch_, nullptr);
        ASSERT_NE(stop_, nullptr);
    }
    void TearDown() override
    {
        unsetenv("KALOMAX_OPTIMIZER_TIME_LIMIT");
        if (handle_)
            dlclose(handle_);
    }

    void* handle_ = nullptr;
    SetDelegateProgressStepItDLLFunc setDelegate_ = nullptr;
    LaunchOptimizerDLLFunc launch_ = nullptr;
    StopOptimizerDLLFunc stop_ = nullptr;
};

TEST_F(OptimizerLibrary, ExportsOnlyItsEntryPoints)
{
    // The engine is inside the library but not visible from outside.
    EXPECT_EQ(dlsym(handle_, "_ZN7kalomax9optimizer16COptimizerEngine3RunER10IOptimizerd"), nullptr);
    EXPECT_EQ(dlsym(handle_, "_ZN7kalomax9optimizer7ReadJobER10IOptimizer"), nullptr);
}

TEST_F(OptimizerLibrary, LaunchDeliversAValidPlanAndProgress)
{
    FakeOptimizer job;
    job.reuseStubs = 1;
    AddOrder(job, 1, 2400, 3, "A");
    AddOrder(job, 1, 1100, 4, "B");
    AddOrder(job, 4, 5000, 2);
    job.types[1] = FakeType{6000, {{2500, 2}, {3000, 1}}, 500, 100};
    job.types[4] = FakeType{6000, {}, 500, 100};
    ProgressRecorder progress;
    EXPECT_EQ(setDelegate_(&progress), KX_OPTIMIZER_DONE);
    EXPECT_EQ(launch_(&job, 4), KX_OPTIMIZER_DONE);
    EXPECT_EQ(job.plan.size(), 2u);
    for (const std::string& fault : ValidatePlan(job, 4))
        ADD_FAILURE() << fault;
    ASSERT_FALSE(progress.Values().empty());
    EXPECT_EQ(progress.Values().back(), 9);
}

TEST_F(OptimizerLibrary, NullOptimizerIsRejected)
{
    EXPECT_EQ(setDelegate_(nullptr), KX_OPTIMIZER_DONE);
    EXPECT_EQ(launch_(nullptr, 0), KX_OPTIMIZER_REJECTED);
}

TEST_F(OptimizerLibrary, StopFromAnotherThreadEndsTheLaunch)
{
    FakeOptimizer job = LargeJob();
    setenv("KALOMAX_OPTIMIZER_TIME_LIMIT", "60", 1);
    ProgressRecorder progress;
    setDelegate_(&progress);
    auto run = std::async(std::launch::async, [&] { return launch_(&job, 3); });
    while (progress.Values().empty())
        std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(100ms);
    stop_();
    ASSERT_EQ(run.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(run.get(), KX_OPTIMIZER_STOPPED);
    for (const std::string& fault : ValidatePlan(job, 3, true))
        ADD_FAILURE() << fault;

    // The stop ended that run only.
    FakeOptimizer next;
    AddOrder(next, 0, 1000, 2);
    next.types[0] = FakeType{6000, {}, 500, 100};
    EXPECT_EQ(launch_(&next, 0), KX_OPTIMIZER_DONE);
    EXPECT_EQ(next.plan.size(), 1u);
}

TEST_F(OptimizerLibrary, TimeLimitComesFromTheEnvironment)
{
    FakeOptimizer job = LargeJob();
    setenv("KALOMAX_OPTIMIZER_TIME_LIMIT", "0.25", 1);
    setDelegate_(nullptr);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(launch_(&job, 3), KX_OPTIMIZER_DONE);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
    EXPECT_EQ(job.plan.size(), job.types.size());
    for (const std::string& fault : ValidatePlan(job, 3))
        ADD_FAILURE() << fault;
}

} // namespace
} // namespace kalomax::test
