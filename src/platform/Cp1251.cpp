#include "platform/Cp1251.h"

#include <array>
#include <cstdint>

namespace velgaro {
namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F. Byte 0x98 is unassigned and maps
// to U+0098, as MultiByteToWideChar does, so that every byte survives a round trip.
constexpr std::array<std::uint16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

std::uint32_t ByteToCodePoint(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410u + (b - 0xC0u);
  return kHigh[b - 0x80u];
}

char CodePointToByte(std::uint32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0u + (cp - 0x0410u));
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == cp) return static_cast<char>(0x80u + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0u | (cp >> 6));
    out += static_cast<char>(0x80u | (cp & 0x3Fu));
  } else {
    out += static_cast<char>(0xE0u | (cp >> 12));
    out += static_cast<char>(0x80u | ((cp >> 6) & 0x3Fu));
    out += static_cast<char>(0x80u | (cp & 0x3Fu));
  }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Invalid, overlong or truncated sequences give
// nullopt-like 0xFFFFFFFF and consume one byte, so the rest of the text is still read.
constexpr std::uint32_t kInvalid = 0xFFFFFFFFu;

std::uint32_t DecodeUtf8(const std::string& text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) { ++i; return lead; }
  std::size_t len = 0;
  std::uint32_t cp = 0;
  std::uint32_t min = 0;
  if ((lead & 0xE0u) == 0xC0u) { len = 2; cp = lead & 0x1Fu; min = 0x80; }
  else if ((lead & 0xF0u) == 0xE0u) { len = 3; cp = lead & 0x0Fu; min = 0x800; }
  else if ((lead & 0xF8u) == 0xF0u) { len = 4; cp = lead & 0x07u; min = 0x10000; }
  else { ++i; return kInvalid; }
  if (i + len > text.size()) { ++i; return kInvalid; }
  for (std::size_t k = 1; k < len; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0u) != 0x80u) { ++i; return kInvalid; }
    cp = (cp << 6) | (c & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++i; return kInvalid; }
  i += len;
  return cp;
}

}  // namespace

std::string Utf8ToCp1251(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::uint32_t cp = DecodeUtf8(utf8, i);
    out += cp == kInvalid ? '?' : CodePointToByte(cp);
  }
  return out;
}

std::string Cp1251ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace velgaro
