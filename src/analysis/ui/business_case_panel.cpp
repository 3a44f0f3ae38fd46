#include "analysis/ui/business_case_panel.h"

#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/business_case_guru.h"
#include "analysis/business_case_table.h"
#include "analysis/forecast_inputs.h"
#include "analysis/ui/business_case_chart.h"
#include "analysis/ui/panel_support.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <QtCharts/QChartView>

#include <cmath>
#include <numeric>
#include <string>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

QLineEdit* newField(const char* objectName) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMaximumWidth(140);
    return field;
}

// A whole number of borrowers, as the file can keep it.
std::optional<std::int64_t> wholeBorrowers(const QString& text) {
    const std::optional<double> value = parseWholeNumber(text);
    if (!value || *value < 0 || *value > 9e15 || *value != std::floor(*value))
        return std::nullopt;
    return std::int64_t(*value);
}

QStringList brandNames(const ProjectDetails& details) {
    QStringList names;
    for (int b = 0; b < brandCount; ++b)
        names << shownText(brandName(details, b));
    return names;
}

} // namespace

BusinessCasePanel::BusinessCasePanel(ui::Desk& desk, QWidget* parent)
    : QWidget(parent)
    , desk_(desk)
    , model_(new BusinessCaseModel(this)) {
    setObjectName(QString::fromLatin1(names::businessCasePage));
    rates_ = new QLabel;
    rates_->setObjectName(QString::fromLatin1(names::effectiveRates));
    rates_->setWordWrap(true);
    note_ = new QLabel;
    note_->setObjectName(QString::fromLatin1(names::businessCaseNote));
    note_->setWordWrap(true);
    note_->setStyleSheet(u"color: #a33;"_s);

    // One field per segment, in a scrolled box: audiences may have hundreds.
    borrowersBox_ = new QWidget;
    borrowersForm_ = new QFormLayout(borrowersBox_);
    scroll_ = new QScrollArea;
    scroll_->setWidget(borrowersBox_);
    scroll_->setWidgetResizable(true);
    scroll_->setMinimumHeight(60);

    market_ = newField(names::marketSize);
    split_ = newButton(names::splitMarketButton, tr("Split"));
    split_->setEnabled(true);
    split_->setToolTip(tr("Share the total market out over the segments by their respondents"));
    connect(split_, &QPushButton::clicked, this, &BusinessCasePanel::splitMarket);
    auto* marketRow = new QHBoxLayout;
    marketRow->addWidget(market_);
    marketRow->addWidget(split_);
    averageLoan_ = newField(names::averageLoan);
    costOfFunds_ = newField(names::costOfFunds);
    acquisitionCost_ = newField(names::acquisitionCost);
    save_ = newButton(names::saveBusinessCaseButton, tr("Save"));
    save_->setEnabled(true);
    connect(save_, &QPushButton::clicked, this, &BusinessCasePanel::save);

    auto* inputs = new QWidget;
    inputs->setObjectName(QString::fromLatin1(names::businessCaseInputs));
    auto* form = new QFormLayout;
    form->addRow(tr("Total market"), marketRow);
    form->addRow(tr("Average loan %"), averageLoan_);
    form->addRow(tr("Cost of funds % a year"), costOfFunds_);
    form->addRow(tr("Acquisition cost"), acquisitionCost_);
    market_->setToolTip(tr("Borrowers a year in all the segments"));
    averageLoan_->setToolTip(tr("The average loan, in per cent of the maximum loan value"));
    costOfFunds_->setToolTip(tr("What the money lent costs you, in per cent a year"));
    acquisitionCost_->setToolTip(tr("What winning one new loan costs you"));
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(rates_);
    column->addWidget(note_);
    column->addLayout(form);
    column->addWidget(save_, 0, Qt::AlignRight);
    column->addWidget(new QLabel(tr("Borrowers a year in each segment")));
    column->addWidget(scroll_, 1);
    inputs->setMaximumWidth(380);

    table_ = newTable(model_, names::businessCaseTable);
    connect(table_, &ui::GridView::clicked, this, [this](const QModelIndex& index) {
        const auto& rows = session_->businessCaseRows();
        if (index.row() >= 0 && size_t(index.row()) < rows.size() && session_->businessCase())
            showInGuru(desk_,
                       guru::businessCaseRow(rows[size_t(index.row())], *session_->businessCase(),
                                             brandNames(session_->analysis().details()).value(0)));
    });
    chart_ = newBusinessCaseChart();
    auto* results = new QSplitter(Qt::Vertical);
    results->setChildrenCollapsible(false);
    results->addWidget(table_);
    results->addWidget(chart_);
    results->setSizes({140, 280});

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(inputs);
    layout->addWidget(results, 1);
}

void BusinessCasePanel::setSession(AnalysisSession* session) {
    session_ = session;
    model_->setSession(session);
    connect(session, &AnalysisSession::businessCaseChanged, this, &BusinessCasePanel::redraw);

    const ProjectDetails& details = session->analysis().details();
    rates_->setText(effectiveRatesLine(details));

    // A field per segment, named by its description.
    for (QLineEdit* field : borrowers_)
        borrowersForm_->removeRow(field);
    borrowers_.clear();
    const SegmentDescriptions& segments = session->analysis().segments();
    for (size_t s = 0; s < segments.size(); ++s) {
        auto* field = newField((names::borrowersField + std::to_string(s + 1)).c_str());
        const QString description = shownText(segments[s].trimmed());
        borrowersForm_->addRow(description.isEmpty() ? tr("Segment %1").arg(s + 1) : description,
                               field);
        borrowers_.push_back(field);
    }
    showInputs();
    redraw();
}

void BusinessCasePanel::showInputs() {
    const std::optional<BusinessCase>& inputs = session_->businessCase();
    // The total of the stored borrowers, to split again after a change.
    market_->setText(inputs ? wholeText(std::accumulate(inputs->borrowers.begin(),
                                                        inputs->borrowers.end(), std::int64_t(0)))
                            : QString());
    for (size_t s = 0; s < borrowers_.size(); ++s)
        borrowers_[s]->setText(
            inputs && s < inputs->borrowers.size() ? wholeText(inputs->borrowers[s]) : QString());
    averageLoan_->setText(inputs ? doubleText(inputs->averageLoanPercent) : QString());
    costOfFunds_->setText(inputs ? doubleText(inputs->costOfFunds) : QString());
    acquisitionCost_->setText(inputs ? doubleText(inputs->acquisitionCost) : QString());
    note_->setText(session_->businessCaseDamaged()
                       ? tr("The business case file of this plan could not be read; it is left "
                            "as it is until you save new inputs.")
                       : QString());
    note_->setVisible(session_->businessCaseDamaged());
}

void BusinessCasePanel::explainInGuru() {
    if (!session_)
        return;
    const ProjectDetails& details = session_->analysis().details();
    showInGuru(desk_, guru::aboutBusinessCase(session_->businessCase(), brandNames(details),
                                              brandEffectiveRates(details)));
}

void BusinessCasePanel::splitMarket() {
    const std::optional<std::int64_t> total = wholeBorrowers(market_->text());
    if (!total) {
        ui::inform(this, tr("The total market must be a whole number of borrowers, 0 or more."));
        market_->setFocus();
        return;
    }
    const PlanAnalysis& plan = session_->analysis();
    const std::vector<std::int64_t> parts =
        analysis::splitMarket(*total, segmentRespondents(plan.poll(), int(borrowers_.size())));
    for (size_t s = 0; s < borrowers_.size(); ++s)
        borrowers_[s]->setText(wholeText(parts[s]));
}

std::optional<BusinessCase> BusinessCasePanel::typedInputs() {
    BusinessCase inputs;
    for (size_t s = 0; s < borrowers_.size(); ++s) {
        const std::optional<std::int64_t> value = wholeBorrowers(borrowers_[s]->text());
        if (!value) {
            ui::inform(this, tr("Borrowers a year of segment %1 (%2) must be a whole number, 0 "
                                "or more.")
                                 .arg(QString::number(s + 1),
                                      shownText(session_->analysis().segments()[s])));
            borrowers_[s]->setFocus();
            return std::nullopt;
        }
        inputs.borrowers.push_back(*value);
    }
    // Out of range or not a number, each field is refused by its name.
    struct Field {
        QLineEdit* edit;
        double* value;
        bool (*fits)(double);
        QString refusal;
    };
    const Field fields[] = {
        {averageLoan_, &inputs.averageLoanPercent, [](double u) { return u > 0 && u <= 100; },
         tr("The average loan must be a number above 0 and at most 100 (per cent of the maximum "
            "loan value).")},
        {costOfFunds_, &inputs.costOfFunds, [](double c) { return c >= 0; },
         tr("The cost of funds must be a number, 0 or more (per cent a year).")},
        {acquisitionCost_, &inputs.acquisitionCost, [](double k) { return k >= 0; },
         tr("The acquisition cost must be a number, 0 or more.")},
    };
    for (const Field& field : fields) {
        const std::optional<double> value = parseWholeNumber(field.edit->text());
        if (!value || !field.fits(*value)) {
            ui::inform(this, field.refusal);
            field.edit->setFocus();
            return std::nullopt;
        }
        *field.value = *value;
    }
    return inputs;
}

void BusinessCasePanel::save() {
    const std::optional<BusinessCase> inputs = typedInputs();
    if (!inputs)
        return;
    const AnalysisSession::BusinessCaseSave saved = session_->saveBusinessCase(*inputs);
    if (saved.problem) // typedInputs checked every field: not expected
        return;
    if (ui::reportWrite(this, saved.written))
        showInputs();
}

void BusinessCasePanel::redraw() {
    drawBusinessCase(chart_, session_->businessCaseRows());
}

} // namespace lendora::analysis
