#pragma once
// The namespaces of an XML document read without expat's own namespace processing,
// which costs a good part of the reading: each element's declarations (xmlns and
// xmlns:prefix attributes) are kept while the element is open, and an element's name is
// resolved to its namespace and local name by its prefix. The namespace rules are held
// as expat holds them: a prefix must be declared, may not be undone or take a reserved
// name or namespace, no attribute appears twice under two prefixes of one namespace,
// and a name has at most one colon, between a prefix and a local name.

#include <expat.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morvaine {

class XmlNamespaces {
public:
    /// An element starts with the qualified name and the attributes (name, value, ...,
    /// nullptr) expat reports; its declarations are in scope until close(). Gives
    /// XML_ERROR_NONE and the element's namespace (empty for none) and local name, or
    /// the fault expat would report. The namespace stays valid until the next open().
    XML_Error open(const char *name, const char **attributes, std::string_view &ns,
                   std::string_view &local)
    {
        ++m_depth;
        // Most elements have neither attributes nor a prefix.
        if (!*attributes) {
            const char *end = name;
            while (*end && *end != ':')
                ++end;
            if (!*end) {
                ns = m_defaultUri;
                local = std::string_view(name, std::size_t(end - name));
                return XML_ERROR_NONE;
            }
        }
        return openQualified(name, attributes, ns, local);
    }
    /// The element opened last ends, and its declarations go out of scope.
    void close()
    {
        if (!m_scopes.empty() && m_scopes.back().depth == m_depth)
            closeScope();
        --m_depth;
    }

    /// Whether name is a name as expat reads it with namespaces: at most one colon,
    /// neither first nor last, and a name's first character after it.
    static bool wellShaped(std::string_view name);
    /// Whether a processing instruction's target is one: with namespaces, it has no colon.
    static bool wellShapedTarget(std::string_view target)
    {
        return target.find(':') == std::string_view::npos;
    }
    /// Whether a document type declaration's name is one.
    static bool wellShapedDocumentType(std::string_view name);

private:
    struct Binding {
        std::string prefix;
        std::string uri;
        int previous; // the binding of the same prefix this one hides; -1 for none
    };

    // An open element that declared namespaces, and the bindings before its own.
    struct Scope {
        int depth;
        int mark;
    };

    XML_Error openQualified(const char *name, const char **attributes, std::string_view &ns,
                            std::string_view &local);
    void closeScope();
    XML_Error declare(std::string_view prefix, std::string_view uri);
    void setDefault(int binding);
    // The namespace that prefix names in the current scope; false when it names none.
    bool resolve(std::string_view prefix, std::string_view &uri);

    std::vector<Binding> m_bindings;
    std::vector<Scope> m_scopes;
    int m_depth = 0;                                // elements open
    std::unordered_map<std::string, int> m_current; // prefix -> its binding in scope
    int m_default = -1;                             // the binding of the default namespace
    std::string_view m_defaultUri;                  // its namespace
    std::string m_key;
    std::vector<std::pair<std::string_view, std::string_view>> m_qualified; // attributes
};

} // namespace morvaine
