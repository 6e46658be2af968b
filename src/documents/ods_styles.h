#pragma once

// The styles of an OpenDocument spreadsheet that change what a cell's value
// means to the console: a time format with or without seconds, and hidden
// sheets.

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace zn::workbook {

enum class OdsTimeStyle {
    None,      // no time format
    ClockTime, // hours and minutes ("09:30")
    RunTime,   // with seconds ("01:05,25", "0:00:21,50")
};

class OdsStyles {
public:
    // Takes the styles of content.xml or styles.xml (its document element):
    // both keep common and automatic styles, and an automatic cell style may
    // name a data style of the other part. Element names are compared
    // without their prefixes.
    void Add(pugi::xml_node root);

    // The time format a cell of this style shows its value in, through its
    // parent styles.
    OdsTimeStyle TimeStyleOfCell(std::string_view cellStyle) const;
    bool HiddenTable(std::string_view tableStyle) const;

private:
    void AddStyles(pugi::xml_node container);

    struct CellStyle {
        std::string dataStyle;
        std::string parent;
    };
    std::unordered_map<std::string, OdsTimeStyle> timeStyles_; // data styles by name
    std::unordered_map<std::string, CellStyle> cellStyles_;
    std::unordered_set<std::string> hiddenTables_;
};

} // namespace zn::workbook
