// Turning a fuzzer's bytes into the zero-terminated buffers the text functions take, each in an
// exactly sized heap block so that AddressSanitizer sees any access past it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

struct HeapBytes {
    HeapBytes(const std::uint8_t* data, std::size_t size, std::size_t capacity)
        : bytes(static_cast<unsigned char*>(std::malloc(capacity))) {
        std::memset(bytes, 0, capacity);
        if (size) std::memcpy(bytes, data, size);
    }
    ~HeapBytes() { std::free(bytes); }
    HeapBytes(const HeapBytes&) = delete;
    HeapBytes& operator=(const HeapBytes&) = delete;
    unsigned char* bytes;
};

// The input up to its first zero byte: the text a caller could hand in.
inline std::size_t TextLength(const std::uint8_t* data, std::size_t size) {
    const void* zero = std::memchr(data, 0, size);
    return zero ? static_cast<const std::uint8_t*>(zero) - data : size;
}
