#pragma once

// Spreadsheet XML is read by local names: "x:row" and "row", "r:id" and "id",
// "number:seconds" and "seconds" are the same to the readers, whatever prefix
// a writer bound to the namespace.

#include <pugixml.hpp>
#include <string_view>

namespace zn::workbook {

inline std::string_view Local(const char* name) {
    const std::string_view n(name);
    const auto colon = n.find(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

inline pugi::xml_node Child(pugi::xml_node node, std::string_view name) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && Local(c.name()) == name) return c;
    return {};
}

template <typename F> void EachChild(pugi::xml_node node, std::string_view name, F&& f) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && Local(c.name()) == name) f(c);
}

inline pugi::xml_attribute Attr(pugi::xml_node node, std::string_view name) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        if (Local(a.name()) == name) return a;
    return {};
}

} // namespace zn::workbook
