// The native XML adapter over pugixml, on the cases every XML adapter shares.
#include "common/XmlAdapterCases.h"
#include "platform/posix/PosixXml.h"

namespace velgaro::test {

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, XmlAdapterCases, PosixXml);

}  // namespace velgaro::test
