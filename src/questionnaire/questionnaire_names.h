#pragma once

#include <QCoreApplication>
#include <QString>

// The objectNames and texts of the questionnaire preview
// "frmQuestionairePreview". Tests and the road's transcripts find its
// controls by these names; respondents read its texts: they stay exactly as
// they are. The captions of the options and Record's message are composed in
// the core (questionnaire/preview_texts.h), so the table lives here.
// Deliberate, and never to be corrected:
//   - "Questionaire" (one n) in the window's name;
//   - "Maximum Eligible Income" for the minimum eligible income, and
//     "Repament Period";
//   - "Discription" in the segments table's heading (audience/segment_file.h);
//   - the blank before each line break of Record's message.
// Texts are translation sources: text() gives the translation, or the text
// itself.
namespace lendora::questionnaire::names {

inline constexpr char context[] = "lendora::QuestionnairePreviewWindow";

inline QString text(const char* source) {
    return QCoreApplication::translate(context, source);
}

inline constexpr char window[] = "frmQuestionairePreview"; // (sic)
inline constexpr char segmentsFrame[] = "Frame1";
inline constexpr char segmentsTable[] = "MSFG_Segments";
inline constexpr char chosenSegment[] = "lblSegment";
inline constexpr char productsFrame[] = "Frame2";
// The product options are this followed by the product's number, 1 to 3.
inline constexpr char productOption[] = "Option";
inline constexpr char featuresFrame[] = "Frame_Features";
// The six feature options, in the order of their captions.
inline constexpr const char* featureOptions[] = {"Opt_Interest", "Opt_MEI", "Opt_MLV",
                                                 "Opt_MLP",      "Opt_RP",  "Opt_Freebies"};
inline constexpr char detailsTable[] = "MSFG_ProjectDetails";
inline constexpr char recordButton[] = "cmdRecord";

inline constexpr const char* segmentsText = QT_TRANSLATE_NOOP(
    "lendora::QuestionnairePreviewWindow", "Select the Description that suits you best");
inline constexpr const char* productsText =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Select any product");
// Followed by the chosen product's caption.
inline constexpr const char* featuresOf =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Features of ");
inline constexpr const char* recordText =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Record");
// Followed by the chosen segment's description.
inline constexpr const char* youHaveSelected =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "You have selected ");
inline constexpr const char* noSegmentMessage =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "No segment selected");
// Followed by the product's number.
inline constexpr const char* product =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Product ");

// The feature options' captions, each followed by the product's value.
inline constexpr const char* featureCaptions[] = {
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Interest - "),
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow",
                      "Maximum Eligible Income - "), // (sic)
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Maximum Loan Value - "),
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Maximum Loan Percentage - "),
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Repament Period - "), // (sic)
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", "Freebies - "),
};

// Record's message: the segment's line, then these pieces, each followed by
// the product's caption and the feature's caption.
inline constexpr const char* recordProduct =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", ", \r\nProduct - "); // (sic)
inline constexpr const char* recordFeature =
    QT_TRANSLATE_NOOP("lendora::QuestionnairePreviewWindow", ", \r\nand\r\nFeature - "); // (sic)

} // namespace lendora::questionnaire::names
