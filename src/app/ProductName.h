#pragma once

namespace velgaro {

// The product's full name: the title of its message boxes and the start of its main window's caption.
inline constexpr const char* kProductName = "Velgaro Replaysetup";

// Where the Help menu's links lead: the author's mail, the vendor's site and its guest book.
inline constexpr const char* kAuthorMail = "support@velgaro.org";
inline constexpr const char* kVendorSite = "http://www.velgaro.org/";
inline constexpr const char* kGuestBookPage = "book.htm";

}  // namespace velgaro
