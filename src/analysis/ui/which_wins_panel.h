#pragma once

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLabel;

namespace lendora::ui {
class Desk;
}

namespace lendora::analysis {

class AnalysisSession;

// The frame `fraBeatChance`, "Which wins?": the chance, from the resamples
// of the poll, that one strategy wins more respondents than another, or,
// with a business case, makes more profit. The Guru explains the chance the
// user asks for.
class WhichWinsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit WhichWinsPanel(ui::Desk& desk, QWidget* parent = nullptr);

    void setSession(const AnalysisSession* session);

private:
    // The strategies to choose from, once their intervals are known.
    void fillChoices();
    // Shows the chance of the chosen pair, and returns it when there is one.
    std::optional<double> showChance();

    ui::Desk& desk_;
    const AnalysisSession* session_ = nullptr;
    bool onProfit() const;

    QComboBox* measure_ = nullptr;
    QComboBox* first_ = nullptr;
    QComboBox* second_ = nullptr;
    QLabel* chance_ = nullptr;
};

} // namespace lendora::analysis
