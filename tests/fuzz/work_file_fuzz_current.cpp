#include "tests/fuzz/fuzz_work_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzzWorkFile(data, size, WorkFileFormat::Current);
}
