// lendora-workbook: writes an Excel workbook with libxlsxwriter from a script
// read on standard input. The program runs it as a process of its own:
// libxlsxwriter links the system's minizip, whose symbols the program's
// QuaZip (which reads survey workbooks) also exports, and one process cannot
// hold both.
//
//   lendora-workbook OUT.xlsx [shared|inline] < script
//
// Lines of tab-separated fields, "\t", "\n", "\r" and "\\" escaped; rows and
// columns count from 0:
//   sheet   NAME
//   row     ROW  TEXT...          a number cell for a text that is a number,
//                                 none for an empty text
//   cell    ROW  COLUMN  KIND  VALUE  [NUMBER FORMAT  [bold]]
//           KIND: string, number, boolean (0 or 1), blank, datetime
//           ("2024-03-05 14:30:00"), formula ("FORMULA|RESULT") or rich
//           ("RUN|BOLD RUN")
//   freeze  ROW  COLUMN           rows above and columns left stay in view
//   width   COLUMN  CHARACTERS
//   chart   KIND  ROW  COLUMN  WIDTH  HEIGHT  TITLE  CATEGORY TITLE  VALUE TITLE
//           KIND: column, bar or line; placed at the cell, sized in pixels
//   series  NAME  CATEGORIES  VALUES   of the last chart, ranges such as
//           ='Sheet 1'!$A$2:$A$5
// Exit status 0 when the workbook was written; otherwise 1 (2 for a wrong
// command line) with the reason on standard error.
#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The line's fields, unescaped, into `out` (whose strings keep their room
// from line to line: scripts run to a million lines).
void fields(std::string_view line, std::vector<std::string>& out) {
    size_t count = 0;
    std::string* field = nullptr;
    const auto nextField = [&] {
        if (count == out.size())
            out.emplace_back();
        field = &out[count++];
        field->clear();
    };
    nextField();
    for (size_t i = 0; i < line.size();) {
        size_t plain = i;
        while (plain < line.size() && line[plain] != '\t' && line[plain] != '\\')
            ++plain;
        field->append(line.substr(i, plain - i));
        if (plain == line.size())
            break;
        i = plain + 1;
        if (line[plain] == '\t') {
            nextField();
        } else if (i < line.size()) {
            const char c = line[i++];
            *field += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            *field += '\\';
        }
    }
    out.resize(count);
}

bool isNumber(const std::string& text, double& value) {
    if (text.empty())
        return false;
    // from_chars reads what strtod reads, quicker; strtod takes the rest
    // (leading blanks, a plus sign, hexadecimal, overflow).
    const char* end = text.data() + text.size();
    if (const auto read = std::from_chars(text.data(), end, value);
        read.ec == std::errc() && read.ptr == end)
        return true;
    char* stop = nullptr;
    value = std::strtod(text.c_str(), &stop);
    return stop == text.c_str() + text.size();
}

// A whole number of at most `limit`; false for anything else.
bool whole(const std::string& text, unsigned long limit, unsigned long& value) {
    if (text.empty() || text.size() > 9)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + unsigned(c - '0');
    }
    return value <= limit;
}

// Hands every line of the input to take(line), without its line feed, as
// soon as it has come whole: scripts of a million cells are read in blocks
// while the rest is still being written. False once take() says false.
template <typename Take>
bool eachLine(std::FILE* input, const Take& take) {
    std::string pending;
    std::vector<char> block(size_t(1) << 16);
    for (;;) {
        const size_t got = std::fread(block.data(), 1, block.size(), input);
        pending.append(block.data(), got);
        size_t at = 0;
        for (size_t stop; (stop = pending.find('\n', at)) != std::string::npos; at = stop + 1)
            if (!take(std::string_view(pending).substr(at, stop - at)))
                return false;
        pending.erase(0, at);
        if (got == 0)
            return pending.empty() || take(pending);
    }
}

std::pair<std::string, std::string> halves(const std::string& text) {
    const size_t bar = text.find('|');
    return {text.substr(0, bar), bar == std::string::npos ? "" : text.substr(bar + 1)};
}

constexpr unsigned long lastRow = 1'048'575;
constexpr unsigned long lastColumn = 16'383;

class Writer {
public:
    Writer(const char* path, bool inlineStrings) {
        lxw_workbook_options options = {};
        options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
        book_ = workbook_new_opt(path, &options);
        if (book_) {
            bold_ = workbook_add_format(book_);
            format_set_bold(bold_);
        }
    }

    bool opened() const { return book_ != nullptr; }

    bool line(const std::vector<std::string>& f) {
        if (f[0] == "sheet") {
            sheet_ = workbook_add_worksheet(book_, f.size() > 1 ? f[1].c_str() : nullptr);
            chart_ = nullptr;
            return sheet_ != nullptr;
        }
        if (!sheet_)
            sheet_ = workbook_add_worksheet(book_, nullptr);
        unsigned long r = 0, c = 0, width = 0, height = 0;
        if (f[0] == "row" && f.size() >= 2 && whole(f[1], lastRow, r)) {
            for (size_t k = 2; k < f.size() && k - 2 <= lastColumn; ++k) {
                double value = 0;
                if (isNumber(f[k], value))
                    worksheet_write_number(sheet_, lxw_row_t(r), lxw_col_t(k - 2), value, nullptr);
                else if (!f[k].empty())
                    worksheet_write_string(sheet_, lxw_row_t(r), lxw_col_t(k - 2), f[k].c_str(),
                                           nullptr);
            }
            return true;
        }
        if (f[0] == "cell" && f.size() >= 5 && whole(f[1], lastRow, r) &&
            whole(f[2], lastColumn, c))
            return cell(
                lxw_row_t(r), lxw_col_t(c), f[3], f[4],
                format(f.size() > 5 ? f[5] : std::string(), f.size() > 6 && f[6] == "bold"));
        if (f[0] == "freeze" && f.size() == 3 && whole(f[1], lastRow, r) &&
            whole(f[2], lastColumn, c)) {
            worksheet_freeze_panes(sheet_, lxw_row_t(r), lxw_col_t(c));
            return true;
        }
        if (f[0] == "width" && f.size() == 3 && whole(f[1], lastColumn, c)) {
            double characters = 0;
            return isNumber(f[2], characters) && characters >= 0 && characters <= 255 &&
                   worksheet_set_column(sheet_, lxw_col_t(c), lxw_col_t(c), characters, nullptr) ==
                       LXW_NO_ERROR;
        }
        if (f[0] == "chart" && f.size() == 9 && whole(f[2], lastRow, r) &&
            whole(f[3], lastColumn, c) && whole(f[4], 10000, width) && whole(f[5], 10000, height))
            return chart(f[1], lxw_row_t(r), lxw_col_t(c), width, height, f[6], f[7], f[8]);
        if (f[0] == "series" && f.size() == 4 && chart_) {
            lxw_chart_series* series =
                chart_add_series(chart_, store(f[2]).c_str(), store(f[3]).c_str());
            if (!series)
                return false;
            chart_series_set_name(series, store(f[1]).c_str());
            return true;
        }
        return false;
    }

    bool close(std::string& reason) {
        if (!placeCharts()) {
            reason = "a chart has no series";
            return false;
        }
        const lxw_error error = workbook_close(book_);
        book_ = nullptr;
        if (error != LXW_NO_ERROR)
            reason = lxw_strerror(error);
        return error == LXW_NO_ERROR;
    }

private:
    lxw_format* format(const std::string& code, bool bold) {
        if (code.empty() && !bold)
            return nullptr;
        // Cells in a row mostly share their format.
        if (last_ && code == lastCode_ && bold == lastBold_)
            return last_;
        lxw_format*& made = formats_[code + (bold ? "\tbold" : "")];
        if (!made) {
            made = workbook_add_format(book_);
            if (!code.empty())
                format_set_num_format(made, code.c_str());
            if (bold)
                format_set_bold(made);
        }
        lastCode_ = code;
        lastBold_ = bold;
        return last_ = made;
    }

    bool cell(lxw_row_t r, lxw_col_t c, const std::string& kind, const std::string& value,
              lxw_format* style) {
        double number = 0;
        if (kind == "string")
            return worksheet_write_string(sheet_, r, c, value.c_str(), style) == LXW_NO_ERROR;
        if (kind == "number" && isNumber(value, number))
            return worksheet_write_number(sheet_, r, c, number, style) == LXW_NO_ERROR;
        if (kind == "boolean")
            return worksheet_write_boolean(sheet_, r, c, value == "1", style) == LXW_NO_ERROR;
        if (kind == "blank")
            return worksheet_write_blank(sheet_, r, c, style ? style : bold_) == LXW_NO_ERROR;
        if (kind == "datetime") {
            lxw_datetime when = {};
            if (std::sscanf(value.c_str(), "%d-%d-%d %d:%d:%lf", &when.year, &when.month, &when.day,
                            &when.hour, &when.min, &when.sec) != 6)
                return false;
            return worksheet_write_datetime(sheet_, r, c, &when, style) == LXW_NO_ERROR;
        }
        if (kind == "formula") {
            const auto [formula, result] = halves(value);
            return worksheet_write_formula_str(sheet_, r, c, formula.c_str(), style,
                                               result.c_str()) == LXW_NO_ERROR;
        }
        if (kind == "rich") {
            auto [plain, strong] = halves(value);
            lxw_rich_string_tuple first = {nullptr, plain.data()};
            lxw_rich_string_tuple second = {bold_, strong.data()};
            lxw_rich_string_tuple* runs[] = {&first, &second, nullptr};
            return worksheet_write_rich_string(sheet_, r, c, runs, style) == LXW_NO_ERROR;
        }
        return false;
    }

    bool chart(const std::string& kind, lxw_row_t r, lxw_col_t c, unsigned long width,
               unsigned long height, const std::string& title, const std::string& categoryTitle,
               const std::string& valueTitle) {
        const std::map<std::string, uint8_t> kinds = {
            {"column", LXW_CHART_COLUMN}, {"bar", LXW_CHART_BAR}, {"line", LXW_CHART_LINE}};
        const auto found = kinds.find(kind);
        if (found == kinds.end())
            return false;
        chart_ = workbook_add_chart(book_, found->second);
        if (!chart_)
            return false;
        chart_title_set_name(chart_, store(title).c_str());
        chart_axis_set_name(chart_->x_axis, store(categoryTitle).c_str());
        chart_axis_set_name(chart_->y_axis, store(valueTitle).c_str());
        chart_legend_set_position(chart_, LXW_CHART_LEGEND_RIGHT);
        // A chart goes into its sheet once its series are known, at close.
        placements_.push_back({sheet_, r, c, chart_, double(width) / 480, double(height) / 288});
        return true;
    }

    bool placeCharts() {
        for (Placement& p : placements_) {
            lxw_chart_options options = {};
            options.x_scale = p.xScale;
            options.y_scale = p.yScale;
            if (worksheet_insert_chart_opt(p.sheet, p.row, p.column, p.chart, &options) !=
                LXW_NO_ERROR)
                return false;
        }
        return true;
    }

    struct Placement {
        lxw_worksheet* sheet;
        lxw_row_t row;
        lxw_col_t column;
        lxw_chart* chart;
        double xScale;
        double yScale;
    };
    std::vector<Placement> placements_;

    // Chart texts must live until the workbook is closed.
    const std::string& store(const std::string& text) { return kept_.emplace_back(text); }

    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_chart* chart_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
    lxw_format* last_ = nullptr; // the format asked for last
    std::string lastCode_;
    bool lastBold_ = false;
    std::deque<std::string> kept_; // a deque keeps its strings in place
};

} // namespace

int main(int argc, char** argv) {
    const std::string strings = argc == 3 ? argv[2] : "shared";
    if ((argc != 2 && argc != 3) || (strings != "shared" && strings != "inline")) {
        std::cerr << "usage: lendora-workbook OUT.xlsx [shared|inline] < script\n";
        return 2;
    }
    Writer writer(argv[1], strings == "inline");
    if (!writer.opened()) {
        std::cerr << "the workbook cannot be made\n";
        return 1;
    }
    std::vector<std::string> line;
    int number = 0;
    const bool read = eachLine(stdin, [&](std::string_view text) {
        ++number;
        if (text.empty())
            return true;
        fields(text, line);
        if (writer.line(line))
            return true;
        std::cerr << "line " << number << " is not understood: " << text << "\n";
        return false;
    });
    if (!read)
        return 1;
    std::string reason;
    if (!writer.close(reason)) {
        std::cerr << "the workbook cannot be written: " << reason << "\n";
        return 1;
    }
    return 0;
}
