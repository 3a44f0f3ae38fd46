#pragma once

#include <QtGlobal>

// The objectNames and texts of the segments window "frmTASegment". Tests and
// the road's transcripts find its controls by these names; users know the
// window by its texts: they stay exactly as they are. Deliberate, and never
// to be corrected: "Discription" in the field's label and in the message of
// an empty description (the table's heading says so too,
// audience/segment_file.h).
// Texts are the sources of the window's tr().
namespace lendora::segments::names {

constexpr const char* window = "frmTASegment";
constexpr const char* table = "MSFG_TASegment";
constexpr const char* frame = "fraTASegments";
constexpr const char* numberCaption = "Label1";
constexpr const char* number = "lblSegIndex";
constexpr const char* descriptionCaption = "Label3";
constexpr const char* description = "txtSegment";

// The buttons: objectName and text.
struct Button {
    const char* name;
    const char* text;
};
constexpr Button nextButton = {"cmdNext", QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Next")};
constexpr Button editButton = {"cmdEdit", QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Edit")};
constexpr Button cancelButton = {"cmdCancel",
                                 QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Cancel")};
constexpr Button deleteButton = {"cmdDelete",
                                 QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Delete")};
constexpr Button saveButton = {"cmdSave", QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Save")};
constexpr Button backButton = {"cmdBack", QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Back")};
constexpr Button finishButton = {"cmdFinish",
                                 QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Finish")};

constexpr const char* caption =
    QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Target Audience Segments");
// Followed by the audience's description.
constexpr const char* captionFor =
    QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Target Audience for ");
constexpr const char* numberCaptionText =
    QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Segment #:");
constexpr const char* descriptionCaptionText =
    QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Segment Discription:"); // (sic)
constexpr const char* noDescriptionMessage =
    QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Enter Discription of segment"); // (sic)
constexpr const char* deleteQuestion =
    QT_TRANSLATE_NOOP("lendora::SegmentsWindow", "Are you sure you want to delete this segment?");

} // namespace lendora::segments::names
