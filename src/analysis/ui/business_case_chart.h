#pragma once

#include "analysis/business_case_rows.h"

#include <QtCharts/QChartView>

// The chart `MSCH_BusinessCase`: profit against customers, the current
// product and every strategy a labelled point.
namespace lendora::analysis {

QChartView* newBusinessCaseChart();

// Rebuilds the chart from the rows; without rows it shows no points.
void drawBusinessCase(QChartView* view, const std::vector<BusinessCaseRow>& rows);

// The labels the chart shows beside its points, in row order.
QStringList businessCaseChartLabels(const QChartView* view);

} // namespace lendora::analysis
