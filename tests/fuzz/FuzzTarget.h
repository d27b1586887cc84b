// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fuzz target is written once: as a libFuzzer entry point when built with TAXILO_FUZZ_ENTRY,
// and as a registered function that the corpus replay test calls for every seed file.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace taxilo::fuzz {

using TargetFn = void (*)(const std::uint8_t* data, std::size_t size);
std::map<std::string, TargetFn>& Targets();
inline bool Register(const char* name, TargetFn fn)
{
    Targets()[name] = fn;
    return true;
}

} // namespace taxilo::fuzz

#ifdef TAXILO_FUZZ_ENTRY
#define TAXILO_FUZZ_TARGET(name)                                                                                       \
    static void name(const std::uint8_t* data, std::size_t size);                                                      \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)                                  \
    {                                                                                                                  \
        name(data, size);                                                                                              \
        return 0;                                                                                                      \
    }                                                                                                                  \
    static void name(const std::uint8_t* data, std::size_t size)
#else
#define TAXILO_FUZZ_TARGET(name)                                                                                       \
    static void name(const std::uint8_t* data, std::size_t size);                                                      \
    [[maybe_unused]] static const bool name##_registered = taxilo::fuzz::Register(#name, name);                        \
    static void name(const std::uint8_t* data, std::size_t size)
#endif
