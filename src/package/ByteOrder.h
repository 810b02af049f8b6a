// Little-endian fields of the package file. Callers check the bounds first.
#pragma once

#include <cstdint>

namespace velgaro {

inline std::int32_t GetLE32(const std::uint8_t* p) {
  const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                          (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  return static_cast<std::int32_t>(v);
}

inline std::int16_t GetLE16(const std::uint8_t* p) {
  const auto v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
  return static_cast<std::int16_t>(v);
}

inline void PutLE32(std::uint8_t* p, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

inline void PutLE16(std::uint8_t* p, std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Booleans are 16-bit: 0 false, -1 true; any non-zero value reads as true.
inline void PutBool16(std::uint8_t* p, bool value) { PutLE16(p, value ? std::int16_t{-1} : std::int16_t{0}); }
inline bool GetBool16(const std::uint8_t* p) { return GetLE16(p) != 0; }

}  // namespace velgaro
