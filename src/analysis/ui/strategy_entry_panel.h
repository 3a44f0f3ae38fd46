#pragma once

#include <QGroupBox>
#include <QPointer>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lendora::ui {
class Desk;
}

namespace lendora::analysis {

class AnalysisSession;
class SuggestDialog;

// The "New Analysis" frame `Frame2`: the seven fields of a strategy,
// confirmed one by one with Enter (each sets its feature's change flag, the
// period recomputes the EMI), the next strategy's number, "Analyse", "Add"
// and "Suggest strategies...", whose pick fills the fields.
class StrategyEntryPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit StrategyEntryPanel(ui::Desk& desk, QWidget* parent = nullptr);

    // Starts afresh on the session: the caption with the own brand, the own
    // product's values in the fields, Analyse and Add disabled.
    void setSession(AnalysisSession* session);
    void focusFirstField();

signals:
    // A suggested strategy was taken into the fields.
    void suggestionTaken();

private:
    void confirm(int feature);
    void analyse();
    void add();
    void openSuggestions();
    void takeSuggestion(const QStringList& texts);
    void showNextStrategy();
    QStringList fieldTexts() const;
    void setFieldTexts(const QStringList& texts);

    ui::Desk& desk_;
    AnalysisSession* session_ = nullptr;
    std::array<QLineEdit*, 7> fields_{};
    QLabel* nextStrategy_ = nullptr;
    QPushButton* analyse_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* suggest_ = nullptr;
    QPointer<SuggestDialog> suggestions_;
};

} // namespace lendora::analysis
