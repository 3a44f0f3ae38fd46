// Writes an Excel workbook with libxlsxwriter from a script read on standard
// input, for the tests and benchmarks of the survey import. It runs as its
// own program: libxlsxwriter links the system's minizip, whose symbols the
// program's QuaZip also exports, and one process cannot hold both.
//
//   lendora_workbook_writer OUT.xlsx shared|inline < script
//
// Lines of tab-separated fields, "\t", "\n", "\r" and "\\" escaped:
//   sheet  NAME
//   row    ROW  TEXT...                 a number cell for a text that is a
//                                       number, none for an empty text
//   cell   ROW  COLUMN  KIND  VALUE  [NUMBER FORMAT]
// KIND is string, number, boolean (0 or 1), blank, datetime ("2024-03-05
// 14:30:00"), formula ("FORMULA|RESULT") or rich ("RUN|BOLD RUN"); rows and
// columns count from 0.
#include <xlsxwriter.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\t') {
            out.emplace_back();
        } else if (line[i] == '\\' && i + 1 < line.size()) {
            const char c = line[++i];
            out.back() += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            out.back() += line[i];
        }
    }
    return out;
}

bool isNumber(const std::string& text, double& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}

std::pair<std::string, std::string> halves(const std::string& text) {
    const size_t bar = text.find('|');
    return {text.substr(0, bar), bar == std::string::npos ? "" : text.substr(bar + 1)};
}

class Writer {
public:
    Writer(const char* path, bool inlineStrings) {
        lxw_workbook_options options = {};
        options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
        book_ = workbook_new_opt(path, &options);
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
    }

    bool line(const std::vector<std::string>& f) {
        if (f[0] == "sheet") {
            sheet_ = workbook_add_worksheet(book_, f.size() > 1 ? f[1].c_str() : nullptr);
            return true;
        }
        if (!sheet_)
            sheet_ = workbook_add_worksheet(book_, nullptr);
        if (f[0] == "row" && f.size() >= 2) {
            const auto r = lxw_row_t(std::stoul(f[1]));
            for (size_t c = 2; c < f.size(); ++c) {
                double value = 0;
                if (isNumber(f[c], value))
                    worksheet_write_number(sheet_, r, lxw_col_t(c - 2), value, nullptr);
                else if (!f[c].empty())
                    worksheet_write_string(sheet_, r, lxw_col_t(c - 2), f[c].c_str(), nullptr);
            }
            return true;
        }
        if (f[0] == "cell" && f.size() >= 5)
            return cell(lxw_row_t(std::stoul(f[1])), lxw_col_t(std::stoul(f[2])), f[3], f[4],
                        f.size() > 5 ? format(f[5]) : nullptr);
        return false;
    }

    bool close() { return workbook_close(book_) == LXW_NO_ERROR; }

private:
    lxw_format* format(const std::string& code) {
        if (code.empty())
            return nullptr;
        lxw_format*& made = formats_[code];
        if (!made) {
            made = workbook_add_format(book_);
            format_set_num_format(made, code.c_str());
        }
        return made;
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

    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lendora_workbook_writer OUT.xlsx shared|inline < script\n";
        return 2;
    }
    Writer writer(argv[1], std::string(argv[2]) == "inline");
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number)
        if (!line.empty() && !writer.line(fields(line))) {
            std::cerr << "line " << number << " is not understood: " << line << "\n";
            return 1;
        }
    return writer.close() ? 0 : 1;
}
