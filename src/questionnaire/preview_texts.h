#pragma once

#include "workspace/plan_data.h"

#include <QString>
#include <QStringList>

// The texts of the questionnaire preview.
namespace lendora::questionnaire {

// Objects names of the six feature options, in the order of their captions.
QStringList featureOptionNames();

// "Product 1" to "Product 3".
QString productCaption(int product);

// The freebies value as the respondent sees it: the stored text's leading
// number in its shortest decimal form ("0500" shows as 500); 0 when the text
// holds no number (an empty or missing value).
QString freebiesText(const QString& stored);

// The captions of the six feature options for product k (1 own product, 2
// competitor 1, 3 competitor 2), with the brand's values as typed. The EMI is
// not offered.
QStringList featureCaptions(const ProjectDetails& details, int product);

// Record's message: the chosen segment, product and feature on four lines.
QString recordMessage(const QString& segment, const QString& product, const QString& feature);

} // namespace lendora::questionnaire
