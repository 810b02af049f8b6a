#include "platform/win32/Win32Xml.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <msxml2.h>

#include <climits>
#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32XmlText.h"

namespace velgaro::win32 {
namespace {

// MinGW's headers declare these identifiers but no import library defines them.
constexpr CLSID kDomDocument60 = {0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr CLSID kDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
constexpr IID kIXmlDomDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

template <typename T>
struct ComTraits {
  using Handle = T*;
  static Handle Empty() { return nullptr; }
  static void Close(Handle p) { p->Release(); }
};
template <typename T>
using ComPtr = UniqueOwner<ComTraits<T>>;

struct BstrTraits {
  using Handle = BSTR;
  static Handle Empty() { return nullptr; }
  static void Close(Handle b) { SysFreeString(b); }
};
using Bstr = UniqueOwner<BstrTraits>;

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* Get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

// COM for the length of one call. S_FALSE (already initialised here) counts and is balanced too;
// RPC_E_CHANGED_MODE means the thread runs COM in the other apartment, which the DOM works in as well.
class ComScope {
 public:
  ComScope() {
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ownsInit_ = SUCCEEDED(hr);
    usable_ = ownsInit_ || hr == RPC_E_CHANGED_MODE;
  }
  ~ComScope() {
    if (ownsInit_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  bool Usable() const { return usable_; }

 private:
  bool ownsInit_ = false;
  bool usable_ = false;
};

Bstr MakeBstr(const std::wstring& text) {
  if (text.size() > static_cast<std::size_t>(UINT_MAX)) return Bstr();
  return Bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

std::wstring FromBstr(BSTR b) { return b == nullptr ? std::wstring() : std::wstring(b, SysStringLen(b)); }

ComPtr<IXMLDOMDocument2> CreateDocument(bool& version6) {
  ComPtr<IXMLDOMDocument2> doc;
  version6 = SUCCEEDED(CoCreateInstance(kDomDocument60, nullptr, CLSCTX_INPROC_SERVER, kIXmlDomDocument2,
                                        reinterpret_cast<void**>(doc.Receive())));
  if (version6 && doc) return doc;
  version6 = false;
  if (FAILED(CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, kIXmlDomDocument2,
                              reinterpret_cast<void**>(doc.Receive())))) {
    doc.Reset();
  }
  return doc;
}

bool SetProperty(IXMLDOMDocument2* doc, const wchar_t* name, const VARIANT& value) {
  const Bstr property = MakeBstr(name);
  return property && SUCCEEDED(doc->setProperty(property.Get(), value));
}

bool SetBoolProperty(IXMLDOMDocument2* doc, const wchar_t* name, bool on) {
  Variant value;
  value.Get()->vt = VT_BOOL;
  value.Get()->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
  return SetProperty(doc, name, *value);
}

// A document that reads nothing from anywhere but the text it is given.
bool MakeSafe(IXMLDOMDocument2* doc, bool version6) {
  if (FAILED(doc->put_async(VARIANT_FALSE))) return false;
  if (FAILED(doc->put_validateOnParse(VARIANT_FALSE))) return false;
  if (FAILED(doc->put_resolveExternals(VARIANT_FALSE))) return false;
  // Wine trims text next to a character reference when white space is not preserved ("x &amp; "
  // reads "x &"), so all of it is kept and white-space-only nodes are dropped while walking.
  if (FAILED(doc->put_preserveWhiteSpace(VARIANT_TRUE))) return false;
  if (version6) {
    if (!SetBoolProperty(doc, L"ProhibitDTD", true)) return false;
    if (!SetBoolProperty(doc, L"ResolveExternals", false)) return false;
    // Bounds the parser's own work on real MSXML; Wine lacks the property, and the walk below
    // enforces the exact limit either way.
    Variant depth;
    depth.Get()->vt = VT_I4;
    depth.Get()->lVal = static_cast<LONG>(Xml::kMaxDepth + 1);
    SetProperty(doc, L"MaxElementDepth", *depth);
  } else {
    // Older 3.0 builds lack the property; the text was checked for a DOCTYPE before parsing anyway.
    SetBoolProperty(doc, L"ProhibitDTD", true);
  }
  return true;
}

std::optional<std::wstring> NodeValue(IXMLDOMNode* node) {
  Variant value;
  if (FAILED(node->get_nodeValue(value.Get()))) return std::nullopt;
  if ((*value).vt != VT_BSTR) return std::nullopt;
  return FromBstr((*value).bstrVal);
}

bool Convert(IXMLDOMNode* element, XmlNode& out, std::size_t depth) {
  if (depth > Xml::kMaxDepth) return false;
  Bstr name;
  if (FAILED(element->get_nodeName(name.Receive())) || !name) return false;
  out.isElement = true;
  out.name = ToUtf8(FromBstr(name.Get()));
  ComPtr<IXMLDOMNode> child;
  if (FAILED(element->get_firstChild(child.Receive()))) return false;
  while (child) {
    DOMNodeType type = NODE_INVALID;
    if (FAILED(child.Get()->get_nodeType(&type))) return false;
    switch (type) {
      case NODE_ELEMENT: {
        XmlNode node;
        if (!Convert(child.Get(), node, depth + 1)) return false;
        out.children.push_back(std::move(node));
        break;
      }
      case NODE_TEXT:
      case NODE_CDATA_SECTION: {
        const std::optional<std::wstring> value = NodeValue(child.Get());
        if (!value) return false;
        // Layout between elements; a CDATA section is the author's text whatever it holds.
        if (type == NODE_TEXT && IsXmlSpace(*value)) break;
        XmlNode text;
        text.isElement = false;
        text.text = ToUtf8(*value);
        out.children.push_back(std::move(text));
        break;
      }
      case NODE_COMMENT:
      case NODE_PROCESSING_INSTRUCTION:
        break;   // nothing the program reads
      default:
        return false;   // entity references and the like exist only with a DTD, which is refused
    }
    ComPtr<IXMLDOMNode> next;
    if (FAILED(child.Get()->get_nextSibling(next.Receive()))) return false;
    child = std::move(next);
  }
  return true;
}

// A name that cannot break the markup around it; the DOM itself checks the rest where it does.
bool IsWritableName(const std::wstring& name) {
  return !name.empty() && name.find_first_of(L" \t\r\n<>&\"'/=?!") == std::wstring::npos &&
         !HasControlCharacter(name);
}

ComPtr<IXMLDOMNode> Build(IXMLDOMDocument2* doc, const XmlNode& node, std::size_t depth) {
  if (depth > Xml::kMaxDepth) return {};
  if (!node.isElement) {
    const std::optional<std::wstring> text = StrictUtf8ToWide(node.text.data(), node.text.size());
    if (!text || HasControlCharacter(*text)) return {};
    const Bstr value = MakeBstr(*text);
    ComPtr<IXMLDOMText> created;
    if (!value || FAILED(doc->createTextNode(value.Get(), created.Receive())) || !created) return {};
    return ComPtr<IXMLDOMNode>(created.Release());
  }
  const std::optional<std::wstring> name = StrictUtf8ToWide(node.name.data(), node.name.size());
  if (!name || !IsWritableName(*name)) return {};
  const Bstr tag = MakeBstr(*name);
  ComPtr<IXMLDOMElement> element;
  if (!tag || FAILED(doc->createElement(tag.Get(), element.Receive())) || !element) return {};
  for (const XmlNode& child : node.children) {
    ComPtr<IXMLDOMNode> built = Build(doc, child, depth + 1);
    ComPtr<IXMLDOMNode> appended;
    if (!built || FAILED(element.Get()->appendChild(built.Get(), appended.Receive())) || !appended) return {};
  }
  return ComPtr<IXMLDOMNode>(element.Release());
}

// The bytes IXMLDOMDocument::save writes (UTF-8: the document has no declaration naming another).
std::optional<std::string> SaveToMemory(IXMLDOMDocument2* doc) {
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())) || !stream) return std::nullopt;
  VARIANT target;   // borrows the stream: no VariantClear
  VariantInit(&target);
  target.vt = VT_UNKNOWN;
  target.punkVal = stream.Get();
  if (FAILED(doc->save(target))) return std::nullopt;
  STATSTG stat{};
  HGLOBAL memory = nullptr;
  if (FAILED(stream.Get()->Stat(&stat, STATFLAG_NONAME)) || FAILED(GetHGlobalFromStream(stream.Get(), &memory))) {
    return std::nullopt;
  }
  const ULONGLONG size = stat.cbSize.QuadPart;
  if (size == 0 || size > GlobalSize(memory)) return std::nullopt;
  const void* bytes = GlobalLock(memory);
  if (bytes == nullptr) return std::nullopt;
  std::string out(static_cast<const char*>(bytes), static_cast<std::size_t>(size));
  GlobalUnlock(memory);
  return out;
}

// The root element's markup out of a saved document: a byte order mark, a declaration and the line
// breaks around the root differ between MSXML and Wine, and the port writes its own declaration.
std::string RootMarkup(std::string saved) {
  if (saved.rfind("\xEF\xBB\xBF", 0) == 0) saved.erase(0, 3);
  if (saved.rfind("<?xml", 0) == 0) {
    const std::size_t end = saved.find("?>");
    if (end == std::string::npos) return {};
    saved.erase(0, end + 2);
  }
  const std::size_t first = saved.find_first_not_of(" \t\r\n");
  const std::size_t last = saved.find_last_not_of(" \t\r\n");
  if (first == std::string::npos || saved[first] != '<' || saved[last] != '>') return {};
  return saved.substr(first, last - first + 1);
}

}  // namespace

std::optional<XmlNode> Win32Xml::Parse(const std::string& document) const {
  const std::optional<std::wstring> text = DecodeDocument(document);
  if (!text || text->empty() || text->find(L'\0') != std::wstring::npos) return std::nullopt;
  if (HasDocumentType(*text)) return std::nullopt;

  const ComScope com;
  if (!com.Usable()) return std::nullopt;
  bool version6 = false;
  const ComPtr<IXMLDOMDocument2> doc = CreateDocument(version6);
  if (!doc || !MakeSafe(doc.Get(), version6)) return std::nullopt;

  const Bstr source = MakeBstr(*text);
  VARIANT_BOOL loaded = VARIANT_FALSE;
  if (!source || doc.Get()->loadXML(source.Get(), &loaded) != S_OK || loaded != VARIANT_TRUE) return std::nullopt;

  // The parser should never have let one through; refuse rather than trust that.
  ComPtr<IXMLDOMDocumentType> doctype;
  if (FAILED(doc.Get()->get_doctype(doctype.Receive())) || doctype) return std::nullopt;
  ComPtr<IXMLDOMElement> root;
  if (FAILED(doc.Get()->get_documentElement(root.Receive())) || !root) return std::nullopt;
  XmlNode out;
  if (!Convert(root.Get(), out, 1)) return std::nullopt;
  return out;
}

std::string Win32Xml::Write(const XmlNode& root) const {
  if (!root.isElement || root.name.empty()) return {};
  const ComScope com;
  if (!com.Usable()) return {};
  bool version6 = false;
  const ComPtr<IXMLDOMDocument2> doc = CreateDocument(version6);
  if (!doc) return {};
  // Saved by the document, not read from get_xml: Wine indents that for elements without text.
  const ComPtr<IXMLDOMNode> element = Build(doc.Get(), root, 1);
  ComPtr<IXMLDOMNode> appended;
  if (!element || FAILED(doc.Get()->appendChild(element.Get(), appended.Receive())) || !appended) return {};
  const std::optional<std::string> saved = SaveToMemory(doc.Get());
  if (!saved) return {};
  const std::string body = RootMarkup(*saved);
  if (body.empty()) return {};
  return "<?xml version=\"1.0\"?>" + body;
}

}  // namespace velgaro::win32
