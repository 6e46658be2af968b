// .ods through liborcus: the cells arrive through orcus's import interface
// straight into SheetCells, so no spreadsheet model (and no formula engine)
// is built just to be copied out again.
#include "documents/workbook_formats.h"

#include <QDate>
#include <QFile>
#include <QTime>

#include <orcus/orcus_ods.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <deque>
#include <string>
#include <vector>

namespace zn::workbook {

namespace {

namespace ss = orcus::spreadsheet;

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString BoolText(bool on, const QLocale& locale) {
    const bool german = locale.language() == QLocale::German;
    return on ? (german ? QStringLiteral("WAHR") : QStringLiteral("TRUE"))
              : (german ? QStringLiteral("FALSCH") : QStringLiteral("FALSE"));
}

class Strings : public ss::iface::import_shared_strings {
public:
    std::vector<std::string> items;

    size_t append(std::string_view s) override {
        items.emplace_back(s);
        return items.size() - 1;
    }
    size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view s) override { segments_ += s; }
    size_t commit_segments() override {
        items.push_back(std::move(segments_));
        segments_.clear();
        return items.size() - 1;
    }

private:
    std::string segments_;
};

class Settings : public ss::iface::import_global_settings {
public:
    void set_origin_date(int, int, int) override {}
    void set_default_formula_grammar(ss::formula_grammar_t g) override { grammar_ = g; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

private:
    ss::formula_grammar_t grammar_ = ss::formula_grammar_t::ods;
};

// Formula cells keep their last computed result.
class Formula : public ss::iface::import_formula {
public:
    Formula(SheetCells* cells, const QLocale& locale) : cells_(cells), locale_(locale) {}
    void set_position(ss::row_t row, ss::col_t col) override {
        row_ = row;
        col_ = col;
        text_.clear();
    }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(size_t) override {}
    void set_result_string(std::string_view value) override { text_ = Utf8(value); }
    void set_result_value(double value) override { text_ = NumberText(value, locale_); }
    void set_result_bool(bool value) override { text_ = BoolText(value, locale_); }
    void set_result_empty() override { text_.clear(); }
    void commit() override {
        if (cells_) cells_->Set(row_, col_, text_);
    }

private:
    SheetCells* cells_;
    const QLocale& locale_;
    ss::row_t row_ = 0;
    ss::col_t col_ = 0;
    QString text_;
};

// A sheet past the fourth gets a Sheet without cells: it is counted, not kept.
class Sheet : public ss::iface::import_sheet {
public:
    Sheet(SheetCells* cells, const Strings& strings, const QLocale& locale)
        : cells_(cells), strings_(strings), locale_(locale), formula_(cells, locale) {}

    ss::iface::import_formula* get_formula() override { return &formula_; }
    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override { Put(row, col, Utf8(s)); }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t id) override {
        if (id < strings_.items.size()) Put(row, col, Utf8(strings_.items[id]));
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        Put(row, col, NumberText(value, locale_));
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override {
        Put(row, col, BoolText(value, locale_));
    }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour, int minute,
                       double second) override {
        const QDate date(year, month, day);
        const QTime time(hour, minute, static_cast<int>(second));
        QString text = locale_.toString(date, QLocale::ShortFormat);
        if (time.isValid() && time != QTime(0, 0))
            text += u' ' + locale_.toString(time, QLocale::ShortFormat);
        Put(row, col, text);
    }
    void set_format(ss::row_t, ss::col_t, size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, size_t) override {}
    void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t count) override {
        if (!cells_) return;
        const QString text = cells_->Cell(row, col);
        for (ss::row_t r = row + 1; r <= row + count && r <= kMaxWorkbookRows; ++r)
            cells_->Set(r, col, text);
    }
    ss::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

private:
    void Put(ss::row_t row, ss::col_t col, const QString& text) {
        if (cells_) cells_->Set(row, col, text);
    }
    SheetCells* cells_;
    const Strings& strings_;
    const QLocale& locale_;
    Formula formula_;
};

class Factory : public ss::iface::import_factory {
public:
    // The sheets hand out pointers into out.sheets, which must never move.
    Factory(WorkbookSheets& out, const QLocale& locale) : out_(out), locale_(locale) {
        out_.sheets.reserve(kWorkbookListSheets);
    }

    ss::iface::import_global_settings* get_global_settings() override { return &settings_; }
    ss::iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    ss::iface::import_sheet* append_sheet(ss::sheet_t index, std::string_view name) override {
        SheetCells* cells = nullptr;
        if (index >= 0 && index < kWorkbookListSheets) {
            out_.sheets.resize(static_cast<size_t>(index) + 1);
            cells = &out_.sheets[static_cast<size_t>(index)];
        }
        out_.sheetCount = std::max(out_.sheetCount, index + 1);
        sheets_.emplace_back(cells, strings_, locale_);
        names_.emplace_back(name);
        return &sheets_.back();
    }
    ss::iface::import_sheet* get_sheet(std::string_view name) override {
        for (size_t i = 0; i < names_.size(); ++i)
            if (names_[i] == name) return &sheets_[i];
        return nullptr;
    }
    ss::iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && static_cast<size_t>(index) < sheets_.size()
                   ? &sheets_[static_cast<size_t>(index)]
                   : nullptr;
    }
    void finalize() override {}

private:
    WorkbookSheets& out_;
    const QLocale& locale_;
    Settings settings_;
    Strings strings_;
    std::deque<Sheet> sheets_; // pointers handed out stay valid as sheets are added
    std::vector<std::string> names_;
};

} // namespace

QString ReadOds(const QString& path, const QLocale& locale, WorkbookSheets& out) {
    ZipPackage zip;
    if (QString reason = zip.Open(path); !reason.isEmpty()) return reason;
    QByteArray content;
    if (QString reason = zip.Read(QStringLiteral("content.xml"), content); !reason.isEmpty()) return reason;

    Factory factory(out, locale);
    orcus::orcus_ods reader(&factory);
    reader.read_file(QFile::encodeName(path).toStdString());

    bool loaded = false;
    for (const SheetCells& s : out.sheets)
        loaded = loaded || !s.Empty() || s.beyondRowLimit;
    if (!loaded && content.contains("office:value-type=")) return NothingLoadedReason();
    return {};
}

} // namespace zn::workbook
