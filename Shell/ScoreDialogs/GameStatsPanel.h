#pragma once

#include <QGroupBox>

#include <memory>

struct _tagStatsRecord;
namespace Ui { class GameStatsPanel; }

// The eleven figures of one game under their labels, shown by the name prompt and by the
// statistics window.
class GameStatsPanel : public QGroupBox {
public:
    explicit GameStatsPanel(QWidget* parent = nullptr);
    ~GameStatsPanel() override;

    void Show(const _tagStatsRecord& statistics);
    // The figure shown under a label ("Score:"), for checks; empty when there is no such label.
    QString Figure(const QString& label) const;

private:
    std::unique_ptr<Ui::GameStatsPanel> ui;
};
