// A job file: any bytes read into a job; the job written again reads back with the same
// name, description and orders.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/exception.h"
#include "fuzz_folder.h"
#include "job/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzProgramFolder();
    const JOB_FILE job = ReadJobFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const JOB_FILE again = ReadJobFile(WriteJobFile(job));
    if (again.name != CutText(job.name, kJobNameBlock - 1) ||
        again.description != CutText(job.description, kJobDescriptionBlock - 1) ||
        again.orders.size() != job.orders.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < job.orders.size(); ++i) {
        if (again.orders[i].profileCode != job.orders[i].profileCode ||
            again.orders[i].identifier != job.orders[i].identifier ||
            again.orders[i].quantity != job.orders[i].quantity) {
            __builtin_trap();
        }
    }
    return 0;
}
