// libFuzzer entry point; CHROMANICK_FUZZ_BODY names the body this executable runs.
#include <cstddef>
#include <cstdint>

#include "fuzz/bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    chromanick::fuzz::CHROMANICK_FUZZ_BODY(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
