#include "xml_namespaces.h"

#include <algorithm>

namespace morvaine {

namespace {

constexpr std::string_view XmlNamespace = "http://www.w3.org/XML/1998/namespace";
constexpr std::string_view XmlnsNamespace = "http://www.w3.org/2000/xmlns/";

// The fault expat finds in the UTF-8 document before + name + after, when it reads it with
// namespaces; XML_ERROR_NONE when it finds none. Asked only of the rare name whose
// shape needs expat's tables of characters.
XML_Error expatFault(std::string_view before, std::string_view name, std::string_view after)
{
    std::string text;
    text.append(before).append(name).append(after);
    XML_Parser parser = XML_ParserCreateNS("UTF-8", '\x01');
    if (!parser)
        return XML_ERROR_NO_MEMORY;
    const XML_Status status = XML_Parse(parser, text.data(), int(text.size()), XML_TRUE);
    const XML_Error fault = status == XML_STATUS_OK ? XML_ERROR_NONE : XML_GetErrorCode(parser);
    XML_ParserFree(parser);
    return fault;
}

bool isAsciiNameStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

} // namespace

bool XmlNamespaces::wellShaped(std::string_view name)
{
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos)
        return true;
    if (colon == 0 || colon + 1 == name.size() ||
        name.find(':', colon + 1) != std::string_view::npos)
        return false;
    const auto next = static_cast<unsigned char>(name[colon + 1]);
    if (next < 0x80)
        return isAsciiNameStart(next);
    // Beyond ASCII a name's characters are not all characters that may start one.
    return expatFault("<", name, "/>") != XML_ERROR_INVALID_TOKEN;
}

bool XmlNamespaces::wellShapedDocumentType(std::string_view name)
{
    return name.find(':') == std::string_view::npos ||
           expatFault("<!DOCTYPE ", name, "><r/>") == XML_ERROR_NONE;
}

XML_Error XmlNamespaces::openQualified(const char *name, const char **attributes,
                                       std::string_view &ns, std::string_view &local)
{
    const int mark = int(m_bindings.size());
    const char *end = name;
    const char *colon = nullptr;
    for (; *end; ++end)
        if (*end == ':' && !colon)
            colon = end;
    const std::string_view qualifiedName(name, std::size_t(end - name));
    if (colon && !wellShaped(qualifiedName))
        return XML_ERROR_INVALID_TOKEN;

    if (*attributes) {
        // Every name's shape first, as the start tag is read; then the declarations, in
        // the tag's order; then the attributes' prefixes.
        bool prefixed = false;
        for (const char **a = attributes; *a; a += 2) {
            const std::string_view attribute(*a);
            if (!wellShaped(attribute))
                return XML_ERROR_INVALID_TOKEN;
            prefixed = prefixed || attribute.find(':') != std::string_view::npos;
        }
        for (const char **a = attributes; *a; a += 2) {
            const std::string_view attribute(*a);
            if (!attribute.starts_with("xmlns") || (attribute.size() > 5 && attribute[5] != ':'))
                continue;
            const XML_Error fault =
                declare(attribute.size() > 5 ? attribute.substr(6) : std::string_view(), a[1]);
            if (fault != XML_ERROR_NONE)
                return fault;
        }
        if (int(m_bindings.size()) > mark)
            m_scopes.push_back({m_depth, mark});
        if (prefixed) {
            m_qualified.clear();
            for (const char **a = attributes; *a; a += 2) {
                const std::string_view attribute(*a);
                const std::size_t at = attribute.find(':');
                if (at == std::string_view::npos || attribute.substr(0, at) == "xmlns")
                    continue;
                std::string_view uri;
                if (!resolve(attribute.substr(0, at), uri))
                    return XML_ERROR_UNBOUND_PREFIX;
                m_qualified.emplace_back(uri, attribute.substr(at + 1));
            }
            std::sort(m_qualified.begin(), m_qualified.end());
            if (std::adjacent_find(m_qualified.begin(), m_qualified.end()) != m_qualified.end())
                return XML_ERROR_DUPLICATE_ATTRIBUTE;
        }
    }

    if (!colon) {
        ns = m_defaultUri;
        local = qualifiedName;
        return XML_ERROR_NONE;
    }
    const std::size_t at = std::size_t(colon - name);
    if (!resolve(qualifiedName.substr(0, at), ns))
        return XML_ERROR_UNBOUND_PREFIX;
    local = qualifiedName.substr(at + 1);
    return XML_ERROR_NONE;
}

void XmlNamespaces::closeScope()
{
    const int mark = m_scopes.back().mark;
    m_scopes.pop_back();
    while (int(m_bindings.size()) > mark) {
        const Binding &b = m_bindings.back();
        if (b.prefix.empty())
            setDefault(b.previous);
        else if (b.previous < 0)
            m_current.erase(b.prefix);
        else
            m_current[b.prefix] = b.previous;
        m_bindings.pop_back();
    }
}

XML_Error XmlNamespaces::declare(std::string_view prefix, std::string_view uri)
{
    if (prefix == "xmlns")
        return XML_ERROR_RESERVED_PREFIX_XMLNS;
    const bool xml = prefix == "xml";
    const bool xmlUri = uri == XmlNamespace;
    if (xml && !xmlUri)
        return XML_ERROR_RESERVED_PREFIX_XML;
    if ((xmlUri && !xml) || uri == XmlnsNamespace)
        return XML_ERROR_RESERVED_NAMESPACE_URI;
    if (!prefix.empty() && uri.empty())
        return XML_ERROR_UNDECLARING_PREFIX;
    if (xml)
        return XML_ERROR_NONE; // bound so from the start
    const int index = int(m_bindings.size());
    int previous;
    if (prefix.empty()) {
        previous = m_default;
    } else {
        const auto [it, added] = m_current.try_emplace(std::string(prefix), -1);
        previous = it->second;
        it->second = index;
    }
    m_bindings.push_back({std::string(prefix), std::string(uri), previous});
    // The namespaces in hand point into the bindings, which may have moved.
    setDefault(prefix.empty() ? index : m_default);
    return XML_ERROR_NONE;
}

void XmlNamespaces::setDefault(int binding)
{
    m_default = binding;
    m_defaultUri = binding < 0 ? std::string_view() : std::string_view(m_bindings[binding].uri);
}

bool XmlNamespaces::resolve(std::string_view prefix, std::string_view &uri)
{
    if (prefix == "xml") {
        uri = XmlNamespace;
        return true;
    }
    m_key.assign(prefix);
    const auto it = m_current.find(m_key);
    if (it == m_current.end())
        return false;
    uri = m_bindings[it->second].uri;
    return true;
}

} // namespace morvaine
