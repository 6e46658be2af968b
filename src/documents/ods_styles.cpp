#include "documents/ods_styles.h"

#include "documents/xml_local_names.h"

namespace zn::workbook {

void OdsStyles::Add(pugi::xml_node root) {
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
        const std::string_view name = Local(c.name());
        if (name == "styles" || name == "automatic-styles") AddStyles(c);
    }
}

void OdsStyles::AddStyles(pugi::xml_node container) {
    for (pugi::xml_node s = container.first_child(); s; s = s.next_sibling()) {
        if (s.type() != pugi::node_element) continue;
        const std::string_view kind = Local(s.name());
        const std::string name = Attr(s, "name").value();
        if (kind == "time-style") {
            timeStyles_[name] = Child(s, "seconds") ? OdsTimeStyle::RunTime : OdsTimeStyle::ClockTime;
        } else if (kind == "style") {
            const std::string_view family = Attr(s, "family").value();
            if (family == "table-cell") {
                cellStyles_[name] = {Attr(s, "data-style-name").value(),
                                     Attr(s, "parent-style-name").value()};
            } else if (family == "table") {
                for (pugi::xml_node p = s.first_child(); p; p = p.next_sibling())
                    if (Local(p.name()) == "table-properties" &&
                        std::string_view(Attr(p, "display").value()) == "false")
                        hiddenTables_.insert(name);
            }
        }
    }
}

OdsTimeStyle OdsStyles::TimeStyleOfCell(std::string_view cellStyle) const {
    std::string name(cellStyle);
    // A chain of parents is short; a loop in a damaged file ends here.
    for (int depth = 0; depth < 16 && !name.empty(); ++depth) {
        const auto style = cellStyles_.find(name);
        if (style == cellStyles_.end()) return OdsTimeStyle::None;
        if (!style->second.dataStyle.empty()) {
            const auto time = timeStyles_.find(style->second.dataStyle);
            return time == timeStyles_.end() ? OdsTimeStyle::None : time->second;
        }
        name = style->second.parent;
    }
    return OdsTimeStyle::None;
}

bool OdsStyles::HiddenTable(std::string_view tableStyle) const {
    return hiddenTables_.count(std::string(tableStyle)) > 0;
}

} // namespace zn::workbook
