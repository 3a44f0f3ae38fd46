#pragma once

#include "poll/csv_reader.h"
#include "poll/survey_responses.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <vector>

// The header rows of a comma-separated export. The plain layout has one row
// of field names. Some survey tools write three: the field names, the
// question texts, and a row of import ids, each cell a small JSON object such
// as {"ImportId":"QID2"}; that third row tells the layouts apart.
namespace lendora::poll {

// True when the record is the import-id row of the three-header layout.
bool isImportIdRow(const QStringList& fields);

// The respondents of the records; no value, and the reason in `error`, when
// the records hold no respondent or a respondent's field count differs from
// the header's. A record of one empty field (an empty line) is a blank
// respondent whatever the header's width.
std::optional<SurveyResponses> responsesFromCsv(const CsvContent& content, QString& error);

// A sheet's name of a column from 0: "A", "Z", "AA".
QString columnName(int column);

// A cell of a sheet that holds a text; columns from 0.
struct SheetCell {
    int column = 0;
    QString text;
};

// The respondents of a sheet whose rows come one at a time, in order, with
// only the cells that hold a text: the header rows are laid out as in a
// comma-separated export, a row missing between two others is a blank
// respondent, and a column that holds no text at all is left out. The
// columns times the respondents may not pass `cellLimit`, so that a few
// cells far apart cannot ask for gigabytes.
class ResponsesFromRows {
public:
    explicit ResponsesFromRows(long long cellLimit);
    ~ResponsesFromRows();

    // Row `number` counts from 1. False when the cells would pass the limit.
    bool add(int number, const std::vector<SheetCell>& cells);
    // The respondents; no value, and the reason in `error`, when there is
    // none or the cells passed the limit.
    std::optional<SurveyResponses> take(QString& error);

private:
    struct Column;
    void layOut();
    void addRespondent(const std::vector<SheetCell>& cells);
    Column& column(int sheetColumn);
    bool withinLimit();

    long long cellLimit_;
    bool overLimit_ = false;
    std::vector<std::vector<SheetCell>> headerRows_; // rows 1 to 3 until the layout is known
    bool laidOut_ = false;
    SurveyLayout layout_ = SurveyLayout::OneHeader;
    int firstRespondentRow_ = 2;
    std::map<int, std::unique_ptr<Column>> columns_; // by sheet column
    std::vector<bool> blank_;
    std::vector<const QString*> rowTexts_; // scratch: the texts of the current row by column
};

} // namespace lendora::poll
