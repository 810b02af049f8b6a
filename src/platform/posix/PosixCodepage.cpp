#include "platform/posix/PosixCodepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>

#include "platform/Cp1251.h"

namespace velgaro {
namespace {

bool IconvKnows(const std::string& name) {
  const iconv_t cd = ::iconv_open(name.c_str(), "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  ::iconv_close(cd);
  return true;
}

// Length of the UTF-8 sequence led by byte c, so that an unconvertible character is skipped whole.
std::size_t SequenceLength(unsigned char c) {
  if ((c & 0xE0u) == 0xC0u) return 2;
  if ((c & 0xF0u) == 0xE0u) return 3;
  if ((c & 0xF8u) == 0xF0u) return 4;
  return 1;
}

// Converts with iconv; input that cannot be converted becomes one '?' per character.
std::string Convert(const std::string& to, const std::string& from, const std::string& text, bool fromUtf8) {
  const iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t r = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, sizeof buffer - outLeft);
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (truncated at the end): replace one character and go on.
    std::size_t skip = fromUtf8 ? SequenceLength(static_cast<unsigned char>(*in)) : 1;
    if (skip > inLeft) skip = inLeft;
    if (fromUtf8) {
      for (std::size_t k = 1; k < skip; ++k) {
        if ((static_cast<unsigned char>(in[k]) & 0xC0u) != 0x80u) { skip = k; break; }
      }
    }
    out += '?';
    in += skip;
    inLeft -= skip;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  ::iconv_close(cd);
  return out;
}

}  // namespace

PosixCodepage::PosixCodepage() {
  const char* name = std::getenv("VELGARO_CODEPAGE");
  if (name && *name && IconvKnows(name)) iconvName_ = std::string(name);
}

PosixCodepage::PosixCodepage(const std::string& name) {
  if (!name.empty() && IconvKnows(name)) iconvName_ = name;
}

std::string PosixCodepage::ToAnsi(const std::string& utf8) const {
  return iconvName_ ? Convert(*iconvName_, "UTF-8", utf8, true) : Utf8ToCp1251(utf8);
}

std::string PosixCodepage::FromAnsi(const std::string& bytes) const {
  return iconvName_ ? Convert("UTF-8", *iconvName_, bytes, false) : Cp1251ToUtf8(bytes);
}

}  // namespace velgaro
